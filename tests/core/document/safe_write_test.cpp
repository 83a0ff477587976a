#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "document/safe_write.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

// A FIFO, a device, a folder, a link loop or a link into /proc (as /dev/stdout is) is refused
// and stays what it was; a chain of links to a file is followed and stays.
TEST(ReplaceFile, ReplacesOnlyARegularFileAndWritesThroughALink) {
  TempFolder folder;
  const fs::path p = folder.Path();
  ASSERT_EQ(::mkfifo((p / "fifo").c_str(), 0600), 0);
  const int held = ::open((p / "held").c_str(), O_CREAT | O_RDWR, 0600);
  fs::create_symlink("/proc/self/fd/" + std::to_string(held), p / "to-proc");
  fs::create_symlink("fifo", p / "to-fifo");
  fs::create_symlink("loop", p / "loop");
  fs::create_directory(p / "folder");
  std::vector<std::string> refused = {"fifo", "to-proc", "to-fifo", "loop", "folder"};
  // The device /dev/null is, made in the test's own folder.
  if (::mknod((p / "null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
    refused.push_back("null");
  else
    std::cout << "No device case: making a device node needs root.\n";
  for (const std::string& name : refused) {
    const fs::file_type before = fs::symlink_status(p / name).type();
    EXPECT_FALSE(WriteFileSafely((p / name).string(), "text")) << name;
    EXPECT_EQ(fs::symlink_status(p / name).type(), before) << name;
  }
  fs::create_symlink("held", p / "to-held");
  fs::create_symlink(p / "to-held", p / "chain");
  EXPECT_TRUE(WriteFileSafely((p / "chain").string(), "text"));
  EXPECT_EQ(std::tuple(fs::is_symlink(p / "chain"), fs::is_symlink(p / "to-held"), ReadBytes(p / "held")),
            std::tuple(true, true, "text"));
  ::close(held);
}

// A write clears away what a killed writer left: only temporary files of this naming whose
// process is gone and that have not changed for a minute.
TEST(ReplaceFile, RemovesOnlyOldTemporaryFilesOfWritersThatAreGone) {
  TempFolder folder;
  long pidMax = 4194304;
  std::ifstream("/proc/sys/kernel/pid_max") >> pidMax;
  const std::string gone = ".tessary-" + std::to_string(pidMax + 1), running = ".tessary-" + std::to_string(::getpid());
  struct Case {
    std::string name;
    bool old, removed;
  };
  const std::vector<Case> cases = {
      {gone + "-5-0.tmp", true, true},     {gone + "-5-1.tmp", false, false},  // may still be written
      {running + "-5-0.tmp", true, false}, {".tessary-5-0.tmp", true, false},  // no process named
      {gone + "-5-0.tmp~", true, false},   {gone + "-6-0.tmp/", true, false},  // a folder
  };
  for (const Case& c : cases) {
    if (c.name.ends_with('/'))
      fs::create_directory(folder.Path() / c.name);
    else
      folder.Write(c.name, "left");
    if (c.old) fs::last_write_time(folder.Path() / c.name, fs::file_time_type::clock::now() - std::chrono::minutes(2));
  }
  ASSERT_TRUE(WriteFileSafely((folder.Path() / "out.srt").string(), "new"));
  for (const Case& c : cases) EXPECT_EQ(fs::exists(folder.Path() / c.name), !c.removed) << c.name;
}

}  // namespace
}  // namespace tessary::testing
