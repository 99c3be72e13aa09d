#pragma once
#include <string>
#include <string_view>

#include "app/run_state.h"

namespace docbase {

// Short folder probe: runs listing_command (a "dir /b *. > FILE" line), reads
// FILE line by line, lower-cased (trailing blanks removed first when
// trim_trailing is set), and answers whether a line contains folder.
bool probe_folder_short(RunState& run, std::string_view listing_command,
                        std::string_view listing_file, std::string_view folder,
                        bool trim_trailing = false);

// Full folder probe: runs "dir *. > dir_cur.txt" and answers, for each folder
// name, whether some line (trailing blanks removed, lower-cased) contains it.
struct FullProbe {
  bool first = false;
  bool second = false;
};
FullProbe probe_folders_full(RunState& run, std::string_view first, std::string_view second);

// Empties a folder: "dir > FOLDER\f_01.txt", then "del /q FOLDER\*.*", each
// followed by redirection (empty, or " > out_null.list").
void empty_folder(RunState& run, std::string_view folder, std::string_view redirection);

// Runs the listing command (which writes dir_01.txt), then deletes every
// listed name, lower-cased, with prefix in front of it.
void delete_listed_files(RunState& run, std::string_view listing_command,
                         std::string_view prefix = {});

// A name put into a command line: quoted when it holds a blank, so that the
// interpreter takes it as one name.
std::string command_name(std::string_view name);

}  // namespace docbase
