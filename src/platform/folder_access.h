#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace docbase {

// Why no file can be created in folder (the system's reason), or nothing when
// one can: found by creating a file and removing it again, since permission
// bits alone say nothing of read-only mounts or of the superuser.
std::optional<std::string> unwritable_reason(const std::filesystem::path& folder);

}  // namespace docbase
