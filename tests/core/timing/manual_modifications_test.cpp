#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

using Times = std::vector<std::int32_t>;  // start and end of every subtitle, in order

Times TimesOf(const Document& doc) {
  Times out;
  for (int i = 1; i <= doc.store.SubtitleCount; ++i)
    out.insert(out.end(), {doc.store.StartValues[i], doc.store.EndValues[i]});
  return out;
}

// Types `text` into a field and leaves it, as the user does before pressing a button.
void TypeAndLeave(Document& doc, TypedField& field, const std::string& text) {
  field.Changed(text, doc.TimingContext());
  if (auto refusal = field.Exit(doc.TimingContext())) doc.Show(Icon::Error, refusal->Text(doc.messages));
}

enum class Button { Multiply, Increase, Decrease };

void Press(Document& doc, Button button) {
  if (button == Button::Multiply) doc.Run(MultiplyParams{doc.timing.factor.Value()});
  if (button == Button::Increase) doc.Run(ShiftParams{doc.timing.shift.Value()});
  if (button == Button::Decrease) doc.Run(ShiftParams{-std::int64_t{doc.timing.shift.Value()}});
}

TEST(ManualModifications, ChangeEveryTimeAndReportTheChangesTheUserCanSee) {
  struct Case {
    const char* name;
    std::string file;
    Button button;
    std::string typed;  // in frames for MicroDVD, in ms for SubRip, unless timeUnit
    Times times;        // after the presses; empty: not checked
    std::vector<std::string> messages;
    int presses = 1;
    bool timeUnit = false;
  };
  const std::string ties = SubRipFile({{1001, 1003, "A"}});
  const std::string guarded = SubRipFile({{1001, 1003, "A"}, {108000000, 108001000, "A"}});  // past 100,000,000 ms
  const std::string microDVD = Lines({"{100}{150}One", "{200}{250}Two"});
  std::vector<Subtitle> ten;
  for (int i = 0; i < 10; ++i) ten.push_back({i * 2000 + 1000, i * 2000 + 2000, "A"});
  for (const Case& c : {
           Case{"ties go to the even neighbour", ties, Button::Multiply, "1,5", {1502, 1504}, {"I've made 2 changes"}},
           Case{"factor 1 is silent", ties, Button::Multiply, "1", {1001, 1003}, {}},
           Case{"amount 0 is silent (+)", ties, Button::Increase, "0", {1001, 1003}, {}},
           Case{"amount 0 is silent (-)", ties, Button::Decrease, "0", {1001, 1003}, {}},
           Case{"past the guard a stretch does nothing",
                guarded,
                Button::Multiply,
                "1.5",
                {1001, 1003, 108000000, 108001000},
                {}},
           Case{"past the guard a shrink goes on",
                guarded,
                Button::Multiply,
                "0.5",
                {500, 502, 54000000, 54000500},
                {"I've made 4 changes"}},
           Case{"past the guard an increase reports no change",
                guarded,
                Button::Increase,
                "1000",
                {1001, 1003, 108000000, 108001000},
                {"No change"}},
           Case{"a decrease has no guard",
                guarded,
                Button::Decrease,
                "1000",
                {1, 3, 107999000, 108000000},
                {"I've made 4 changes"}},
           Case{"a first start equal to the amount becomes 0",
                ties,
                Button::Decrease,
                "1001",
                {0, 2},
                {"I've made 2 changes"}},
           Case{"MicroDVD in frames",
                microDVD,
                Button::Increase,
                "3",
                {4120, 6120, 8120, 10120},
                {"I've made 4 changes"}},
           Case{"each press reports its own changes",
                SubRipFile(ten),
                Button::Increase,
                "1",
                {},
                {"I've made 20 changes", "I've made 20 changes"},
                2},
           // 1 ms moves no frame at 25 frames per second: the times change, the file does not.
           Case{"MicroDVD by 1 ms", microDVD, Button::Increase, "1", {4001, 6001, 8001, 10001}, {"No change"}, 1, true},
       }) {
    SCOPED_TRACE(c.name);
    DocumentFixture f;
    f.Open(c.file, c.file == microDVD ? "m.sub" : "s.srt");
    const std::string before = f.Text();
    if (c.timeUnit) f.doc.SelectTimeUnit();
    TypedField& field =
        c.button == Button::Multiply ? static_cast<TypedField&>(f.doc.timing.factor) : f.doc.timing.shift;
    TypeAndLeave(f.doc, field, c.typed);
    for (int n = 0; n < c.presses; ++n) Press(f.doc, c.button);
    if (!c.times.empty()) {
      EXPECT_EQ(TimesOf(f.doc), c.times);
    }
    EXPECT_EQ(f.prompter.Texts(), c.messages);
    if (c.messages.empty() || c.messages[0] == "No change") {
      EXPECT_EQ(f.Text(), before);
    }
  }
}

TEST(ManualModifications, DecreasePastTheFirstStartOffersTheLargestAmountAndChangesNothing) {
  struct Case {
    std::int32_t firstStart;
    bool timeUnit;
    std::string typed, offered;
    std::int32_t offeredMs;
  };
  for (const Case& c : {
           Case{5000, false, "200", "125", 5000},  // 8000 ms at 25 frames per second
           Case{5000, true, "8000", "5000", 5000},
           Case{5030, false, "200", "125", 5000},  // rounded down, so that it never passes the start
       }) {
    DocumentFixture f;
    f.Open(SubRipFile({{c.firstStart, 9000, "A"}, {10000, 11000, "A"}}), "d.srt");
    c.timeUnit ? f.doc.SelectTimeUnit() : f.doc.SelectFramesUnit();
    TypeAndLeave(f.doc, f.doc.timing.shift, c.typed);
    f.doc.Run(ShiftParams{-std::int64_t{f.doc.timing.shift.Value()}});
    ASSERT_EQ(f.prompter.shown.size(), 1u);
    EXPECT_EQ(f.prompter.shown[0].icon, Icon::Error);
    EXPECT_EQ(f.prompter.shown[0].text,
              "The maximum value which can be used so that\r\nthe frames couldn't become "
              "negative is " +
                  c.offered + "\r\nPlease try again");
    EXPECT_EQ(f.doc.timing.shift.Text(), c.offered);
    EXPECT_EQ(TimesOf(f.doc), (Times{c.firstStart, 9000, 10000, 11000}));
    EXPECT_EQ(f.doc.store.ChangeCount, 0);
    // The offered amount is the one the next press uses.
    f.doc.timing.shift.Exit(f.doc.TimingContext());
    f.doc.Run(ShiftParams{-std::int64_t{f.doc.timing.shift.Value()}});
    EXPECT_EQ(f.doc.store.StartValues[1], c.firstStart - c.offeredMs);
  }
}

TEST(ManualModifications, WithNoSubtitleEveryButtonOnlyGivesTheNotice) {
  DocumentFixture f;
  TypeAndLeave(f.doc, f.doc.timing.factor, "1.5");
  TypeAndLeave(f.doc, f.doc.timing.shift, "25");
  TypeAndLeave(f.doc, f.doc.timing.targetRate, "30");
  // Calls so close together show the box from the second one on.
  for (Button button : {Button::Multiply, Button::Increase, Button::Decrease}) Press(f.doc, button);
  f.doc.Run(FrameRateChangeParams{f.doc.timing.targetRate.Target()});
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>(3, "Please load a subtitle!"));
  EXPECT_EQ(std::pair(f.doc.FrameRate, f.doc.timing.shift.Text()), std::pair(25.0, std::string("25")));
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
    DocumentFixture f;
    f.doc.timing.factor.Changed(c.typed, f.doc.TimingContext());
    EXPECT_EQ(f.doc.timing.factor.Text(), c.shown);
    EXPECT_DOUBLE_EQ(f.doc.timing.factor.Value(), c.value);
    if (auto refusal = f.doc.timing.factor.Exit(f.doc.TimingContext()))
      f.doc.Show(Icon::Error, refusal->Text(f.doc.messages));
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
    DocumentFixture f;
    f.doc.FrameRate = f.doc.CommittedFrameRate = c.rate;
    c.timeUnit ? f.doc.SelectTimeUnit() : f.doc.SelectFramesUnit();
    f.doc.timing.shift.Changed(c.typed, f.doc.TimingContext());
    EXPECT_EQ(f.doc.timing.shift.Text(), c.shown);
    EXPECT_EQ(f.doc.timing.shift.Value(), c.ms);
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
    DocumentFixture f;
    c.timeUnit ? f.doc.SelectTimeUnit() : f.doc.SelectFramesUnit();
    TypeAndLeave(f.doc, f.doc.timing.shift, c.timeUnit ? "40" : "1");
    TypeAndLeave(f.doc, f.doc.timing.shift, c.typed);
    EXPECT_EQ(f.doc.timing.shift.Text(), c.left);
    EXPECT_EQ(std::pair(f.doc.timing.shift.Value(), f.doc.timing.shift.LastValid()), std::pair(c.ms, c.ms));
    EXPECT_EQ(f.prompter.Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
  }
}

// What a field shows is what its command uses: after Escape, and after closing a subtitle (the
// fields reset) and opening another, where retyping every shown text changes no value.
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
  const std::string microDVD = Lines({"{1419}{1450}One", "{1500}{1550}Two"});
  f.Open(microDVD, "m.sub");
  auto values = [&d] {
    return std::tuple(d.timing.factor.Value(), d.timing.shift.Value(), d.timing.targetRate.Target(),
                      d.timing.firstPoint.Value(), d.timing.secondPoint.Value(), d.timing.firstLine.Value(),
                      d.timing.secondLine.Value());
  };
  const auto before = values();
  for (const auto& [field, text] : typed) TypeAndLeave(d, *field, std::string(field->Text()));
  EXPECT_EQ(values(), before);
  // The shown factor 1 and amount 0 change nothing; "Do it" shows the amount in force again.
  for (Button button : {Button::Multiply, Button::Increase}) Press(d, button);
  EXPECT_EQ(f.Text(), microDVD);
  d.Run(FrameRateChangeParams{d.timing.targetRate.Target()});
  EXPECT_EQ(std::pair(d.timing.factor.Text(), d.timing.shift.Text()), std::pair(std::string("1"), std::string("0")));
}

TEST(GeneralDecimal, WritesAtMost15SignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(GeneralDecimal(2.0), "2");
  EXPECT_EQ(GeneralDecimal(23.976, ','), "23,976");
  EXPECT_EQ(GeneralDecimal(0.1 + 0.2), "0.3");
  EXPECT_EQ(GeneralDecimal(100000), "100000");
}

}  // namespace
}  // namespace tessary::testing
