#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "document/units.h"
#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

using Texts = std::vector<std::string>;

const std::string SubRipAB = SubRipFile({{1000, 2000, "A"}, {3000, 4000, "B"}});

// SubRip text in a .sub file takes the SubRip extension: the parse checks the button of the
// detected type, which is no conversion and no edit.
TEST(OpenFile, SetsNameCaptionPointsAndLineFieldsForTheDetectedType) {
  std::string twelve;
  for (int k = 1; k <= 12; ++k)
    twelve += "{" + std::to_string(k * 100) + "}{" + std::to_string(k * 100 + 50) + "}L\r\n";
  struct Case {
    std::string file, name, newName;
    std::int64_t first, second;
    std::vector<std::string> fields;  // first point, second point, first line, second line
  };
  for (const Case& c : {
           Case{twelve, "film.sub", "film.sub", 4000, 48000, {"100", "1200", "1", "12"}},  // MicroDVD in frames
           Case{SubRipAB, "film.sub", "film.srt", 1000, 3000, {"00:00:01,000", "00:00:03,000", "1", "2"}},
       }) {
    DocumentFixture f;
    f.Open(c.file, c.name);
    SCOPED_TRACE(c.newName);
    EXPECT_TRUE(f.prompter.shown.empty());
    EXPECT_EQ(f.prompter.conversionWarnings, 0);
    EXPECT_EQ(f.doc.CurrentFileName(), (f.folder.Path() / c.newName).string());
    EXPECT_EQ(f.doc.Caption(), "Tessary - '" + c.newName + "'");
    EXPECT_FALSE(f.doc.store().TextEdited);
    EXPECT_EQ(std::tuple(f.doc.timing().firstPoint.Value(), f.doc.timing().secondPoint.Value()),
              std::tuple(c.first, c.second));
    const auto& d = f.doc.timing();
    EXPECT_EQ(
        (std::vector<std::string>{d.firstPoint.Text(), d.secondPoint.Text(), d.firstLine.Text(), d.secondLine.Text()}),
        c.fields);
    EXPECT_EQ(d.secondLine.MaxLength(), static_cast<int>(c.fields[3].size()));
  }
}

// As many MicroDVD lines as a document holds, each with its line break.
std::string FullDocument() {
  std::string lines;
  for (int k = 1; k <= MaxLines; ++k)
    lines += "{" + std::to_string(k * 10) + "}{" + std::to_string(k * 10 + 5) + "}x\r\n";
  return lines;
}

const std::string TooBig = "This text file is too big - over 10MB!";

// One MicroDVD line of 100 bytes of which `bad` are `badByte`.
std::string LineWithNonText(int bad, char badByte) {
  return "{1}{2}" + std::string(static_cast<std::size_t>(bad), badByte) + std::string(94 - bad, 'a');
}

// What cannot be read is refused at once, without waiting: a FIFO without a writer, a folder, a
// device, a /proc file that states no size, an unreadable file (whose mode stays). A file over
// 10 MB (told by its size alone, whatever it holds) or of more lines than a document holds is
// refused, never cut. A document counts two line-break bytes per line, and empty lines at the
// end are no lines; what is not too big goes on to the detection.
TEST(OpenFile, RefusesWhatItCannotReadOrCannotBeASubtitleAndStaysClosed) {
  auto prose = [](std::size_t total, const char* tail) {  // four lines of `total` bytes
    const std::string quarter(total / 4, 'x');
    return Lines({quarter, quarter, quarter, std::string(total - 3 * quarter.size(), 'x')}) + tail;
  };
  const std::string lines = FullDocument(), tooBig = TooBig, notText = "This is not a text!";
  const std::string unreadable = "Can't open";  // "Can't open \"PATH\" for reading!"
  struct Case {
    std::string file, message;  // message empty: the file opens without one
    std::uintmax_t size = 0;    // the file is filled up with NUL bytes to this size
    std::string path = "";      // opened instead of the file
  };
  std::vector<Case> cases = {
      Case{"", "This file is empty!"}, Case{LineWithNonText(40, '+'), notText},
      Case{LineWithNonText(40, '\t'), notText}, Case{LineWithNonText(40, '\x7F'), notText},
      Case{LineWithNonText(39, '+'), ""}, Case{LineWithNonText(60, '\xB9'), ""},  // Windows-1250 letters are text
      Case{Utf16(u"{1}{2}Hi", true) + "x", notText},                              // the dangling byte has no character
      // One invalid byte makes the file Windows-1250, where UTF-8 bytes are no text.
      Case{Lines({"{1}{2}сестра встреча сестра", "{3}{4}встреча сестра встреча", "{5}{6}сестра встреча сестра\xFF"}),
           notText},
      Case{prose(10485752, ""), "Unknown subtitle type!"}, Case{prose(10485753, ""), tooBig},
      Case{prose(10485752, "\n\n"), "Unknown subtitle type!"},  // 10,485,760 bytes, the last line empty
      Case{lines + "\r\n\n", ""}, Case{lines + "{1}{2}x", tooBig}, Case{lines + "\r\n{1}{2}x", tooBig},
      Case{lines, tooBig, 22000000}, Case{"", unreadable, 0, "fifo"}, Case{"", unreadable, 0, "."},
      Case{"", unreadable, 0, "/dev/zero"}, Case{"", unreadable, 0, "/proc/self/status"}};
  if (::geteuid() == 0)
    std::cout << "No unreadable case: root reads a file of mode 000.\n";
  else
    cases.push_back(Case{"{1}{2}x", unreadable, 0, "input.txt"});
  for (const Case& c : cases) {
    DocumentFixture f;
    const std::string file = f.folder.Write("input.txt", c.file);
    if (c.size > 0) fs::resize_file(file, c.size);
    if (c.path == "fifo") {
      ASSERT_EQ(::mkfifo((f.folder.Path() / "fifo").c_str(), 0600), 0);
    }
    if (c.path == "input.txt") fs::permissions(file, fs::perms::none);
    const std::string path = c.path.starts_with('/') ? c.path : (f.folder.Path() / c.path).string();
    f.doc.OpenFile(c.path.empty() ? file : path);
    const std::string message = c.message == unreadable ? "Can't open \"" + path + "\" for reading!" : c.message;
    SCOPED_TRACE(c.path + c.file.substr(0, 40) + "... " + std::to_string(c.file.size()) + " bytes");
    EXPECT_EQ(f.prompter.Texts(), message.empty() ? Texts{} : Texts{message});
    EXPECT_EQ(f.doc.store().SubtitleLoaded, message.empty());
    EXPECT_EQ(f.editor.ReadOnly(), !message.empty());
    if (c.path == "input.txt") {
      EXPECT_EQ(fs::status(file).permissions(), fs::perms::none);
    }
  }
}

// Opening reads a read-only file without touching it (its change time stays), and saving
// keeps it read-only.
TEST(OpenFile, AReadOnlyFileOpensUntouchedAndStaysReadOnlyWhenSaved) {
  DocumentFixture f;
  const std::string path = f.folder.Write("locked.sub", Lines({"{10}{20}A", "{30}{40}B", "{50}{60}C"}));
  const auto readOnly = fs::perms::owner_read | fs::perms::group_read;
  fs::permissions(path, readOnly);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // past the file system's time step
  struct stat before, after;
  ::stat(path.c_str(), &before);
  f.doc.OpenFile(path);
  ::stat(path.c_str(), &after);
  EXPECT_TRUE(f.doc.LastParseSucceeded());
  EXPECT_EQ(std::pair(after.st_ctim.tv_sec, after.st_ctim.tv_nsec),
            std::pair(before.st_ctim.tv_sec, before.st_ctim.tv_nsec));
  EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);
  EXPECT_EQ(fs::status(path).permissions(), readOnly);
}

TEST(TextInLines, SaysProperlyModifiedOnlyForAReparseThatChangedNothing) {
  const std::string clean = Lines({"{100}{150}One", "{200}{250}Two", "{300}{350}Three", "{400}{450}Four"});
  const std::string timePair = Lines({"00:00:01.00,00:00:02.00", "Alpha", "", "00:00:03.00,00:00:04.00", "Beta", "",
                                      "00:00:05.00,00:00:06.00", "Gamma"});
  struct Case {
    std::string file, edit;  // edit empty: the text as opened
    std::string message;     // shown by the reparse
    int openedAs = 1;        // the layout detected at open
  };
  for (const Case& c : {
           Case{clean, clean, "The subtitle was properly modified!"}, Case{clean, " " + clean, ChangesMade(1)},
           Case{"  " + clean, clean, "The subtitle was properly modified!"},  // changes at open were reported then
           Case{timePair, "", "The subtitle was properly modified!", 3},      // shown and read again as SubRip
       }) {
    DocumentFixture f;
    f.Open(c.file);
    ASSERT_EQ(static_cast<int>(f.doc.store().DetectionCode), c.openedAs);
    f.prompter.shown.clear();
    f.EditAndVerify(c.edit.empty() ? f.Text() : c.edit);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{c.message}) << c.file;
  }
}

// A text longer than a document holds is refused as such a file is at open, never cut: it stays
// in the editing area as typed, for the user to shorten it.
TEST(TextInLines, RefusesATextOverTheDocumentsLimitsAndKeepsItAsTyped) {
  const std::string full = FullDocument();
  for (const auto& [typed, refused] : {std::pair(full + "{1}{2}x", true), std::pair(full + "\r\n\r", false),
                                       std::pair("{1}{2}" + std::string(MaxBytes, 'x'), true)}) {
    DocumentFixture f;
    f.Open("{1}{2}x");
    f.prompter.shown.clear();
    f.EditAndVerify(typed);
    SCOPED_TRACE(typed.size());
    EXPECT_EQ(f.doc.LastParseSucceeded(), !refused);
    if (!refused) continue;
    EXPECT_EQ(f.prompter.Texts(), Texts{TooBig});
    EXPECT_EQ(f.Text(), typed);
  }
}

// An end the repair puts after a start is never later than the file can hold back (the
// last frame at 60 fps).
TEST(TextInLines, RepairWritesNoTimeTheFileCannotReadBack) {
  DocumentFixture f;
  f.doc.SetFrameRate(60);
  f.Open("{9999999}{}B");
  EXPECT_EQ(f.Text(), "{9999999}{9999999}B");
  EXPECT_EQ(f.doc.store().EndValues[1], LatestWritableTime(true, 60));
}

// The store of a failed parse is empty: checking the type button of the new text must not
// write it into the editing area over what the user typed.
TEST(TextInLines, AFailedParseOfTheOtherTypeKeepsTheTypedText) {
  struct Case {
    std::string file, fileName, typed;
    std::string shown;  // the typed text with the visible mends of verification only
    std::string report;
    int line, column;
    const char* extension;
  };
  for (const Case& c : {
           Case{SubRipAB, "film.srt", Lines({"{10}{20}A  ", "{1}{23", "{30}{40}C", "{50}{60}D"}),
                Lines({"{10}{20}A", "{1}{23", "{30}{40}C", "{50}{60}D"}), ProblemReport(2, "{1}{23", "'}' is missing!"),
                2, 7, ".sub"},
           Case{Lines({"{100}{150}Hi", "{200}{250}Ho"}), "film.sub",
                Lines({"1", "00:00:01,000 --> 00:00:02,000", "A ", "", "2", "00:00:03,000 -> 00:00:04,000", "B"}),
                Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 -> 00:00:04,000", "B"}),
                ProblemReport(6, "00:00:03,000 -> 00:00:04,000", "\">\"<>\"-\""), 6, 15, ".srt"},
       }) {
    DocumentFixture f;
    f.doc.settings().AdvancedAutomaticRepair = false;
    f.Open(c.file, c.fileName);
    ASSERT_TRUE(f.doc.LastParseSucceeded());
    f.EditAndVerify(c.typed);
    SCOPED_TRACE(c.fileName);
    EXPECT_FALSE(f.doc.LastParseSucceeded());
    EXPECT_EQ(f.Text(), c.shown);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{c.report});
    EXPECT_EQ(std::pair(f.Caret().line, f.Caret().column), std::pair(c.line, c.column));
    EXPECT_TRUE(f.doc.CurrentFileName().ends_with(c.extension)) << f.doc.CurrentFileName();
    EXPECT_EQ(f.prompter.conversionWarnings, 0);
  }
}

}  // namespace
}  // namespace tessary::testing
