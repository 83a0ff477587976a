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
  MoveIntoPlace,   // the new content could not take the file's name
};

// Replaces the file `path` with `bytes`. The bytes go to a temporary file in the same folder
// first; only then, when `backup` is not empty and `path` exists, the old backup is deleted
// and `path` is renamed to `backup`; last the temporary file takes the name `path`.
// `attributes` (unless unknown) are given to the new file and to the backup.
// On failure the temporary file is removed and `path` keeps its previous content (when even
// putting the backup back fails, the backup holds it). `head`, if any, is written before `bytes`.
ReplaceStep ReplaceFile(const std::string& path, std::string_view bytes, const std::string& backup,
                        std::filesystem::perms attributes, std::string_view head = {});

// Writes `bytes` to a temporary file in the folder of `path` and renames it into place; a
// replaced file keeps its permissions. Returns false (and leaves `path` as it was) when any
// step fails. `head`, if any, is written before `bytes`.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string_view head = {});

}  // namespace tessary
