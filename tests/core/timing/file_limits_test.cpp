#include <gtest/gtest.h>

#include <functional>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string TooHigh = "The frames are too high.\r\nPlease try different values...";

void Type(Document& doc, TypedField& field, const std::string& text) {
  field.Changed(text, doc.TimingContext());
  if (auto refusal = field.Exit(doc.TimingContext())) doc.Show(Icon::Error, refusal->Text(doc.messages));
}

// An operation whose result the file could not hold back (a MicroDVD frame number of more
// than seven digits, a SubRip time past 99:99:99,999, a time past 32 bits) is refused and
// changes nothing.
TEST(FileLimits, OperationsRefuseTimesTheFileCannotHold) {
  struct Case {
    const char* name;
    std::string file, fileName;
    double fps;
    std::function<void(Document&)> operation;
  };
  const std::vector<Case> cases = {
      {"frame-rate change past seven digits", Lines({"{0}{999999}a", "{1000000}{1000001}b"}), "a.sub", 1,
       [](Document& d) {
         Type(d, d.timing.targetRate, "25");
         d.Run(FrameRateChangeParams{d.timing.targetRate.Target()});
       }},
      {"multiply past seven digits", Lines({"{0}{5000000}a", "{5000001}{5000002}b"}), "a.sub", 60,
       [](Document& d) {
         Type(d, d.timing.factor, "2");
         d.Run(MultiplyParams{d.timing.factor.Value()});
       }},
      {"transform past seven digits", Lines({"{100}{200}a", "{1000}{9000000}b"}), "a.sub", 25,
       [](Document& d) {
         Type(d, d.timing.secondPoint, "1900");
         d.Run(TransformParams{d.timing.firstLine.Value(), d.timing.firstPoint.Value(), d.timing.secondLine.Value(),
                               d.timing.secondPoint.Value(), d.EntireMode});
       }},
      {"transform past 99:99:99,999",
       Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", "", "2", "00:00:02,000 --> 00:00:03,000", "b", ""}), "a.srt",
       25,
       [](Document& d) {
         Type(d, d.timing.secondPoint, "99:59:59,999");
         d.Run(TransformParams{d.timing.firstLine.Value(), d.timing.firstPoint.Value(), d.timing.secondLine.Value(),
                               d.timing.secondPoint.Value(), d.EntireMode});
       }},
      {"switch to MicroDVD past seven digits at 30 fps",
       Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", "", "2", "99:00:00,000 --> 99:99:00,000", "b", ""}), "a.srt",
       30, [](Document& d) { d.TypeButtonChecked(TypeMicroDVD); }},
      // The fields never let such values through; set directly, they still may not wrap the times.
      {"multiply past 32 bits", SubRipFile({{1000, 2000, "a"}, {90000000, 90001000, "b"}}), "a.srt", 25,
       [](Document& d) { d.Run(MultiplyParams{30}); }},
      {"increase past 32 bits", SubRipFile({{1000, 2000, "a"}, {90000000, 90001000, "b"}}), "a.srt", 25,
       [](Document& d) { d.Run(ShiftParams{2100000000}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DocumentFixture f;
    f.doc.FrameRate = f.doc.CommittedFrameRate = c.fps;
    f.Open(c.file, c.fileName);
    ASSERT_TRUE(f.doc.store.SubtitleLoaded);
    const std::string before = f.Text();
    const int changes = f.doc.store.ChangeCount;
    f.prompter.shown.clear();
    c.operation(f.doc);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{TooHigh});
    EXPECT_EQ(f.prompter.shown.at(0).icon, Icon::Error);
    EXPECT_EQ(f.Text(), before);
    EXPECT_EQ(f.doc.store.ChangeCount, changes);
  }
}

// Committing a new rate in the main box keeps the frame numbers the text shows, also for a
// time between two frames that "Do it" left.
TEST(FileLimits, CommittingTheFrameRateKeepsTheShownFrames) {
  DocumentFixture f;
  f.doc.FrameRate = f.doc.CommittedFrameRate = 20;
  f.Open(Lines({"{0}{10}a", "{20}{30}b"}), "a.sub");
  Type(f.doc, f.doc.timing.targetRate, "25");
  f.doc.Run(FrameRateChangeParams{f.doc.timing.targetRate.Target()});
  ASSERT_EQ(f.Text(), Lines({"{0}{12}a", "{25}{38}b"}));
  f.doc.FrameRateTextChanged("30");
  f.doc.FrameRateCommit();
  f.doc.LinesInText();
  EXPECT_EQ(f.Text(), Lines({"{0}{12}a", "{25}{38}b"}));
}

// The repair after a MicroDVD transform works on the frames the text shows: a subtitle
// squeezed into one frame is lengthened by the repair, and the result verifies unchanged.
TEST(FileLimits, AMicroDVDTransformIsRepairedInShownFrames) {
  DocumentFixture f;
  f.Open(Lines({"{25}{50}a", "{10075}{10150}b"}), "a.sub");
  Type(f.doc, f.doc.timing.secondPoint, "200");
  f.doc.Run(TransformParams{f.doc.timing.firstLine.Value(), f.doc.timing.firstPoint.Value(),
                            f.doc.timing.secondLine.Value(), f.doc.timing.secondPoint.Value(), f.doc.EntireMode});
  const std::string transformed = f.Text();
  EXPECT_EQ(transformed.substr(0, transformed.find('a')), "{25}{100}");  // lengthened by 3 s
  f.prompter.shown.clear();
  f.EditAndVerify(transformed);
  EXPECT_EQ(f.Text(), transformed);
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"The subtitle was properly modified!"});
}

}  // namespace
}  // namespace tessary::testing
