#include "platform/folder_access.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace docbase {

std::optional<std::string> unwritable_reason(const std::filesystem::path& folder) {
  std::filesystem::path probe = folder / (".docbase_write_probe_" + std::to_string(::getpid()));
  int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return std::string(std::strerror(errno));
  ::close(fd);
  ::unlink(probe.c_str());
  return std::nullopt;
}

}  // namespace docbase
