// tessary-cli as scripts use it: run as a separate process on files in a temporary folder.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

struct CliResult {
  int code = -1;
  std::string out;
  std::vector<std::string> errLines;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Runs tessary-cli with `args` (already quoted for the shell) in `folder`.
CliResult Cli(const TempFolder& folder, const std::string& args) {
  const fs::path out = folder.Path() / ".stdout", err = folder.Path() / ".stderr";
  const std::string command = "cd '" + folder.Path().string() + "' && '" TESSARY_CLI_PATH "' " + args + " >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  int status = std::system(command.c_str());
  CliResult run;
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadFile(out);
  std::istringstream lines(ReadFile(err));
  for (std::string line; std::getline(lines, line);) run.errLines.push_back(line);
  fs::remove(out);
  fs::remove(err);
  return run;
}

std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string out;
  for (char16_t unit : std::u16string(1, u'\uFEFF') + std::u16string(text)) {
    char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
    out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

const std::string MicroDVD = Lines({"{100}{150}Hi", "{200}{250}Ho", "{300}{350}Ha"});
const std::string SubRip = Lines({"1", "00:00:04,000 --> 00:00:06,000", "Hi", "", "2", "00:00:08,000 --> 00:00:10,000",
                                  "Ho", "", "3", "00:00:12,000 --> 00:00:14,000", "Ha", ""});

TEST(CliUsage, WrongUsageExitsWith2AndAValidCallWith0) {
  struct Case {
    const char* args;
    int code;
  };
  for (const Case& c : {
           Case{"verify --bogus in.sub", 2},        Case{"verify --fps 0 in.sub", 2},
           Case{"verify --fps 61 in.sub", 2},       Case{"verify --fps x in.sub", 2},
           Case{"verify --fps 60.5 in.sub", 2},     Case{"verify in.sub --fps", 2},
           Case{"verify", 2},                       Case{"convert --to srt", 2},
           Case{"convert in.sub", 2},               Case{"convert --to vtt in.sub", 2},
           Case{"verify --counter-answer maybe in.sub", 2}, Case{"frobnicate in.sub", 2},
           Case{"verify -o out.srt in.sub", 2},     Case{"verify in.sub other.sub", 2},
           Case{"verify --fps 1 in.sub", 0},        Case{"verify --fps 60 in.sub", 0},
           Case{"verify --fps 23,976 in.sub", 0},   Case{"verify --fps 23.976 --strict --dot in.sub", 0},
           Case{"verify --counter-answer ok in.sub", 0},
       }) {
    TempFolder folder;
    folder.Write("in.sub", MicroDVD);
    CliResult run = Cli(folder, c.args);
    EXPECT_EQ(run.code, c.code) << c.args;
    if (c.code == 2) {
      EXPECT_EQ(run.out, "") << c.args;
    }
  }
}

TEST(CliVerify, WritesOneStandardErrorLinePerMessageWithEscapedLineBreaks) {
  const std::string counters = Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2",
                                      "00:00:03,000 --> 00:00:04,000", "B", "", "4", "00:00:05,000 --> 00:00:06,000",
                                      "C", ""});
  struct Case {
    const char* name;
    std::string file;
    const char* options;
    int code;
    std::vector<std::string> errLines;
  };
  for (const Case& c : {
           Case{"clean", MicroDVD, "", 0, {}},
           Case{"mended", Lines({"  {100}{150}Hi  ", "{200}{250}Ho", "{300}{350}Ha", "{400}{450}He"}), "", 0,
                {"information: Problems were detected - there were made 4 changes"}},
           Case{"problem with caret", Lines({"{10}{20}A", "x}{20}Hi", "{30}{40}B", "{50}{60}C"}), "--strict", 1,
                {"error: Problems with line nr. 2:\\n\"x}{20}Hi\"\\n'{' is missing!", "caret: 2:1"}},
           Case{"question", counters, "--strict", 1,
                {"question: The counter index is not in raising order!\\nDo you wish to disable this notification "
                 "and continue anyway?",
                 "error: Problems with line nr. 9:\\n\"4\"\\n<>\"3\"", "caret: 9:1"}},
           Case{"refused", "", "", 1, {"error: This file is empty!"}},
           Case{"UTF-8 mark", "\xEF\xBB\xBF" + SubRip, "", 0, {}},
       }) {
    TempFolder folder;
    folder.Write("in.txt", c.file);
    CliResult run = Cli(folder, std::string("verify ") + c.options + " in.txt");
    EXPECT_EQ(run.code, c.code) << c.name;
    EXPECT_EQ(run.errLines, c.errLines) << c.name;
    // Standard output is the editing area's text: never a byte-order mark.
    EXPECT_NE(run.out.rfind("\xEF\xBB\xBF", 0), 0u) << c.name;
  }
}

TEST(CliVerify, AMissingFileIsNamedWithItsFullPath) {
  TempFolder folder;
  CliResult run = Cli(folder, "verify missing.srt");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.errLines,
            std::vector<std::string>{"error: \"" + (folder.Path() / "missing.srt").string() + "\" doesn't exist!"});
}

TEST(CliVerify, NeverWritesTheFileNorLeavesFilesBeside) {
  for (const std::string& file :
       {MicroDVD, " " + MicroDVD + "\r\n{400}{450}x", Lines({"{10}{20}A", "x}{20}Hi", "{30}{40}B", "{50}{60}C"}),
        "\xEF\xBB\xBF" + SubRip}) {
    TempFolder folder;
    const fs::path path = folder.Write("in.sub", file);
    const auto then = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(path, then);
    for (const char* options : {"", "--strict", "--dot --fps 23.976"}) {
      Cli(folder, std::string("verify ") + options + " in.sub");
      EXPECT_EQ(ReadFile(path), file);
      EXPECT_EQ(fs::last_write_time(path), then);
      EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
    }
  }
}

TEST(CliConvert, WritesTheConvertedTextInTheInputsEncoding) {
  const std::u16string polish16 = u"{100}{150}Zażółć|gęślą\r\n{200}{250}Ho\r\n{300}{350}Ha";
  const std::string polish = "{100}{150}Zażółć|gęślą\r\n{200}{250}Ho\r\n{300}{350}Ha";
  const std::string polishSubRip = Lines({"1", "00:00:04,000 --> 00:00:06,000", "Zażółć", "gęślą", "", "2",
                                          "00:00:08,000 --> 00:00:10,000", "Ho", "", "3",
                                          "00:00:12,000 --> 00:00:14,000", "Ha", ""});
  const std::u16string polishSubRip16 = u"1\r\n00:00:04,000 --> 00:00:06,000\r\nZażółć\r\ngęślą\r\n\r\n2\r\n"
                                        u"00:00:08,000 --> 00:00:10,000\r\nHo\r\n\r\n3\r\n"
                                        u"00:00:12,000 --> 00:00:14,000\r\nHa\r\n";
  struct Case {
    const char* name;
    std::string input;
    const char* to;
    std::string output;
  };
  for (const Case& c : {
           Case{"to SubRip", MicroDVD, "srt", SubRip},
           Case{"to MicroDVD", SubRip, "sub", MicroDVD},
           Case{"UTF-8 mark kept", "\xEF\xBB\xBF" + polish, "srt", "\xEF\xBB\xBF" + polishSubRip},
           Case{"UTF-8 without mark", polish, "srt", polishSubRip},
           Case{"UTF-16 LE", Utf16(polish16, false), "srt", Utf16(polishSubRip16, false)},
           Case{"UTF-16 BE", Utf16(polish16, true), "srt", Utf16(polishSubRip16, true)},
       }) {
    TempFolder folder;
    const fs::path input = folder.Write("in.txt", c.input);
    CliResult run = Cli(folder, std::string("convert --to ") + c.to + " -o out.txt in.txt");
    EXPECT_EQ(run.code, 0) << c.name;
    EXPECT_EQ(ReadFile(folder.Path() / "out.txt"), c.output) << c.name;
    EXPECT_EQ(ReadFile(input), c.input) << c.name;
  }
}

TEST(CliConvert, WithoutOutputWritesBesideTheFileWithTheNewExtension) {
  struct Case {
    const char* input;
    const char* to;
    const char* output;
    std::string bytes;
  };
  for (const Case& c : {
           Case{"film.sub", "srt", "film.srt", SubRip},
           Case{"film.srt", "sub", "film.sub", MicroDVD},
           Case{"my.folder/film", "srt", "my.folder/film.srt", SubRip},
       }) {
    TempFolder folder;
    fs::create_directories(folder.Path() / "my.folder");
    const std::string original = std::string(c.to) == "srt" ? MicroDVD : SubRip;
    folder.Write(c.input, original);
    CliResult run = Cli(folder, std::string("convert --to ") + c.to + " " + c.input);
    EXPECT_EQ(run.code, 0) << c.input;
    EXPECT_EQ(ReadFile(folder.Path() / c.output), c.bytes) << c.input;
    EXPECT_EQ(ReadFile(folder.Path() / c.input), original) << c.input;
  }
}

TEST(CliConvert, NeverOverwritesTheFileItself) {
  for (const char* args : {"convert --to srt film.srt", "convert --to sub -o ./film.srt film.srt",
                           "convert --to sub -o sub/../film.srt film.srt"}) {
    TempFolder folder;
    fs::create_directories(folder.Path() / "sub");
    const fs::path path = folder.Write("film.srt", SubRip);
    const auto then = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(path, then);
    CliResult run = Cli(folder, args);
    EXPECT_EQ(run.code, 1) << args;
    ASSERT_FALSE(run.errLines.empty()) << args;
    EXPECT_EQ(run.errLines.back().rfind("error: ", 0), 0u) << args;
    EXPECT_EQ(ReadFile(path), SubRip) << args;
    EXPECT_EQ(fs::last_write_time(path), then) << args;
  }
}

TEST(CliConvert, TimesPastOneDayAreWrittenSoThatTheyReadBackUnchanged) {
  for (const char* line : {"{2250000}{2250100}Late", "{9000000}{9000100}Later"}) {
    TempFolder folder;
    folder.Write("in.sub", line);
    ASSERT_EQ(Cli(folder, "convert --to srt -o out.srt in.sub").code, 0) << line;
    const std::string converted = ReadFile(folder.Path() / "out.srt");
    CliResult again = Cli(folder, "verify out.srt");
    EXPECT_EQ(again.code, 0) << line;
    EXPECT_EQ(again.out, converted) << line;
    EXPECT_EQ(again.errLines, std::vector<std::string>{}) << line;
  }
}

TEST(CliVerify, VerifyingItsOwnOutputAgainChangesAndReportsNothing) {
  // Real files of each layout, encoding and line end, some of them mended on the first pass.
  const fs::path corpus = TESSARY_CORPUS_DIR;
  const char* files[] = {
      "GNOME__gnome-subtitles/etc__samples__sample.sub",
      "otsaloma__gaupol/doc__formats__tmplayer.sample.txt",
      "SubtitleEdit__subtitleedit/tests__libse__Files__auto_detect_windows-1250.srt",
      "SubtitleEdit__subtitleedit/tests__libse__Files__auto_detect_Russian.srt",
      "byroot__pysrt/tests__static__bom-utf-16-be.srt",
      "byroot__pysrt/tests__static__utf-8.srt",
      "androidx__media/libraries__test_data__src__test__assets__media__subrip__typical_with_byte_order_mark",
      "asticode__go-astisub/testdata__example-in-carriage-return.srt",
      "gsantiago__subtitle.js/test__fixtures__LaLaLand.srt",
      "cdown__srt/tests__srt_samples__monsters-bad-order.srt",
  };
  for (const char* options : {"", "--strict --dot --fps 23.976"}) {
    int verified = 0;
    for (const char* file : files) {
      ASSERT_TRUE(fs::is_regular_file(corpus / file)) << file;
      TempFolder folder;
      CliResult first = Cli(folder, std::string("verify ") + options + " '" + (corpus / file).string() + "'");
      if (first.code != 0) continue;
      ++verified;
      folder.Write("again.txt", first.out);
      CliResult again = Cli(folder, std::string("verify ") + options + " again.txt");
      EXPECT_EQ(again.code, 0) << file << " " << options;
      EXPECT_EQ(again.out, first.out) << file << " " << options;
      EXPECT_EQ(again.errLines, std::vector<std::string>{}) << file << " " << options;
    }
    EXPECT_GE(verified, 6) << options;
  }
}

}  // namespace
}  // namespace tessary::testing
