#pragma once
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace docbase {

// One href of a page that names no file of the folder, or no element id in
// the file it names.
struct BrokenLink {
  std::string page;    // the file that holds the link
  std::string target;  // the href as written
  std::string reason;
};

std::string describe(const BrokenLink& link);
std::string describe(const std::vector<BrokenLink>& links);

// Checks every href="..." (blanks around "=" allowed) of every file in
// folder: one that is not an http address must name a file of the folder,
// and with a "#fragment" an id="..." of that file ("#fragment" alone: of the
// page itself). A static scan of the text, no HTML parsing. Targets listed in
// allowed (as written in the href) are not reported.
std::vector<BrokenLink> broken_links(const std::filesystem::path& folder,
                                     const std::set<std::string>& allowed = {});

}  // namespace docbase
