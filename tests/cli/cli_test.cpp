// tessary-cli as scripts use it: run as a separate process on files in a temporary folder.
// The messages and texts of single cases are checked from outside by the black-box cases of CI.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct CliResult {
  int code = -1;
  std::string out, err;
};

// Runs tessary-cli with `args` (already quoted for the shell) in `folder`; its standard output
// goes where `out` sends it (a redirection or a pipe), by default to a file read back.
CliResult Cli(const TempFolder& folder, const std::string& args, std::string out = "") {
  const fs::path outFile = folder.Path() / ".stdout", err = folder.Path() / ".stderr", code = folder.Path() / ".code";
  if (out.empty()) out = ">'" + outFile.string() + "'";
  const std::string command = "cd '" + folder.Path().string() + "' && { '" TESSARY_CLI_PATH "' " + args + " 2>'" +
                              err.string() + "'; echo $? >'" + code.string() + "'; } " + out;
  std::system(command.c_str());
  CliResult run{std::stoi("0" + ReadBytes(code)), ReadBytes(outFile), ReadBytes(err)};
  for (const fs::path& file : {outFile, err, code}) fs::remove(file);
  return run;
}

// Every file in the folder with its bytes and the time it was last written.
std::map<fs::path, std::pair<std::string, fs::file_time_type>> Files(const TempFolder& folder) {
  std::map<fs::path, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder.Path()))
    if (entry.is_regular_file()) files[entry.path()] = {ReadBytes(entry.path()), entry.last_write_time()};
  return files;
}

const std::string MicroDVD = Lines({"{100}{150}Hi", "{200}{250}Ho"});
const std::string SubRip = SubRipFile({{4000, 6000, "Hi"}, {8000, 10000, "Ho"}});

// Each call exits with its code and starts its standard error (and output) as given, and writes
// nothing but its output, never FILE itself, whatever a file name holds. "@" stands for the folder
// the program runs in.
TEST(CliCalls, ExitWithTheirCodeAndSayWhyInOneLineEach) {
  struct Case {
    std::string args, err;
    int code;
    std::string out = "", written = "", bytes = "", redirect = "";  // `written` holds `bytes` afterwards
  };
  const std::u16string polishSubRip = u"1\r\n00:00:04,000 --> 00:00:06,000\r\nZażółć\r\ngęślą\r\n";
  std::string big;  // more than a pipe holds
  for (int i = 1; i < 20000; ++i) big += "{" + std::to_string(i * 10) + "}{" + std::to_string(i * 10 + 5) + "}Hi\n";
  const std::string wontWrite = "error: Can't write in standard output!\n", usage = "tessary-cli: ";
  const std::string mended = "information: Problems were detected - there were made 5 changes\n";
  const std::string empty = "error: This file is empty!\n", late = "error: a time past 27:46:40,000 is not moved later";
  for (const Case& c : {
           // Wrong usage: the reason, then the usage text.
           Case{"verify --bogus in.sub", usage + "The following argument was not expected: --bogus\nusage:", 2},
           Case{"verify --f'\n'o in.sub", usage + "The following argument was not expected: --f\\no\n", 2},
           Case{"verify --fps 0 in.sub", usage + "the frame rate must be a number from 1 to 60\n", 2},
           Case{"", usage + "no command given", 2},
           Case{"verify", usage + "no file given", 2},
           Case{"frobnicate in.sub", usage + "unknown command 'frobnicate'", 2},
           Case{"multiply --factor 1.5 in.sub", usage + "multiply needs -o OUT", 2},
           Case{"shift --ms 1 --frames 2 -o out.srt in.sub", usage + "--ms excludes --frames", 2},
           Case{"transform --line1 1 --at1 1f --line2 2 --at2 0:0:1 -o out.srt in.sub", usage + "--at1 and --at2", 2},
           // Help, "--" and options written with "=".
           Case{"--help", "", 0, "usage: "},
           Case{"verify -- -x.sub", "", 0, "{100}"},
           Case{"verify --fps=23,976 --dot --strict in.sub", "", 0, "{100}"},
           // A value its field would not take (its reader says why); a time past the guard.
           Case{"multiply --factor -2 -o out.srt in.sub", "error: the factor '-2' is not a decimal number\n", 1},
           Case{"transform --line1 1 --at1 1f --line2 99 --at2 9f -o out.srt in.sub", "error: there is no subtitle 99",
                1},
           Case{"shift --ms 10 -o out.srt late.srt", late + ": shift", 1},
           Case{"multiply --factor 1.5 -o out.srt late.srt", late, 1},
           // Files that cannot be read or written, and subtitles with nothing left.
           Case{"verify missing.srt", "error: \"@/missing.srt\" doesn't exist!\n", 1},
           Case{"verify 'a\nerror: b\rc\r\n'", "error: \"@/a\\nerror: b\\nc\\n\" doesn't exist!\n", 1},
           Case{"convert --to srt -o '/x/a\nerror: fake' in.sub", "error: Can't write in \"/x/a\\nerror: fake\"!\n", 1},
           Case{"verify big.sub", wontWrite, 1, "", "", "", ">/dev/full"},
           Case{"verify big.sub", wontWrite, 1, "", "", "", ">&-"},
           Case{"verify big.sub", wontWrite, 1, "", "", "", "| head -c1 >/dev/null"},
           Case{"verify --help", wontWrite, 1, "", "", "", ">/dev/full"},
           Case{"verify empty.sub", mended + empty, 1},
           Case{"shift --ms 100 -o out.srt empty.sub", mended + "information: No change\n" + empty, 1},
           // Convert writes the other layout in the input's encoding, to OUT or beside FILE.
           Case{"convert --to srt -o out.txt le.txt", "", 0, "", "out.txt", Utf16(polishSubRip, false)},
           Case{"convert --to srt -o out.txt be.txt", "", 0, "", "out.txt", Utf16(polishSubRip, true)},
           Case{"convert --to srt in.sub", "", 0, "", "in.srt", SubRip},
           Case{"convert --to sub film.srt", "", 0, "", "film.sub", "\xEF\xBB\xBF" + MicroDVD},
           Case{"convert --to srt my.folder/film", "", 0, "", "my.folder/film.srt", SubRip},
           // Whatever a verify mends or reports, and a convert that would write over the file itself.
           Case{"verify film.srt", "", 0, "1\r\n"},
           Case{"verify mended.sub", "information: Problems", 0},
           Case{"verify --strict broken.sub", "error: ", 1, "{10}{20}A"},
           Case{"convert --to srt film.srt", "error: \"@/film.srt\" is the file being read", 1},
           Case{"convert --to sub -o ./film.srt film.srt", "error: \"@/./film.srt\" is the file being read", 1},
           Case{"convert --to sub -o sub/../film.srt film.srt", "error: \"@/sub/../film.srt\" is the file", 1},
       }) {
    TempFolder folder;
    fs::create_directories(folder.Path() / "sub");
    fs::create_directories(folder.Path() / "my.folder");
    for (const char* name : {"in.sub", "-x.sub", "my.folder/film"}) folder.Write(name, MicroDVD);
    for (bool bigEndian : {false, true})
      folder.Write(bigEndian ? "be.txt" : "le.txt", Utf16(u"{100}{150}Zażółć|gęślą", bigEndian));
    for (const auto& [name, bytes] :
         std::map<std::string, std::string>{{"mended.sub", MicroDVD + "  "},
                                            {"empty.sub", Lines({"{1}{2}|", "{3}{4}||"})},
                                            {"big.sub", big},
                                            {"late.srt", SubRipFile({{1000, 2000, "A"}, {100000001, 100002000, "B"}})},
                                            {"broken.sub", Lines({"{10}{20}A", "x}{20}Hi", "{30}{40}B", "{50}{60}C"})},
                                            {"film.srt.sav", "{1}{2}Copy"}})
      folder.Write(name, bytes);
    // A newer automatic copy beside the file is neither offered nor touched.
    fs::last_write_time(folder.Write("film.srt", "\xEF\xBB\xBF" + SubRip), fs::file_time_type::clock::now() - 48h);
    const auto before = Files(folder);
    CliResult run = Cli(folder, c.args, c.redirect);
    std::string err = c.err;
    if (const std::size_t at = err.find('@'); at != std::string::npos) err.replace(at, 1, folder.Path().string());
    EXPECT_EQ(std::pair(run.code, run.err.substr(0, err.size())), std::pair(c.code, err)) << c.args;
    EXPECT_EQ(run.out.substr(0, c.code == 0 || !c.out.empty() ? c.out.size() : std::string::npos), c.out) << c.args;
    EXPECT_EQ(run.err.find(".sav"), std::string::npos) << c.args;
    auto after = Files(folder);
    EXPECT_EQ(c.written.empty() ? "" : after[folder.Path() / c.written].first, c.bytes) << c.args;
    after.erase(folder.Path() / c.written);
    EXPECT_EQ(after, before) << c.args;
  }
}

}  // namespace
}  // namespace tessary::testing
