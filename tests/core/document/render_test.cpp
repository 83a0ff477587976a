#include <gtest/gtest.h>

#include <algorithm>

#include "document/units.h"
#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

struct Render {
  const char* name;
  int type;
  std::vector<Subtitle> subtitles;
  std::vector<std::string> lines;  // the editing area's lines afterwards
  std::vector<std::string> texts;  // the subtitle texts, converted to the type
  bool braceCodes;
  bool angleTags;
};

class Rendering : public ::testing::TestWithParam<Render> {};

TEST_P(Rendering, WritesTheStoreInTheCurrentTypeAndConvertsItsTexts) {
  const Render& c = GetParam();
  DocumentFixture f;
  SetSubtitles(f.doc, c.subtitles, c.type);
  f.doc.store.BraceCodesFound = f.doc.store.AngleTagsFound = true;  // cleared by every rendering
  f.doc.LinesInText();

  EXPECT_EQ(f.Text(), Joined(c.lines));
  EXPECT_EQ(std::vector<std::string>(f.doc.store.RawLines.begin() + 1, f.doc.store.RawLines.begin() + 1 + c.lines.size()),
            c.lines);
  if (c.type == TypeSubRip) {
    EXPECT_EQ(f.doc.store.LineCount, static_cast<int>(c.lines.size()));
  }
  std::vector<std::string> texts;
  for (const auto& s : SubtitlesOf(f.doc)) texts.push_back(s.text);
  EXPECT_EQ(texts, c.texts);
  EXPECT_EQ(f.doc.store.BraceCodesFound, c.braceCodes);
  EXPECT_EQ(f.doc.store.AngleTagsFound, c.angleTags);
}

INSTANTIATE_TEST_SUITE_P(
    Render, Rendering,
    ::testing::Values(
        Render{"MicroDVDFrames", TypeMicroDVD, {{4000, 6000, "Hello|world"}}, {"{100}{150}Hello|world"}, {"Hello|world"}, false, false},
        Render{"MicroDVDMissingStart", TypeMicroDVD, {{-1, 6000, "Hi"}}, {"{}{150}Hi"}, {"Hi"}, false, false},
        Render{"MicroDVDMissingEnd", TypeMicroDVD, {{4000, -1, "Hi"}}, {"{100}{}Hi"}, {"Hi"}, false, false},
        Render{"MicroDVDFramesRoundHalfToEven", TypeMicroDVD, {{20, 60, "x"}}, {"{0}{2}x"}, {"x"}, false, false},
        Render{"MicroDVDTagsBecomeCodes", TypeMicroDVD, {{0, 1000, "<i>Hello</i>"}, {1000, 2000, "b"}},
               {"{0}{25}{y:i}Hello", "{25}{50}b"}, {"{y:i}Hello", "b"}, true, false},
        Render{"MicroDVDKeepsComparisons", TypeMicroDVD, {{0, 1000, "a < b > c"}}, {"{0}{25}a < b > c"}, {"a < b > c"}, false, false},
        Render{"SubRipBlocksEndWithBlankLine", TypeSubRip, {{1000, 2000, "A|B"}, {3000, 4000, "C"}},
               {"1", "00:00:01,000 --> 00:00:02,000", "A", "B", "", "2", "00:00:03,000 --> 00:00:04,000", "C", ""},
               {"A|B", "C"}, false, false},
        Render{"SubRipCodesBecomeTags", TypeSubRip, {{0, 1000, "{y:i}x|y"}},
               {"1", "00:00:00,000 --> 00:00:01,000", "<i>x", "y", ""}, {"<i>x|y"}, false, true},
        Render{"SubRipKeepsOtherBraces", TypeSubRip, {{0, 1000, "{\\an8}Top"}},
               {"1", "00:00:00,000 --> 00:00:01,000", "{\\an8}Top", ""}, {"{\\an8}Top"}, false, false}),
    [](const auto& info) { return info.param.name; });

class CoordinatesAfterTimeLine : public ::testing::TestWithParam<bool> {};

// Players write coordinates after the end time; the time line is written anew without them.
TEST_P(CoordinatesAfterTimeLine, AreDroppedByRenderingWithTheTimesKept) {
  DocumentFixture f;
  f.doc.settings.AdvancedAutomaticRepair = GetParam();
  const std::string coordinates = " X1:100 X2:600 Y1:50 Y2:100";
  f.Open(Lines({"1", "00:00:01,000 --> 00:00:02,000" + coordinates, "A", "", "2",
                "00:00:03,000 --> 00:00:04,000" + coordinates, "B"}),
         "in.srt");
  EXPECT_TRUE(f.prompter.shown.empty());
  EXPECT_EQ(SubtitlesOf(f.doc), (std::vector<Subtitle>{{1000, 2000, "A"}, {3000, 4000, "B"}}));
  EXPECT_EQ(f.Text(), Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000", "B", ""}));
}

INSTANTIATE_TEST_SUITE_P(Render, CoordinatesAfterTimeLine, ::testing::Bool());

// A full-size MicroDVD file whose texts have many display lines needs far more SubRip lines
// than a file may have; none of them is cut off.
TEST(RenderLimits, MicroDVDFileOfMaximumLinesRendersAsSubRipInFull) {
  constexpr int count = MaxLines;
  std::string file;
  file.reserve(count * 30);
  for (int i = 1; i <= count; ++i) {
    if (i > 1) file += "\r\n";
    file += "{" + std::to_string(i * 10) + "}{" + std::to_string(i * 10 + 5) + "}a|b|c|d|e";
  }
  DocumentFixture f;
  f.Open(file, "big.sub");
  ASSERT_EQ(f.doc.store.SubtitleCount, count);
  ASSERT_TRUE(f.prompter.shown.empty());

  f.doc.TypeButtonChecked(TypeSubRip);
  constexpr int linesPerBlock = 8;  // counter, time line, five text lines, blank
  EXPECT_EQ(f.doc.store.LineCount, count * linesPerBlock);
  const std::string text = f.Text();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), count * linesPerBlock - 1);
  const std::string lastBlock = "\r\n250000\r\n27:46:40,000 --> 27:46:40,200\r\na\r\nb\r\nc\r\nd\r\ne\r\n";
  EXPECT_TRUE(text.ends_with(lastBlock)) << text.substr(text.size() - 80);
  EXPECT_EQ(f.doc.store.RawLines[count * linesPerBlock - 7], "250000");
  EXPECT_EQ(f.doc.store.Texts[count], "a|b|c|d|e");
  EXPECT_TRUE(f.prompter.shown.empty());
}

// The caret keeps its line and column when the text is written anew.
TEST(RenderCaret, StaysOnItsLineAndColumnAcrossParseAndTypeSwitches) {
  DocumentFixture f;
  const std::string file = Lines({"{100}{150}Hello", "{200}{250}World", "{300}{350}End"});
  f.Open(file, "in.sub");
  // The blanks trimmed from line 1 move every later line forward.
  const std::string edited = Lines({"{100}{150}Hello   ", "{200}{250}World  ", "{300}{350}End"});
  f.editor.SetText(edited);
  f.editor.SetCaretPosition(StartOfLine(edited, 2) + 5);
  f.doc.EditorTextChanged();
  f.doc.TextInLines();
  ASSERT_EQ(f.Text(), file);
  EXPECT_EQ(f.Caret().line, 2);
  EXPECT_EQ(f.Caret().column, 6);

  f.doc.TypeButtonChecked(TypeSubRip);
  ASSERT_EQ(f.doc.store.CurrentType, TypeSubRip);
  EXPECT_EQ(f.Caret().line, 2);
  EXPECT_EQ(f.Caret().column, 6);

  f.editor.SetCaretPosition(StartOfLine(f.Text(), 3) + 1);
  f.doc.TypeButtonChecked(TypeMicroDVD);
  ASSERT_EQ(f.doc.store.CurrentType, TypeMicroDVD);
  EXPECT_EQ(f.Caret().line, 3);
  EXPECT_EQ(f.Caret().column, 2);
}

}  // namespace
}  // namespace tessary::testing
