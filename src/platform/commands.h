#pragma once
#include <span>
#include <string>

#include "platform/command_context.h"

namespace docbase {

// The built-in commands. Each takes the words after its command word and
// writes to the context's output and error stream.

// dir [/b] [/s] [PATTERN...]
void run_dir(CommandContext& context, std::span<const std::string> words);
// copy [/y] SOURCE [TARGET]
void run_copy(CommandContext& context, std::span<const std::string> words);
// del /q PATTERN...
void run_del(CommandContext& context, std::span<const std::string> words);
// md FOLDER...
void run_md(CommandContext& context, std::span<const std::string> words);
// rd FOLDER...
void run_rd(CommandContext& context, std::span<const std::string> words);
// rename "FOLDER\OLD" NEW
void run_rename(CommandContext& context, std::span<const std::string> words);
// find [/i] [/c] "TEXT" FILE...
void run_find(CommandContext& context, std::span<const std::string> words);
// findstr [/i] "TEXT" FILE...
void run_findstr(CommandContext& context, std::span<const std::string> words);
// sort IN [/o OUT]
void run_sort(CommandContext& context, std::span<const std::string> words);

}  // namespace docbase
