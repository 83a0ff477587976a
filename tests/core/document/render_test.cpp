#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "document/caret.h"
#include "document/render.h"
#include "document/units.h"
#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

// The style-mark conversions themselves are compared with the plain rules by the oracle tests;
// these cases pin what the conversions must never lose.
TEST(LinesInText, WritesTheStoreInTheCurrentTypeAndConvertsItsTexts) {
  struct Case {
    SubtitleType type;
    std::vector<Subtitle> subtitles;
    std::vector<std::string> lines;  // the editing area's lines afterwards
    std::vector<std::string> texts;  // the subtitle texts, converted to the type
    bool braceCodes = false, angleTags = false;
  };
  const std::string T0 = "00:00:00,000 --> 00:00:01,000";
  for (const Case& c : {
           Case{SubtitleType::MicroDVD, {{-1, 6000, "Hi"}, {8000, -1, "Ho"}}, {"{}{150}Hi", "{200}{}Ho"}, {"Hi", "Ho"}},
           Case{SubtitleType::MicroDVD, {{20, 60, "x"}}, {"{0}{2}x"}, {"x"}},  // frames round half to even
           // A repeated tag inside the span of the same tag adds nothing, but its line keeps the style.
           Case{SubtitleType::MicroDVD, {{0, 1000, "<i>a<i>b</i>"}}, {"{0}{25}{y:i}ab"}, {"{y:i}ab"}, true},
           Case{
               SubtitleType::MicroDVD, {{40, 2000, "a<i>b|<i>c"}}, {"{1}{50}a{y:i}b|{y:i}c"}, {"a{y:i}b|{y:i}c"}, true},
           Case{SubtitleType::MicroDVD, {{0, 1000, "a < b > c"}}, {"{0}{25}a < b > c"}, {"a < b > c"}},
           // A display line that a removed tag leaves empty, or that the line end trims away,
           // goes with its "|"; in SubRip a blank one goes too, since a blank line would end the
           // block.
           Case{SubtitleType::MicroDVD,
                {{0, 1000, "<x>|b"}, {2000, 3000, "a|<x>|c| |<x>"}, {4000, 5000, "d| |e| "}},
                {"{0}{25}b", "{50}{75}a|c", "{100}{125}d| |e"},
                {"b", "a|c", "d| |e"}},
           Case{SubtitleType::SubRip, {{0, 1000, "{c:$0000FF}|a| \b|n"}}, {"1", T0, "a", "n", ""}, {"a|n"}},
           // Colour, font, size and position codes are dropped; other text in braces stays. A line
           // code's tags end with its line.
           Case{SubtitleType::SubRip,
                {{0, 1000, "{c:$0000FF}{y:i}x|{\\an8}y"}},
                {"1", T0, "<i>x</i>", "{\\an8}y", ""},
                {"<i>x</i>|{\\an8}y"},
                false,
                true},
       }) {
    DocumentFixture f;
    SetRawLines(f.doc, {}, c.type == SubtitleType::MicroDVD ? 1 : 2);
    auto& s = f.doc.StoreForSetup();
    s.SubtitleCount = static_cast<int>(c.subtitles.size());
    s.EnsureSubtitles(s.SubtitleCount);
    for (int i = 1; i <= s.SubtitleCount; ++i)
      std::tie(s.StartValues[i], s.EndValues[i], s.Texts[i]) =
          std::tie(c.subtitles[i - 1].start, c.subtitles[i - 1].end, c.subtitles[i - 1].text);
    s.BraceCodesFound = s.AngleTagsFound = true;  // cleared by every rendering
    f.doc.LinesInText();
    SCOPED_TRACE(c.lines[0]);
    EXPECT_EQ(f.Text(), Lines(c.lines));
    // The same text comes from the store alone, without the document.
    EXPECT_EQ(Render(s, c.type, f.doc.FrameRate(), f.doc.settings().CommaInSubRip), f.Text());
    std::vector<std::string> texts;
    for (const auto& subtitle : SubtitlesOf(f.doc)) texts.push_back(subtitle.text);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(std::pair(s.BraceCodesFound, s.AngleTagsFound), std::pair(c.braceCodes, c.angleTags));
  }
}

// The caret keeps its line and column when the text is written anew.
TEST(LinesInText, CaretStaysOnItsLineAndColumnAcrossParseAndTypeSwitches) {
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
  EXPECT_EQ(std::pair(f.Caret().line, f.Caret().column), std::pair(2, 6));
  f.doc.TypeButtonChecked(SubtitleType::SubRip);
  EXPECT_EQ(std::pair(f.Caret().line, f.Caret().column), std::pair(2, 6));
  f.editor.SetCaretPosition(StartOfLine(f.Text(), 3) + 1);
  f.doc.TypeButtonChecked(SubtitleType::MicroDVD);
  EXPECT_EQ(std::pair(f.Caret().line, f.Caret().column), std::pair(3, 2));
}

}  // namespace
}  // namespace tessary::testing
