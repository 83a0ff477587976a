// Writing a file so that it is never left half-written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessary {

// The step at which replacing a file stopped.
enum class ReplaceStep {
  Done,
  WriteTemporary,  // the new content could not be written beside the file
  DeleteBackup,    // the old backup could not be deleted
  RenameToBackup,  // the file could not be renamed to the backup name
  MoveIntoPlace,   // the new content could not take the file's name (or the name is not a file's)
};

// The file that writing to `path` replaces: a symbolic link is followed (through a chain of
// links too), so that the link stays and the file it names gets the new content.
std::string WrittenFile(const std::string& path);

// Replaces the file `path` with `bytes`. A link is followed (see WrittenFile); a name held by
// anything but a regular file (a folder, a device, a FIFO, a socket) is refused before anything
// is written. The bytes go to a temporary file in the same folder first; only then, when
// `backup` is not empty and the file exists, the old backup is deleted and the file is renamed
// to `backup` (the caller names it beside WrittenFile(path)); last the temporary file takes
// the file's name. `attributes` (unless unknown) are given to the new file and to the backup.
// On failure the temporary file is removed and the file keeps its previous content (when even
// putting the backup back fails, the backup holds it).
// `head`, if any, is written before `bytes`. Temporary files of this naming that writers killed
// on their way left in the folder are removed on the way.
ReplaceStep ReplaceFile(const std::string& path, std::string_view bytes, const std::string& backup,
                        std::filesystem::perms attributes, std::string_view head = {});

// Replaces `path` with `bytes` as ReplaceFile does, keeping the old file as `backup` when that
// is not empty; a replaced file and its backup keep its permissions. Returns false (and leaves
// `path` as it was) when any step fails. `head`, if any, is written before `bytes`.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string_view head = {},
                     const std::string& backup = {});

}  // namespace tessary
