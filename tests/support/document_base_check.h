#pragma once
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace docbase {

// What is wrong with the document base a whole run left in folder, given the
// number of input texts: htm_out must hold one page per text and the
// advertising page, numbered from 1 without gaps, files_list.htm, index.htm
// and a word index page and a search page per group, numbered from 1, every
// link holding (allowed: targets that may dangle), and the work folders gone.
std::vector<std::string> document_base_problems(const std::filesystem::path& folder,
                                                std::size_t input_count,
                                                const std::set<std::string>& allowed = {});

// The text with its date and time lines left out: they differ between runs.
std::string without_date_and_time(std::string_view text);

// Every file of htm_out, date and time lines aside, for comparing two runs.
std::string published_tree(const std::filesystem::path& folder);

}  // namespace docbase
