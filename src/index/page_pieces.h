#pragma once
#include <string>
#include <string_view>
#include "words/promotional_block.h"

#include "app/run_state.h"
#include "platform/clock.h"
#include "words/record_file.h"

namespace docbase {

// The pieces every page of the index subsystem is built from: the word index
// pages, the contents page, the search pages and the all-words index.

// "<html>" to "<body>", with the code page and the given title line.
void write_page_head(LineWriter& page, const RunState& run, std::string_view title_line);
void write_information_lines(LineWriter& page);
// The date line and the time line, each from the clock as it is written.
void write_date_and_time_lines(LineWriter& page);
void write_details_lines(LineWriter& page);

// The web-search address for a query, which goes in unencoded.
std::string search_address(std::string_view query);

std::string date_line(const LocalTime& time);
std::string time_line(const LocalTime& time);

}  // namespace docbase
