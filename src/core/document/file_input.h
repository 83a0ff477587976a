// Reading a subtitle file whole: only a regular file, never more than the limit, and without
// changing anything about the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tessary {

enum class InputOutcome {
  Read,
  Missing,     // no file of that name
  Unreadable,  // not readable, or not a regular file (a folder, FIFO, device, socket, a /proc file)
  TooBig,      // over the limit; nothing was read
};

// Reads the file `path` into `bytes` and its permission bits into `permissions`. Nothing is
// opened that is not a regular file, so nothing blocks; a file over `limit` bytes is not read;
// a file whose content is not the size it states (those of /proc, one that grows while being
// read) is Unreadable.
InputOutcome ReadInputFile(const std::string& path, std::uintmax_t limit, std::string& bytes,
                           std::filesystem::perms& permissions);

}  // namespace tessary
