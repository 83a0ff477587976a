#include "document/safe_write.h"

#include <linux/magic.h>
#include <signal.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
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

constexpr std::string_view TemporaryPrefix = ".tessary-", TemporarySuffix = ".tmp";

// The writer's process id in a temporary name ".tessary-<pid>-<stamp>-<n>.tmp"; 0 for any other name.
pid_t WriterOf(std::string_view name) {
  if (!name.starts_with(TemporaryPrefix) || !name.ends_with(TemporarySuffix)) return 0;
  name = name.substr(TemporaryPrefix.size(), name.size() - TemporaryPrefix.size() - TemporarySuffix.size());
  unsigned long long numbers[3];
  for (int k = 0; k < 3; ++k) {
    if (k > 0) {
      if (!name.starts_with('-')) return 0;
      name.remove_prefix(1);
    }
    auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), numbers[k]);
    if (ec != std::errc()) return 0;
    name.remove_prefix(static_cast<std::size_t>(end - name.data()));
  }
  return name.empty() && numbers[0] <= INT_MAX ? static_cast<pid_t>(numbers[0]) : 0;
}

// A temporary file of a writer that was killed: its process is gone and the file has not
// changed for a minute (a process of another PID namespace sharing the folder still writes).
bool LeftByKilledWriter(const fs::directory_entry& entry) {
  const pid_t writer = WriterOf(entry.path().filename().string());
  if (writer <= 0 || ::kill(writer, 0) == 0 || errno != ESRCH) return false;
  std::error_code ec;
  if (!fs::is_regular_file(entry.symlink_status(ec))) return false;
  const fs::file_time_type changed = entry.last_write_time(ec);
  return !ec && fs::file_time_type::clock::now() - changed > std::chrono::minutes(1);
}

void RemoveKilledWritersTemporaries(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code ignored;
    if (LeftByKilledWriter(*it)) fs::remove(it->path(), ignored);
  }
}

// A short name of its own, so that a file whose name is near the length limit can still be
// written; hidden, so that one left behind by a crash stays out of the way; with the writer's
// process id, so that a later writer can tell whether it is still being written.
std::string TemporaryBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const fs::path folder = fs::path(path).parent_path();
  const std::string writer = std::string(TemporaryPrefix) + std::to_string(::getpid()) + "-";
  for (;;) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path candidate =
        folder / (writer + std::to_string(stamp) + "-" + std::to_string(counter++) + std::string(TemporarySuffix));
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

// A link of /proc (/dev/stdout leads to one) names an open file, not a path: the name it
// shows may be gone or another file's by now, so it is not followed.
bool InProc(const fs::path& link) {
  struct statfs folder;
  const fs::path parent = link.parent_path();
  return ::statfs(parent.empty() ? "." : parent.c_str(), &folder) == 0 && folder.f_type == PROC_SUPER_MAGIC;
}

}  // namespace

std::string WrittenFile(const std::string& path) {
  fs::path file = path;
  // As many links as the system follows in a path; a longer chain or a loop stays a link.
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(file, ec)) || InProc(file)) break;
    const fs::path target = fs::read_symlink(file, ec);
    if (ec) break;
    file = target.is_absolute() ? target : file.parent_path() / target;
  }
  return file.string();
}

ReplaceStep ReplaceFile(const std::string& name, std::string_view bytes, const std::string& backup,
                        fs::perms attributes, std::string_view head) {
  const std::string path = WrittenFile(name);
  // Renaming over a device, a FIFO or a socket would put a plain file in its place.
  if (Exists(path) && !IsPlainFile(path)) return ReplaceStep::MoveIntoPlace;

  RemoveKilledWritersTemporaries(fs::path(path).parent_path());
  const std::string temporary = TemporaryBeside(path);
  auto fail = [&](ReplaceStep step) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return step;
  };
  if (!WriteTemporary(temporary, head, bytes, attributes)) return fail(ReplaceStep::WriteTemporary);

  std::error_code ec;
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

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string_view head,
                     const std::string& backup) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  const fs::perms kept = fs::exists(status) ? status.permissions() : fs::perms::unknown;
  return ReplaceFile(path, bytes, backup, kept, head) == ReplaceStep::Done;
}

}  // namespace tessary
