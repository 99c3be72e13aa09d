#include "prep/command_runner.h"

#include <unistd.h>

#include "words/bytes.h"
#include "words/record_file.h"

namespace docbase {

bool probe_folder_short(RunState& run, std::string_view listing_command,
                        std::string_view listing_file, std::string_view folder,
                        bool trim_trailing) {
  run.shell(listing_command);
  LineReader listing(run.file(listing_file));
  std::string line;
  while (listing.read_line(line)) {
    std::string_view text = trim_trailing ? trim_trailing_blanks(line) : std::string_view(line);
    if (contains(to_lower(text), folder)) return true;
  }
  return false;
}

FullProbe probe_folders_full(RunState& run, std::string_view first, std::string_view second) {
  run.shell("dir *. > dir_cur.txt");
  LineReader listing(run.file("dir_cur.txt"));
  FullProbe found;
  std::string line;
  while (listing.read_line(line)) {
    std::string lowered = to_lower(trim_trailing_blanks(line));
    found.first = found.first || contains(lowered, first);
    found.second = found.second || (!second.empty() && contains(lowered, second));
  }
  return found;
}

void empty_folder(RunState& run, std::string_view folder, std::string_view redirection) {
  std::string name(folder);
  run.shell("dir > " + name + "\\f_01.txt" + std::string(redirection));
  run.shell("del /q " + name + "\\*.*" + std::string(redirection));
}

void delete_listed_files(RunState& run, std::string_view listing_command, std::string_view prefix) {
  run.shell(listing_command);
  LineReader listing(run.file("dir_01.txt"));
  std::string line;
  while (listing.read_line(line)) {
    std::filesystem::path target = run.file(std::string(prefix) + to_lower(line));
    // Folders are not files: a listed folder stays, as on the original platform.
    if (!target.empty() && !std::filesystem::is_directory(target)) ::unlink(target.c_str());
  }
}

std::string command_name(std::string_view name) {
  if (!contains(name, " ")) return std::string(name);
  return "\"" + std::string(name) + "\"";
}

}  // namespace docbase
