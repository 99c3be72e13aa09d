#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "support/shell_run.h"

namespace docbase {

// A run state on a fresh working folder, with the target site and module
// name the page fixtures were written for.
struct PageRun : ShellRun {
  PageRun() {
    run.module_name = "www.example.org.app";
    run.target_site = "www.example.org";
  }
};

// One record line: every value quoted, comma-separated, ended by CR LF.
std::string record(std::initializer_list<std::string_view> values);
// Text written with LF breaks, given CR LF breaks.
std::string crlf(std::string_view text);
// A fixture of tests/fixtures/index, with CR LF breaks.
std::string index_fixture(const std::string& name);
// The date and time lines with their digits replaced by "MM-DD-YYYY" and
// "hh:mm:ss"; a line not in the expected form stays as it is.
std::string masked_clock(std::string page);
// The part of text after the first occurrence of from and before the next
// occurrence of to (the rest when to does not occur); empty when from does not occur.
std::string between(std::string_view text, std::string_view from, std::string_view to);
long long occurrences(std::string_view text, std::string_view part);

}  // namespace docbase
