#include <gtest/gtest.h>

#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

struct Repair {
  const char* name;
  int type;
  std::vector<Subtitle> before;
  std::vector<Subtitle> after;
  int changes;
};

class TimeRepairs : public ::testing::TestWithParam<Repair> {};

TEST_P(TimeRepairs, RepairsTheSubtitlesAndReportsTheChangeCount) {
  const Repair& c = GetParam();
  DocumentFixture f;
  SetSubtitles(f.doc, c.before, c.type);
  f.doc.RepairTimes();
  EXPECT_TRUE(f.doc.VerifiedOK);
  EXPECT_EQ(SubtitlesOf(f.doc), c.after);
  EXPECT_EQ(f.doc.store.ChangeCount, c.changes);
  EXPECT_EQ(f.prompter.Texts(), c.changes == 0 ? std::vector<std::string>{} : std::vector<std::string>{ChangesMade(c.changes)});
}

INSTANTIATE_TEST_SUITE_P(
    Repair, TimeRepairs,
    ::testing::Values(
        Repair{"EmptyTextRemoved", TypeSubRip,
               {{1000, 2000, "A"}, {3000, 4000, ""}, {5000, 6000, "C"}}, {{1000, 2000, "A"}, {5000, 6000, "C"}}, 1},
        // With the next start unknown, a zero-length subtitle gets the default duration.
        Repair{"ZeroLengthBeforeUnknownStart", TypeMicroDVD,
               {{400, 400, "A"}, {-1, 4000, "B"}, {8000, 10000, "C"}},
               {{400, 3400, "A"}, {3400, 4000, "B"}, {8000, 10000, "C"}}, 2},
        Repair{"MissingStartFollowsPreviousEnd", TypeMicroDVD,
               {{0, 1000, "A"}, {-1, 9000, "B"}}, {{0, 1000, "A"}, {6000, 9000, "B"}}, 1},
        Repair{"BackwardSubtitleMovedBetweenNeighbours", TypeSubRip,
               {{1000, 2000, "A"}, {5000, 4000, "B"}, {4500, 6000, "C"}},
               {{1000, 2000, "A"}, {2000, 4500, "B"}, {4500, 6000, "C"}}, 2},
        Repair{"FirstSubtitleStartPulledBack", TypeSubRip,
               {{5000, 5000, "A"}, {5000, 7000, "B"}}, {{2000, 5000, "A"}, {5000, 7000, "B"}}, 3},
        Repair{"LastSubtitleGetsDefaultDuration", TypeSubRip,
               {{1000, 2000, "A"}, {5000, 4000, "B"}}, {{1000, 2000, "A"}, {5000, 8000, "B"}}, 1},
        Repair{"ContinuationsMergedIntoOne", TypeSubRip,
               {{1000, 2000, "A"}, {2000, 3000, "A"}, {3000, 4000, "A"}, {5000, 6000, "B"}},
               {{1000, 4000, "A"}, {5000, 6000, "B"}}, 2},
        Repair{"ClosedTagsRepeatedKept", TypeSubRip, {{1000, 2000, "<b>a</b><b>d</b>"}}, {{1000, 2000, "<b>a</b><b>d</b>"}}, 0},
        Repair{"NestedTagRemovedInSubRip", TypeSubRip, {{1000, 2000, "<b>a<b>b<i>c<i>d"}}, {{1000, 2000, "<b>ab<i>cd"}}, 2},
        Repair{"TagsLeftAloneInMicroDVD", TypeMicroDVD, {{1000, 2000, "<i>a<i>b</i>"}}, {{1000, 2000, "<i>a<i>b</i>"}}, 0},
        Repair{"SeparatorsTidied", TypeMicroDVD, {{1000, 2000, "||a|||b||"}}, {{1000, 2000, "a|b"}}, 6}),
    [](const auto& info) { return info.param.name; });

const std::string Canonical = Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000",
                                     "B", "", "3", "00:00:05,000 --> 00:00:06,000", "C", ""});

TEST(TimeRepairReport, SubRipSubtitleReportedAtItsTimeLineInTheRenderedText) {
  DocumentFixture f;
  f.Open(Lines({"1", "00:00:00,000 --> 00:00:10,000", "A", "a", "", "2", "00:00:10,000 --> 00:00:10,000", "B", "",
                "3", "00:00:10,000 --> 00:00:12,000", "C"}),
         "in.srt");
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{ProblemReport(7, "00:00:10,000 --> 00:00:10,000",
                                                                       "The start value is equal or bigger than the end value!")});
  // The store is shown as it stands, ending with the blank line of the last block.
  EXPECT_EQ(f.Text(), Lines({"1", "00:00:00,000 --> 00:00:10,000", "A", "a", "", "2", "00:00:10,000 --> 00:00:10,000",
                             "B", "", "3", "00:00:10,000 --> 00:00:12,000", "C", ""}));
  EXPECT_EQ(f.Caret().line, 7);
  EXPECT_EQ(f.Caret().column, 1);
  EXPECT_FALSE(f.doc.LastParseSucceeded);
}

TEST(TimeRepairReport, MicroDVDStartThatCannotBeDeterminedShownAfterTheRepairsSoFar) {
  DocumentFixture f;
  f.Open(Lines({"{10}{20}A", "{}{}B", "{}{50}C", "{60}{70}D"}), "in.sub");
  EXPECT_EQ(f.prompter.Texts(),
            std::vector<std::string>{ProblemReport(3, "{}{50}C", "I can't determine the start value!")});
  EXPECT_EQ(f.Text(), Lines({"{10}{20}A", "{20}{}B", "{}{50}C", "{60}{70}D"}));
  EXPECT_EQ(f.Caret().line, 3);
  EXPECT_EQ(f.Caret().column, 1);
}

TEST(TimeRepairReport, ChangesOfVerificationAloneAreReported) {
  DocumentFixture f;
  f.Open(Canonical, "in.srt");
  ASSERT_TRUE(f.prompter.shown.empty());
  f.EditAndVerify(Lines({"1", "00:00:01,000 --> 00:00:02,000", " A ", "", "2", "00:00:03,000 --> 00:00:04,000", "B", "",
                         "3", "00:00:05,000 --> 00:00:06,000", "C"}));
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{ChangesMade(2)});
  EXPECT_EQ(f.Text(), Canonical);
  EXPECT_TRUE(f.doc.commands.Save);
}

}  // namespace
}  // namespace tessary::testing
