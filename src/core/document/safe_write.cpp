#include "document/safe_write.h"

#include <atomic>
#include <chrono>
#include <fstream>

namespace tessary {

namespace fs = std::filesystem;

namespace {

// A dangling link counts as existing: it would be renamed like a file.
bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

bool IsPlainFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(fs::symlink_status(path, ec));
}

// A short name of its own, so that a file whose name is near the length limit can still be
// written; hidden, so that one left behind by a crash stays out of the way.
std::string TemporaryBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const fs::path folder = fs::path(path).parent_path();
  for (;;) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path candidate = folder / (".tessary-" + std::to_string(stamp) + "-" + std::to_string(counter++) + ".tmp");
    if (!Exists(candidate)) return candidate.string();
  }
}

bool WriteTemporary(const std::string& temporary, std::string_view head, std::string_view bytes, fs::perms attributes) {
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  // Access is checked when a file is opened, so the content can still be written after a
  // read-only mode is set; and it is never readable by more people than the file it replaces.
  if (attributes != fs::perms::unknown) {
    std::error_code ignored;
    fs::permissions(temporary, attributes, ignored);
  }
  out.write(head.data(), static_cast<std::streamsize>(head.size()));
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

}  // namespace

ReplaceStep ReplaceFile(const std::string& path, std::string_view bytes, const std::string& backup,
                        fs::perms attributes, std::string_view head) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return ReplaceStep::MoveIntoPlace;

  const std::string temporary = TemporaryBeside(path);
  auto fail = [&](ReplaceStep step) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return step;
  };
  if (!WriteTemporary(temporary, head, bytes, attributes)) return fail(ReplaceStep::WriteTemporary);

  bool backedUp = false;
  if (!backup.empty() && Exists(path)) {
    if (Exists(backup)) {
      // Only a file is deleted: a folder of that name, even an empty one, is not the backup.
      if (!IsPlainFile(backup) && !fs::is_symlink(fs::symlink_status(backup, ec)))
        return fail(ReplaceStep::DeleteBackup);
      fs::remove(backup, ec);
      if (ec) return fail(ReplaceStep::DeleteBackup);
    }
    fs::rename(path, backup, ec);
    if (ec) return fail(ReplaceStep::RenameToBackup);
    backedUp = true;
    if (attributes != fs::perms::unknown && IsPlainFile(backup)) fs::permissions(backup, attributes, ec);
  }

  fs::rename(temporary, path, ec);
  if (ec) {
    std::error_code ignored;
    if (backedUp) fs::rename(backup, path, ignored);
    return fail(ReplaceStep::MoveIntoPlace);
  }
  return ReplaceStep::Done;
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string_view head) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  const fs::perms kept = fs::exists(status) ? status.permissions() : fs::perms::unknown;
  return ReplaceFile(path, bytes, {}, kept, head) == ReplaceStep::Done;
}

}  // namespace tessary
