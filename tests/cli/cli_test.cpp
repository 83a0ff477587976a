// tessary-cli as scripts use it: run as a separate process on files in a temporary folder.
// The messages and texts of single cases are checked from outside by the black-box cases of CI.
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
  std::string err;
};

std::string ReadFile(const fs::path& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

// Runs tessary-cli with `args` (already quoted for the shell) in `folder`.
CliResult Cli(const TempFolder& folder, const std::string& args) {
  const fs::path out = folder.Path() / ".stdout", err = folder.Path() / ".stderr";
  const std::string command = "cd '" + folder.Path().string() + "' && '" TESSARY_CLI_PATH "' " + args + " >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  int status = std::system(command.c_str());
  CliResult run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
  fs::remove(out);
  fs::remove(err);
  return run;
}

const std::string MicroDVD = Lines({"{100}{150}Hi", "{200}{250}Ho"});
const std::string SubRip =
    Lines({"1", "00:00:04,000 --> 00:00:06,000", "Hi", "", "2", "00:00:08,000 --> 00:00:10,000", "Ho", ""});

TEST(CliUsage, WrongUsageExitsWith2AndAValidCallWith0) {
  const std::vector<const char*> wrong = {
      "verify --bogus in.sub", "verify --fps 0 in.sub",    "verify --fps 61 in.sub",
      "verify --fps x in.sub", "verify in.sub --fps",      "verify",
      "convert in.sub",        "convert --to vtt in.sub",  "verify --counter-answer maybe in.sub",
      "frobnicate in.sub",     "verify -o out.srt in.sub", "verify in.sub other.sub",
      "multiply --factor 1.5 in.sub", "shift --ms 1x -o o.sub in.sub", "shift --ms 1 --frames 2 -o o.sub in.sub",
      "fps -o o.sub in.sub", "transform --line1 1 --at1 1f --line2 2 --at2 00:00:01,000 -o o.sub in.sub",
      "transform --line1 1 --at1 1f --line2 2 --at2 9f --mode all -o o.sub in.sub", "fps --to 70 -o o.sub in.sub"};
  const std::vector<const char*> valid = {"verify --fps 1 in.sub", "verify --fps 60 in.sub",
                                          "verify --fps 23,976 in.sub",
                                          "verify --fps 23.976 --strict --dot --counter-answer ok in.sub",
                                          "shift --help", "shift --frames -25 -o o.sub in.sub",
                                          "fps --to 23,976 -o o.sub in.sub"};
  for (const auto& [calls, code] : {std::pair{wrong, 2}, std::pair{valid, 0}}) {
    for (const char* args : calls) {
      TempFolder folder;
      folder.Write("in.sub", MicroDVD);
      CliResult run = Cli(folder, args);
      EXPECT_EQ(run.code, code) << args;
      if (code == 2) {
        EXPECT_EQ(run.out, "") << args;  // nothing is verified
      }
    }
  }
}

TEST(CliVerify, AMissingFileIsNamedWithItsFullPath) {
  TempFolder folder;
  CliResult run = Cli(folder, "verify missing.srt");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "error: \"" + (folder.Path() / "missing.srt").string() + "\" doesn't exist!\n");
}

TEST(CliConvert, WritesTheConvertedTextInTheInputsEncoding) {
  const std::string polish = "{100}{150}Zażółć|gęślą";
  const std::string polishSubRip = "1\r\n00:00:04,000 --> 00:00:06,000\r\nZażółć\r\ngęślą\r\n";
  const std::u16string polish16 = u"{100}{150}Zażółć|gęślą";
  const std::u16string polishSubRip16 = u"1\r\n00:00:04,000 --> 00:00:06,000\r\nZażółć\r\ngęślą\r\n";
  struct Case {
    std::string input, output;
  };
  for (const Case& c : {Case{polish, polishSubRip}, Case{Utf16(polish16, false), Utf16(polishSubRip16, false)},
                        Case{Utf16(polish16, true), Utf16(polishSubRip16, true)}}) {
    TempFolder folder;
    const fs::path input = folder.Write("in.txt", c.input);
    EXPECT_EQ(Cli(folder, "convert --to srt -o out.txt in.txt").code, 0) << c.output;
    EXPECT_EQ(ReadFile(folder.Path() / "out.txt"), c.output);
    EXPECT_EQ(ReadFile(input), c.input);
  }
}

TEST(CliConvert, WithoutOutputWritesBesideTheFileWithTheNewExtension) {
  struct Case {
    const char *input, *to, *output;
  };
  for (const Case& c : {Case{"film.sub", "srt", "film.srt"}, Case{"film.srt", "sub", "film.sub"},
                        Case{"my.folder/film", "srt", "my.folder/film.srt"}}) {
    TempFolder folder;
    fs::create_directories(folder.Path() / "my.folder");
    const bool toSubRip = std::string(c.to) == "srt";
    folder.Write(c.input, toSubRip ? MicroDVD : SubRip);
    EXPECT_EQ(Cli(folder, std::string("convert --to ") + c.to + " " + c.input).code, 0) << c.input;
    EXPECT_EQ(ReadFile(folder.Path() / c.output), toSubRip ? SubRip : MicroDVD) << c.input;
    EXPECT_EQ(ReadFile(folder.Path() / c.input), toSubRip ? MicroDVD : SubRip) << c.input;
  }
}

// Neither a verify, whatever it mends or reports, nor a convert that would write over the file
// itself touches FILE or leaves anything beside it; a newer automatic copy beside it is neither
// offered nor touched.
TEST(CliContract, NeverWritesTheFileItself) {
  struct Case {
    std::string file;
    const char* args;
    int code;
  };
  for (const Case& c : {
           Case{MicroDVD, "verify film.srt", 0},
           Case{MicroDVD + "  ", "verify film.srt", 0},
           Case{Lines({"{10}{20}A", "x}{20}Hi", "{30}{40}B", "{50}{60}C"}), "verify --strict film.srt", 1},
           Case{"\xEF\xBB\xBF" + SubRip, "verify film.srt", 0},
           Case{SubRip, "convert --to srt film.srt", 1},
           Case{SubRip, "convert --to sub -o ./film.srt film.srt", 1},
           Case{SubRip, "convert --to sub -o sub/../film.srt film.srt", 1},
       }) {
    TempFolder folder;
    fs::create_directories(folder.Path() / "sub");
    const fs::path path = folder.Write("film.srt", c.file);
    const auto then = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(path, then);
    const fs::path copy = folder.Write("film.srt.sav", "{1}{2}Copy");
    CliResult run = Cli(folder, c.args);
    EXPECT_EQ(run.code, c.code) << c.args;
    EXPECT_EQ(("\n" + run.err).find("\nerror: ") != std::string::npos, c.code == 1) << c.args;
    EXPECT_EQ(ReadFile(path), c.file) << c.args;
    EXPECT_EQ(fs::last_write_time(path), then) << c.args;
    EXPECT_EQ(run.err.find("film.srt.sav"), std::string::npos) << c.args;
    EXPECT_EQ(ReadFile(copy), "{1}{2}Copy") << c.args;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 3) << c.args;
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
      "androidx__media/libraries__test_data__src__test__assets__media__subrip__typical_with_byte_order_mark",
      "asticode__go-astisub/testdata__example-in-carriage-return.srt",
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
      EXPECT_EQ(again.err, "") << file << " " << options;
    }
    EXPECT_GE(verified, 6) << options;
  }
}

}  // namespace
}  // namespace tessary::testing
