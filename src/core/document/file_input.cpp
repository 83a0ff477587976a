#include "document/file_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tessary {

namespace {

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// Reads up to bytes.size() bytes; returns the number read, or -1 on an error.
std::ptrdiff_t ReadAll(int fd, std::string& bytes) {
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return static_cast<std::ptrdiff_t>(got);
}

}  // namespace

InputOutcome ReadInputFile(const std::string& path, std::uintmax_t limit, std::string& bytes,
                           std::filesystem::perms& permissions) {
  // Looked at before it is opened: opening a FIFO waits for a writer, and opening a device
  // may do something.
  struct stat named;
  if (::stat(path.c_str(), &named) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? InputOutcome::Missing : InputOutcome::Unreadable;
  }
  if (!S_ISREG(named.st_mode)) return InputOutcome::Unreadable;
  if (static_cast<std::uintmax_t>(named.st_size) > limit) return InputOutcome::TooBig;

  // Non-blocking and checked again once open: the name may have been given to something else.
  const Descriptor in{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  struct stat opened;
  if (in.fd < 0 || ::fstat(in.fd, &opened) != 0 || !S_ISREG(opened.st_mode)) return InputOutcome::Unreadable;
  const auto size = static_cast<std::uintmax_t>(opened.st_size);
  if (size > limit) return InputOutcome::TooBig;
  permissions = static_cast<std::filesystem::perms>(opened.st_mode & 07777);

  // One byte more than the stated size tells a file that holds more than it states.
  bytes.resize(static_cast<std::size_t>(size) + 1);
  const std::ptrdiff_t got = ReadAll(in.fd, bytes);
  if (got != static_cast<std::ptrdiff_t>(size)) return InputOutcome::Unreadable;
  bytes.resize(static_cast<std::size_t>(got));
  return InputOutcome::Read;
}

}  // namespace tessary
