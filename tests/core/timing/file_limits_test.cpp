// Times a file cannot hold: a MicroDVD frame number of more than seven digits, a SubRip time past 99:99:99,999.
#include <gtest/gtest.h>

#include "support/operation_cases.h"

namespace tessary::testing {
namespace {

TEST(FileLimits, OperationsRefuseTimesTheFileCannotHoldAndChangeNothing) {
  using enum TransformMode;
  const TimeLimits sub1{TypeMicroDVD, 1}, sub25{TypeMicroDVD, 25}, sub60{TypeMicroDVD, 60}, srt{TypeSubRip, 25};
  const Times late = {1000, 2000, 90000000, 90001000};
  for (OperationCase c : {
           OperationCase{"fps, 7 digits", sub1, FramesAt({0, 999999, 1000000, 1000001}, 1), FrameRateChangeParams{25}},
           {"multiply, 7 digits", sub60, FramesAt({0, 5000000, 5000001, 5000002}, 60), MultiplyParams{2}},
           {"transform, 7 digits", sub25, FramesAt({100, 200, 1000, 9000000}, 25),
            TransformParams{1, 4000, 2, 76000, Whole}},
           {"transform, 99 hours", srt, {1000, 2000, 2000, 3000}, TransformParams{1, 1000, 2, 359999999, Whole}},
           // The fields never let such values through; set directly, they still may not wrap the times.
           {"multiply past 32 bits", srt, late, MultiplyParams{30}},
           {"later shift past 32 bits", srt, late, ShiftParams{2100000000}},
       }) {
    c.message = Msg::FramesTooHigh;
    ExpectCase(c);
  }
}

// Committing a new rate in the main box keeps the frame numbers the text shows, also for a time between two
// frames that "Do it" left.
TEST(FileLimits, CommittingTheFrameRateKeepsTheShownFrames) {
  DocumentFixture f;
  f.doc.FrameRate = f.doc.CommittedFrameRate = 20;
  f.Open(Lines({"{0}{10}a", "{20}{30}b"}), "a.sub");
  f.doc.Run(FrameRateChangeParams{25});
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
  f.doc.Run(TransformParams{1, 1000, 2, 8000, TransformMode::Whole});
  const std::string transformed = f.Text();
  EXPECT_EQ(transformed.substr(0, transformed.find('a')), "{25}{100}");  // lengthened by 3 s
  f.prompter.shown.clear();
  f.EditAndVerify(transformed);
  EXPECT_EQ(f.Text(), transformed);
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"The subtitle was properly modified!"});
}

}  // namespace
}  // namespace tessary::testing
