// The rules of the typed timing fields, one table per field, and their strict readers.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "fields/timing_fields.h"

namespace tessary {
namespace {

constexpr FieldContext Frames{DisplayUnit::Frames, 25, true, 4};
constexpr FieldContext Time{DisplayUnit::Time, 25, true, 4};
constexpr FieldContext FramesAt(double rate) { return {DisplayUnit::Frames, rate, true, 4}; }
const MessageTable English;

// What the user types, the text while typing, and the text, value and refusal after leaving.
struct Row {
  FieldContext context;
  std::string typed, shown, left;
  double value;
  std::string refused = "";
};

// The rows run in order on one field, so that a row sees the last valid value the rows before it left.
template <typename Field, typename Value>
void ExpectRows(Field field, Value (Field::*value)() const, std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    field.Changed(r.typed, r.context);
    const std::string shown = field.Text();
    const std::optional<FieldRefusal> refusal = field.Exit(r.context);
    EXPECT_EQ(
        std::tuple(shown, field.Text(), static_cast<double>((field.*value)()), refusal ? refusal->Text(English) : ""),
        std::tuple(r.shown, r.left, r.value, r.refused))
        << r.typed;
  }
}

// Separators and pasted letters are cleaned, two separators read as the last valid factor, and a long factor
// is cut to 32 characters and shown with 15 digits.
TEST(FactorField, TakesAFactorFrom0_5To2AndFallsBackToTheLastValidOne) {
  const std::string range = "The multiplying value should be between 0.5 and 2 !";
  ExpectRows(FactorField(), &FactorField::Value,
             {{Frames, "x1,50y", "1,50", "1.5", 1.5},
              {Frames, "1.2.5", "1.2.5", "1.5", 1.5},
              {Frames, "1." + std::string(40, '2'), "1." + std::string(30, '2'), "1.22222222222222",
               1.222222222222222222222222222222},
              {Frames, "0.5", "0.5", "0.5", 0.5},
              {Frames, "2", "2", "2", 2},
              {Frames, "0.49", "0.49", "2", 2, range},
              {Frames, "2.01", "2.01", "2", 2, range},
              {Frames, "", "", "2", 2, range}});
}

// Eight digits of milliseconds; in frames as many digits as 10000000 ms take: 6 at 25 and 60 frames per second
// (40 and 17 ms a frame), 5 at 5 and 4 at 1.
TEST(ShiftField, TakesUpTo10000000MsOrAsManyFramesAsFitInEightDigitsOfThem) {
  const std::string ms = "The increase/decrease value is not in [0..10000000] !";
  ExpectRows(ShiftField(), &ShiftField::Value,
             {{Time, "12a34", "1234", "1234", 1234},
              {Time, "10000000", "10000000", "10000000", 10000000},
              {Time, "123456789", "12345678", "10000000", 10000000, ms},
              {Time, "x", "", "10000000", 10000000, ms},
              {Frames, "1234567", "123456", "123456", 4938240},
              {Frames, "250000", "250000", "250000", 10000000},
              {Frames, "250001", "250001", "250000", 10000000, "The increase/decrease value is not in [0..250000] !"},
              {FramesAt(23.976), "1", "1", "1", 42},
              {FramesAt(60), "1234567", "123456", "123456", 2057600},
              {FramesAt(5), "1234567", "12345", "12345", 2469000},
              {FramesAt(1), "1234567", "1234", "1234", 1234000}});
}

TEST(PointField, TakesATimeOrAFrameNumberOfTheDigitsThePointAllows) {
  ExpectRows(PointField(false), &PointField::Value,
             {{Time, "12:34:56.7891", "12:34:56.789", "12:34:56.789", 45296789},
              {Time, "00:60:00,000", "00:60:00,000", "12:34:56,789", 45296789},
              {Frames, "12a3456789", "123456", "123456", 4938240}});
  ExpectRows(PointField(true), &PointField::Value,
             {{Frames, "12345678", "1234567", "1234567", 49382680}, {Frames, "0", "0", "1", 40}});
}

// The frame shown is the one the conversion rounds to (its half-to-even rows are the conversion's own), but the
// second point never shows frame 0.
TEST(PointField, FramesRoundHalfToEvenAndTheSecondPointShowsAtLeastFrameOne) {
  for (auto [ms, second, rate, frame, time] :
       {std::tuple<std::int64_t, bool, double, const char*, const char*>{60, false, 25, "2", "00:00:00,060"},
        {20, true, 25, "1", "00:00:00,020"},
        {90000000, true, 23.976, "2157840", "25:00:00,000"}}) {
    PointField point(second);
    point.Set(ms, {DisplayUnit::Time, rate, true, 4});
    const std::string shownAsTime = point.Text();
    point.Show(FramesAt(rate), second);
    EXPECT_EQ(std::tuple(shownAsTime, point.Text(), point.Value()), std::tuple(time, frame, ms));
  }
}

TEST(LineField, TakesASubtitleNumberClampedToTheSubtitles) {
  ExpectRows(LineField(false), &LineField::Value,
             {{Frames, "99999", "99999", "4", 4}, {Frames, "0", "0", "1", 1}, {Frames, "12a", "12a", "1", 1}});
}

// A separator may still be followed by digits; a rate out of range, or with two separators, shows the last
// valid one; 3 may be typed but is no target.
TEST(RateField, TypingKeepsRatesFrom1To60AndLeavingTakesRatesFrom5To60) {
  ExpectRows(RateField(), &RateField::Target,
             {{Frames, "23.", "23.", "23.", 23},
              {Frames, "23,976", "23.976", "23.976", 23.976},
              {Frames, "70", "23.976", "23.976", 23.976},
              {Frames, "3", "3", "23.976", 23.976},
              {Frames, "0", "23.976", "23.976", 23.976},
              {Frames, "2.5.1", "23.976", "23.976", 23.976},
              {Frames, "2a4", "24", "24", 24}});
}

TEST(FieldKeys, PassByFieldUnitAndRoom) {
  FactorField factor;
  ShiftField shift;
  PointField first(false), second(true);
  LineField line(false);
  shift.Changed("123456", Frames);  // 6 digits at 25 frames per second
  first.Changed("123456", Frames);
  second.Changed("123456", Frames);
  struct Case {
    const TypedField& field;
    FieldContext context;
    char key;
    bool selection, accepted;
  };
  for (const Case& c :
       {Case{factor, Frames, ',', false, true}, Case{factor, Frames, '-', false, false},
        Case{factor, Frames, 'e', false, false}, Case{shift, Frames, '7', false, false},
        Case{shift, Frames, '7', true, true}, Case{shift, Time, '7', false, true}, Case{shift, Time, ',', true, false},
        Case{first, Frames, '7', false, false}, Case{second, Frames, '7', false, true},
        Case{first, Frames, '\b', false, true}, Case{first, Frames, ':', false, false},
        Case{first, Time, ':', false, true}, Case{line, Frames, 'a', true, false}})
    EXPECT_EQ(c.field.AcceptsKey(c.key, c.selection, c.context), c.accepted) << c.field.Text() << " + " << c.key;
}

TEST(FieldReaders, TakeOnlyWhatTheFieldWouldTakeAsTyped) {
  const PointField first(false), second(true);
  // The value read, or the text of the refusal.
  using Read = std::pair<std::optional<double>, std::string>;
  auto of = [](auto read) { return Read(read.value, read.value ? "" : read.refusal.Text(English)); };
  const std::optional<double> none;
  const std::pair<Read, Read> cases[] = {
      {of(FactorField::Read("1.25")), {1.25, ""}},
      {of(FactorField::Read("-2")), {none, "the factor '-2' is not a decimal number"}},
      {of(FactorField::Read("1.2.3")), {none, "the factor '1.2.3' is not a decimal number"}},
      {of(FactorField::Read("3")), {none, "The multiplying value should be between 0.5 and 2 !"}},
      {of(ShiftField::Read("25", Frames)), {1000, ""}},
      {of(RateField::Read("23.976")), {23.976, ""}},
      {of(ShiftField::Read("1234567", Frames)),
       {none, "the amount '1234567' is longer than the 6 digits the field takes"}},
      {of(ShiftField::Read("1e3", Time)), {none, "the amount '1e3' is not a whole number"}},
      {of(ShiftField::Read("20000000", Time)), {none, "The increase/decrease value is not in [0..10000000] !"}},
      {of(RateField::Read("70")), {none, "the frame rate 70 is not one from 5 to 60"}},
      {of(RateField::Read("3")), {none, "the frame rate 3 is not one from 5 to 60"}},
      {of(LineField::Read("0", Frames)), {none, "there is no subtitle 0: the subtitles are numbered 1 to 4"}},
      {of(LineField::Read("99", Frames)), {none, "there is no subtitle 99: the subtitles are numbered 1 to 4"}},
      {of(LineField::Read("4", Frames)), {4, ""}},
      {of(first.Read("00:00:01,500", Time)), {1500, ""}},
      {of(first.Read("0:0:1,5", Time)), {none, "'0:0:1,5' is not a time written hh:mm:ss,zzz"}},
      {of(first.Read("1234567", Frames)), {none, "'1234567' is not a frame number of at most 6 digits"}},
      {of(second.Read("1234567", Frames)), {49382680, ""}},
      {of(second.Read("0", Frames)), {none, "the second point is never before frame 1"}}};
  for (const auto& [read, expected] : cases) EXPECT_EQ(read, expected);
}

}  // namespace
}  // namespace tessary
