#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

namespace docbase {

// Whether a resolved name will only be read, or also written or deleted.
enum class Access { kRead, kWrite };

// Resolves a name as the original platform does: "\" (or "/") separates the
// components, and each component matches an existing entry without regard to
// ASCII letter case (the exact spelling wins when it exists). A component that
// matches nothing keeps its spelling, so that the name can be created.
// Gives nothing when the name would leave the root: an absolute name, a drive,
// a ".." component, or (for writing) a symbolic link that points outside.
std::optional<std::filesystem::path> resolve_name(const std::filesystem::path& root,
                                                  std::string_view name,
                                                  Access access = Access::kWrite);

// The entry of folder with the name in any letter case: the name's own
// spelling when it exists, else the first case variant in listing order;
// nothing when there is none.
std::optional<std::string> find_folder_entry(const std::filesystem::path& folder,
                                             std::string_view name);

// Whether path, its symbolic links followed, lies inside root: the test that
// resolve_name applies for writing, for a path found by other means.
bool lies_inside(const std::filesystem::path& root, const std::filesystem::path& path);

// ASCII letters compared as lower case, ties broken bytewise: the order of
// listings and of the sort tool.
bool name_order_less(std::string_view a, std::string_view b);

// Equal but for the case of ASCII letters.
bool equal_ignoring_case(std::string_view a, std::string_view b);

}  // namespace docbase
