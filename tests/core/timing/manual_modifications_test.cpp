// Multiply and Shift on a store, and the rules of their typed fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/operation_cases.h"

namespace tessary::testing {
namespace {

TEST(ManualModifications, ChangeEveryTimeAndCountWhatTheUserCanSee) {
  const TimeLimits srt{TypeSubRip, 25}, sub{TypeMicroDVD, 25};
  const Times ties = {1001, 1003}, guarded = {1001, 1003, 108000000, 108001000};  // past 100,000,000 ms
  const Times frames = {4000, 6000, 8000, 10000};                                 // {100}{150}, {200}{250}
  using enum Outcome;
  for (const OperationCase& c : {
           OperationCase{"ties go to the even neighbour", srt, ties, MultiplyParams{1.5}, Done, 2, {1502, 1504}},
           {"factor 1 has nothing to do", srt, ties, MultiplyParams{1}, NothingToDo, 0},
           {"amount 0 has nothing to do", srt, ties, ShiftParams{0}, NothingToDo, 0},
           {"a stretch stops at the guard", srt, guarded, MultiplyParams{1.5}, PastGuard, 0},
           {"a shrink ignores the guard", srt, guarded, MultiplyParams{0.5}, Done, 4, {500, 502, 54000000, 54000500}},
           {"a later shift stops at the guard", srt, guarded, ShiftParams{1000}, PastGuard, 0},
           {"an earlier shift has no guard", srt, guarded, ShiftParams{-1000}, Done, 4, {1, 3, 107999000, 108000000}},
           {"a first start equal to the amount becomes 0", srt, ties, ShiftParams{-1001}, Done, 2, {0, 2}},
           {"MicroDVD counts moved frames", sub, frames, ShiftParams{120}, Done, 4, {4120, 6120, 8120, 10120}},
           // 1 ms moves no frame at 25 frames per second: the times change, the file does not.
           {"MicroDVD by 1 ms", sub, frames, ShiftParams{1}, Done, 0, {4001, 6001, 8001, 10001}},
       })
    ExpectCase(c);
  const OperationResult r =
      ExpectCase({"earlier than 0", srt, ties, ShiftParams{-1002}, Refused, 0, {}, Msg::LargestDecrease});
  EXPECT_EQ(r.largestDecreaseMs, 1001);
}

// Types `text` into a field and leaves it, as the user does before pressing a button.
void TypeAndLeave(Document& doc, TypedField& field, const std::string& text) {
  field.Changed(text, doc.TimingContext());
  if (auto refusal = field.Exit(doc.TimingContext())) doc.Show(Icon::Error, refusal->Text(doc.messages));
}

TEST(MultiplyField, TakesAFactorFrom0_5To2AndFallsBackToTheLastValidOne) {
  struct Case {
    std::string typed;
    const char* shown;  // while typing
    double value;       // while typing
    const char* left;   // the text after leaving the field
    bool refused;
  };
  for (const Case& c : {
           Case{"1,5", "1,5", 1.5, "1.5", false},
           Case{"1.5.2", "1.5.2", 1.0, "1", false},      // two separators read as the last valid factor
           Case{"1a.2 5", "1.25", 1.25, "1.25", false},  // pasted text is cleaned
           Case{"1." + std::string(40, '2'), "1.222222222222222222222222222222", 1.2222222222222222, "1.22222222222222",
                false},  // cut to 32 characters, shown with 15 digits
           Case{"0.5", "0.5", 0.5, "0.5", false},
           Case{"2", "2", 2.0, "2", false},
           Case{"0.49", "0.49", 0.49, "1", true},
           Case{"2.01", "2.01", 2.01, "1", true},
           Case{"", "", -1.0, "1", true},
       }) {
    SCOPED_TRACE(c.typed);
    DocumentRig f;
    f.doc.timing.factor.Changed(c.typed, f.doc.TimingContext());
    EXPECT_EQ(f.doc.timing.factor.Text(), c.shown);
    EXPECT_DOUBLE_EQ(f.doc.timing.factor.Value(), c.value);
    TypeAndLeave(f.doc, f.doc.timing.factor, f.doc.timing.factor.Text());
    EXPECT_EQ(f.doc.timing.factor.Text(), c.left);
    EXPECT_DOUBLE_EQ(f.doc.timing.factor.LastValid(), c.refused ? 1.0 : c.value);
    EXPECT_EQ(f.prompter.Texts(),
              std::vector<std::string>(c.refused, "The multiplying value should be between 0.5 and 2 !"));
  }
}

TEST(ShiftField, TakesAtMostEightDigitsOfMillisecondsOrAsManyFramesAsFitThem) {
  struct Case {
    double rate;
    bool timeUnit;
    std::string typed;
    const char* shown;
    std::int32_t ms;
    bool full;  // a further digit is swallowed
  };
  for (const Case& c : {
           Case{25, false, "12a34", "1234", 49360, false},
           Case{25, false, "1234567", "123456", 4938240, true},
           Case{23.976, false, "1", "1", 42, false},
           Case{60, false, "1234567", "123456", 2057600, true},  // a frame is 17 ms: 6 digits
           Case{5, false, "1234567", "12345", 2469000, true},    // 200 ms: 5 digits
           Case{1, false, "1234567", "1234", 1234000, true},     // 1000 ms: 4 digits
           Case{25, true, "123456789", "12345678", 12345678, true},
           Case{25, true, "x", "", -1, false},
       }) {
    SCOPED_TRACE(c.typed + " at " + std::to_string(c.rate));
    DocumentRig f;
    f.doc.FrameRate = f.doc.CommittedFrameRate = c.rate;
    c.timeUnit ? f.doc.SelectTimeUnit() : f.doc.SelectFramesUnit();
    f.doc.timing.shift.Changed(c.typed, f.doc.TimingContext());
    EXPECT_EQ(std::pair(f.doc.timing.shift.Text(), f.doc.timing.shift.Value()), std::pair(std::string(c.shown), c.ms));
    // A digit typed at the limit is swallowed, unless it replaces a selection.
    EXPECT_EQ(f.doc.timing.shift.AcceptsKey('1', false, f.doc.TimingContext()), !c.full);
    EXPECT_TRUE(f.doc.timing.shift.AcceptsKey('1', true, f.doc.TimingContext()));
    EXPECT_FALSE(f.doc.timing.shift.AcceptsKey(',', true, f.doc.TimingContext()));
  }
}

TEST(ShiftField, LeavingAcceptsUpTo10000000MsAndOtherwiseRestoresTheLastValidAmount) {
  struct Case {
    bool timeUnit;
    std::string typed;
    const char* left;
    std::int32_t ms;
    const char* message;
  };
  for (const Case& c : {
           Case{true, "10000000", "10000000", 10000000, nullptr},
           Case{true, "10000001", "40", 40, "The increase/decrease value is not in [0..10000000] !"},
           Case{false, "250000", "250000", 10000000, nullptr},
           Case{false, "250001", "1", 40, "The increase/decrease value is not in [0..250000] !"},
           Case{false, "", "1", 40, "The increase/decrease value is not in [0..250000] !"},
       }) {
    SCOPED_TRACE(c.typed);
    DocumentRig f;
    c.timeUnit ? f.doc.SelectTimeUnit() : f.doc.SelectFramesUnit();
    TypeAndLeave(f.doc, f.doc.timing.shift, c.timeUnit ? "40" : "1");
    TypeAndLeave(f.doc, f.doc.timing.shift, c.typed);
    EXPECT_EQ(f.doc.timing.shift.Text(), c.left);
    EXPECT_EQ(std::pair(f.doc.timing.shift.Value(), f.doc.timing.shift.LastValid()), std::pair(c.ms, c.ms));
    EXPECT_EQ(f.prompter.Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
  }
}

// What a field shows is what its command uses: after Escape, and after closing a subtitle (the fields reset
// to factor 1 and amount 0) and opening another, where retyping every shown text changes no value.
TEST(TimingFields, EveryFieldUsesWhatItShows) {
  DocumentFixture f;
  Document& d = f.doc;
  f.Open(SubRipFile({{1000, 2000, "A"}, {3000, 4000, "A"}}), "s.srt");
  for (auto [field, valid, typed] :
       {std::tuple<TypedField*, const char*, const char*>(&d.timing.factor, "1.25", "1.75"),
        {&d.timing.shift, "3", "7"}}) {
    TypeAndLeave(d, *field, valid);
    field->Changed(typed, d.TimingContext());
    field->Escape(d.TimingContext());
    field->Exit(d.TimingContext());
    EXPECT_EQ(field->Text(), valid);
  }
  EXPECT_EQ(std::pair(d.timing.factor.Value(), d.timing.shift.Value()), std::pair(1.25, 3));
  std::string passed;
  for (char key : std::string("09,.a -+e"))
    if (d.timing.factor.AcceptsKey(key, false, d.TimingContext())) passed += key;
  EXPECT_EQ(passed, "09,.");

  const std::pair<TypedField*, std::string> typed[] = {{&d.timing.factor, "1.5"},
                                                       {&d.timing.shift, "2000"},
                                                       {&d.timing.targetRate, "30"},
                                                       {&d.timing.firstPoint, "00:00:01,500"},
                                                       {&d.timing.secondPoint, "00:00:05,000"},
                                                       {&d.timing.firstLine, "2"},
                                                       {&d.timing.secondLine, "1"}};
  for (const auto& [field, text] : typed) TypeAndLeave(d, *field, text);
  ASSERT_TRUE(d.CloseFile());
  f.Open(Lines({"{1419}{1450}One", "{1500}{1550}Two"}), "m.sub");
  auto values = [&d] {
    return std::tuple(d.timing.factor.Value(), d.timing.shift.Value(), d.timing.targetRate.Target(),
                      d.timing.firstPoint.Value(), d.timing.secondPoint.Value(), d.timing.firstLine.Value(),
                      d.timing.secondLine.Value());
  };
  const auto before = values();
  for (const auto& [field, text] : typed) TypeAndLeave(d, *field, std::string(field->Text()));
  EXPECT_EQ(values(), before);
  EXPECT_EQ(std::pair(d.timing.factor.Text(), d.timing.shift.Text()), std::pair(std::string("1"), std::string("0")));
}

}  // namespace
}  // namespace tessary::testing
