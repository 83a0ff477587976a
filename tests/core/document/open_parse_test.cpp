#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

// One MicroDVD line of 100 bytes of which `bad` are `badByte`.
std::string LineWithNonText(int bad, char badByte) {
  return "{1}{2}" + std::string(static_cast<std::size_t>(bad), badByte) + std::string(94 - bad, 'a');
}

TEST(OpenFile, ParsesAMicroDVDFileAndEnablesTheCommands) {
  DocumentFixture f;
  f.Open(Lines({"{100}{150}Hello|world", "{200}{250}Second", "{300}{350}Third"}), "film.sub");
  EXPECT_TRUE(f.doc.store.SubtitleLoaded);
  EXPECT_TRUE(f.doc.LastParseSucceeded);
  EXPECT_EQ(f.doc.store.SubtitleCount, 3);
  EXPECT_EQ(f.doc.store.StartValues[1], 4000);
  EXPECT_EQ(f.doc.store.Texts[1], "Hello|world");
  EXPECT_TRUE(f.prompter.shown.empty());
  EXPECT_EQ(f.doc.Caption, "Tessary - 'film.sub'");
  EXPECT_TRUE(f.doc.commands.SubtitleCommands);
  EXPECT_FALSE(f.doc.commands.VerifyWritings);
  EXPECT_FALSE(f.doc.commands.Load);
}

TEST(OpenFile, RefusesWhatCannotBeASubtitleAndStaysClosed) {
  struct Case {
    const char* name;
    std::string file;
    const char* message;  // empty: the file opens without one
  };
  for (const Case& c : {
           Case{"empty", "", "This file is empty!"},
           Case{"only empty lines", "\r\n\r\n\n\r", "This file is empty!"},
           Case{"40 % plus signs", LineWithNonText(40, '+'), "This is not a text!"},
           Case{"40 % equals signs", LineWithNonText(40, '='), "This is not a text!"},
           Case{"40 % tabs", LineWithNonText(40, '\t'), "This is not a text!"},
           Case{"40 % DEL", LineWithNonText(40, '\x7F'), "This is not a text!"},
           Case{"39 % plus signs", LineWithNonText(39, '+'), ""},
           Case{"Windows-1250 letters are text", LineWithNonText(60, '\xB9'), ""},
           Case{"prose", Lines({"hello world", "this is prose"}), "Unknown subtitle type!"},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    const bool refused = *c.message != '\0';
    EXPECT_EQ(f.prompter.Texts(), refused ? std::vector<std::string>{c.message} : std::vector<std::string>{})
        << c.name;
    EXPECT_EQ(f.doc.store.SubtitleLoaded, !refused) << c.name;
    EXPECT_EQ(f.editor.ReadOnly(), refused) << c.name;
    if (refused) {
      EXPECT_EQ(f.prompter.shown[0].icon, Icon::Error) << c.name;
      EXPECT_EQ(f.Text(), "") << c.name;
    }
  }
}

TEST(OpenFile, TooBigCountsTwoLineBreakBytesPerLineAfterDroppingTrailingEmptyLines) {
  // Four lines of prose: 2 * 4 + their length against 10,485,760. What is not too big goes on
  // to the detection, which refuses prose.
  auto file = [](std::size_t total, const char* tail) {
    const std::string quarter(total / 4, 'x');
    return Lines({quarter, quarter, quarter, std::string(total - 3 * quarter.size(), 'x')}) + tail;
  };
  struct Case {
    const char* name;
    std::string file;
    const char* message;
  };
  for (const Case& c : {
           Case{"at the limit", file(10485752, ""), "Unknown subtitle type!"},
           // The file itself has only 10,485,759 bytes.
           Case{"one byte over", file(10485753, ""), "This text file is too big - over 10MB!"},
           Case{"at the limit with trailing empty lines", file(10485752, "\r\n\r\n\r\n\r\n"), "Unknown subtitle type!"},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{c.message}) << c.name;
  }
}

TEST(OpenFile, ReadsTheFirst250000LinesOfALongerFileWithoutAMessage) {
  std::string file;
  for (int k = 1; k <= 300000; ++k) file += "{" + std::to_string(k * 10) + "}{" + std::to_string(k * 10 + 5) + "}x\r\n";
  DocumentFixture f;
  f.Open(file);
  EXPECT_TRUE(f.prompter.shown.empty());
  EXPECT_TRUE(f.doc.LastParseSucceeded);
  EXPECT_EQ(f.doc.store.SubtitleCount, 250000);
  EXPECT_EQ(f.doc.store.EndValues[250000], 100000200);
  const std::string text = f.Text();
  EXPECT_EQ(text.substr(text.rfind('\n') + 1), "{2500000}{2500005}x");
}

TEST(OpenFile, AReadOnlyFileOpensAndIsStillReadOnlyAfterwards) {
  DocumentFixture f;
  const std::string path = f.folder.Write("locked.sub", Lines({"{10}{20}A", "{30}{40}B", "{50}{60}C"}));
  const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(path, readOnly);
  f.doc.CurrentFileName = path;
  f.doc.OpenFile();
  EXPECT_TRUE(f.doc.LastParseSucceeded);
  EXPECT_EQ(fs::status(path).permissions(), readOnly);
}

TEST(OpenFile, AMissingFileIsNamedInTheMessage) {
  DocumentFixture f;
  const std::string path = (f.folder.Path() / "missing.srt").string();
  f.doc.CurrentFileName = path;
  f.doc.OpenFile();
  ASSERT_EQ(f.prompter.shown.size(), 1u);
  EXPECT_EQ(f.prompter.shown[0].icon, Icon::Error);
  EXPECT_EQ(f.prompter.shown[0].text, "\"" + path + "\" doesn't exist!");
  EXPECT_FALSE(f.doc.store.SubtitleLoaded);
  EXPECT_EQ(f.doc.CurrentFileName, "");
}

const std::string Clean4 = Lines({"{100}{150}One", "{200}{250}Two", "{300}{350}Three", "{400}{450}Four"});

TEST(TextInLines, SaysProperlyModifiedOnlyForAReparseThatChangedNothing) {
  struct Case {
    const char* name;
    std::string file, edit;
    std::vector<std::string> messages;  // shown by the reparse
    int code = 1;                       // detected anew by the reparse
  };
  const std::string timePair = Lines({"00:00:01.00,00:00:02.00", "Alpha", "", "00:00:03.00,00:00:04.00", "Beta",
                                      "", "00:00:05.00,00:00:06.00", "Gamma"});
  for (const Case& c : {
           Case{"unchanged", Clean4, Clean4, {"The subtitle was properly modified!"}},
           Case{"mended", Clean4, " " + Clean4, {"Problems were detected - there were made 1 changes"}},
           Case{"changes made at open were reported then", "  " + Clean4, Clean4,
                {"The subtitle was properly modified!"}},
           Case{"time pair read again as SubRip", timePair, "", {"The subtitle was properly modified!"}, 2},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    f.prompter.shown.clear();
    f.EditAndVerify(c.edit.empty() ? f.Text() : c.edit);
    EXPECT_EQ(f.prompter.Texts(), c.messages) << c.name;
    EXPECT_TRUE(f.doc.LastParseSucceeded) << c.name;
    EXPECT_EQ(f.doc.store.DetectionCode, c.code) << c.name;
  }
}

TEST(TextInLines, AFailedParseLeavesTheUsersTextAndOnlyVerifyEnabled) {
  struct Case {
    const char* name;
    std::string edit;
    int type, caretLine, caretColumn;
  };
  for (const Case& c : {
           Case{"MicroDVD", Lines({"{10}{20}A", "x}{20}Hi", "{30}{40}B", "{50}{60}C"}), TypeMicroDVD, 2, 1},
           Case{"SubRip typed over MicroDVD",
                Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,00x --> 00:00:04,000", "B", "",
                       "3", "00:00:05,000 --> 00:00:06,000", "C", ""}),
                TypeSubRip, 6, 12},
       }) {
    DocumentFixture f;
    f.doc.settings.AdvancedAutomaticRepair = false;
    f.Open(Clean4, "film.sub");
    f.EditAndVerify(c.edit);
    EXPECT_EQ(f.Text(), c.edit) << c.name;
    EXPECT_FALSE(f.doc.LastParseSucceeded) << c.name;
    EXPECT_TRUE(f.doc.commands.VerifyWritings) << c.name;
    EXPECT_FALSE(f.doc.commands.SubtitleCommands) << c.name;
    EXPECT_EQ(f.doc.store.CurrentType, c.type) << c.name;
    EXPECT_EQ(f.Caret().line, c.caretLine) << c.name;
    EXPECT_EQ(f.Caret().column, c.caretColumn) << c.name;
  }
}

TEST(TextInLines, SetsThePointsAndLineFieldsFromTheFirstAndLastSubtitle) {
  std::string twelve;
  for (int k = 1; k <= 12; ++k)
    twelve += "{" + std::to_string(k * 100) + "}{" + std::to_string(k * 100 + 50) + "}L\r\n";
  struct Case {
    std::string file;
    std::int64_t first, second;
    const char *firstField, *secondField, *secondLine;
  };
  for (const Case& c : {
           Case{twelve, 4000, 48000, "100", "1200", "12"},  // MicroDVD in frames
           Case{Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000", "B", ""}),
                1000, 3000, "00:00:01,000", "00:00:03,000", "2"},  // SubRip in time
       }) {
    DocumentFixture f;
    f.Open(c.file);
    EXPECT_EQ(f.doc.FirstPointValue, c.first);
    EXPECT_EQ(f.doc.SecondPointValue, c.second);
    EXPECT_EQ(f.doc.FirstPointLine, 1);
    EXPECT_EQ(f.doc.SecondPointLine, std::stoi(c.secondLine));
    EXPECT_EQ(f.doc.fields.FirstPoint, c.firstField);
    EXPECT_EQ(f.doc.fields.SecondPoint, c.secondField);
    EXPECT_EQ(f.doc.fields.FirstLine, "1");
    EXPECT_EQ(f.doc.fields.SecondLine, c.secondLine);
    EXPECT_EQ(f.doc.fields.LineFieldMaxLength, static_cast<int>(std::string(c.secondLine).size()));
  }
}

}  // namespace
}  // namespace tessary::testing
