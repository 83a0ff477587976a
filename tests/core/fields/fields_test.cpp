// The rules of the typed timing fields, each class alone, and their strict readers.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "fields/timing_fields.h"

namespace tessary {
namespace {

constexpr FieldContext Frames{DisplayUnit::Frames, 25, true, 4};
constexpr FieldContext Time{DisplayUnit::Time, 25, true, 4};

// Types `typed`, then leaves the field; returns the text after typing and after leaving, and
// the text of the refusal.
std::tuple<std::string, std::string, std::string> TypeAndLeave(TypedField& field, const char* typed,
                                                               const FieldContext& context) {
  static const MessageTable messages;
  field.Changed(typed, context);
  std::string shown = field.Text();
  std::optional<FieldRefusal> refusal = field.Exit(context);
  return {shown, field.Text(), refusal ? refusal->Text(messages) : ""};
}

// The rows run in order on the fields below, so that a row sees what the rows before it left.
TEST(FieldRules, TypingCleansAndLeavingCommitsOrBringsBackTheValueInForce) {
  FactorField factor, factor2;
  ShiftField shift;
  PointField first(false), second(true);
  LineField line(false);
  RateField rate;
  struct Case {
    const char* name;
    TypedField& field;
    FieldContext context;
    const char* typed;
    std::string shown, left, refused;
  };
  for (const Case& c : {
           Case{"factor", factor, Frames, "x1,50y", "1,50", "1.5", ""},
           Case{"factor out of range", factor2, Frames, "3", "3", "1",
                "The multiplying value should be between 0.5 and 2 !"},
           Case{"factor cut", factor2, Frames, "1.0000000000000000000000000000000001", "1." + std::string(30, '0'), "1",
                ""},
           Case{"amount in ms", shift, Time, "12a34", "1234", "1234", ""},
           Case{"amount too large", shift, Time, "10000001", "10000001", "1234",
                "The increase/decrease value is not in [0..10000000] !"},
           Case{"amount cut", shift, Frames, "1234567", "123456", "123456", ""},
           Case{"time point", first, Time, "12:34:56.7891", "12:34:56.789", "12:34:56.789", ""},
           Case{"malformed time", first, Time, "00:60:00,000", "00:60:00,000", "12:34:56,789", ""},
           Case{"frame point cut", first, Frames, "12a3456789", "123456", "123456", ""},
           Case{"second point takes 7", second, Frames, "12345678", "1234567", "1234567", ""},
           Case{"second point at frame 0", second, Frames, "0", "0", "1", ""},
           Case{"line clamped", line, Frames, "99999", "99999", "4", ""},
           Case{"line 0", line, Frames, "0", "0", "1", ""},
           Case{"line not a number", line, Frames, "12a", "12a", "1", ""},
           Case{"rate", rate, Frames, "23,976", "23.976", "23.976", ""},
           Case{"rate typed past 60", rate, Frames, "70", "23.976", "23.976", ""},
           Case{"rate below 5", rate, Frames, "3", "3", "23.976", ""},
       }) {
    EXPECT_EQ(TypeAndLeave(c.field, c.typed, c.context), std::tuple(c.shown, c.left, c.refused)) << c.name;
  }
}

TEST(FieldRules, ValuesFollowTheTextInTheDisplayUnit) {
  ShiftField shift;
  shift.Changed("25", Frames);
  EXPECT_EQ(shift.Value(), 1000);
  shift.Exit(Frames);
  shift.Show(Time);
  EXPECT_EQ(shift.Text(), "1000");
  shift.Changed("", Time);
  EXPECT_EQ(std::pair(shift.Value(), shift.LastValid()), std::pair(-1, 1000));
  shift.Escape(Time);
  EXPECT_EQ(std::pair(shift.Value(), shift.Text()), std::pair(1000, std::string("1000")));

  PointField point(true);
  point.Changed("50", Frames);
  point.Exit(Frames);
  point.Show(Time);
  EXPECT_EQ(std::pair(point.Value(), point.Text()), std::pair(std::int64_t{2000}, std::string("00:00:02,000")));
}

TEST(FieldRules, KeysPassByFieldUnitAndRoom) {
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
  for (const Case& c : {Case{factor, Frames, ',', false, true}, Case{factor, Frames, '-', false, false},
                        Case{shift, Frames, '7', false, false}, Case{shift, Frames, '7', true, true},
                        Case{shift, Time, '7', false, true}, Case{shift, Time, ',', true, false},
                        Case{first, Frames, '7', false, false}, Case{second, Frames, '7', false, true},
                        Case{first, Frames, '\b', false, true}, Case{first, Frames, ':', false, false},
                        Case{first, Time, ':', false, true}, Case{line, Frames, 'a', true, false}})
    EXPECT_EQ(c.field.AcceptsKey(c.key, c.selection, c.context), c.accepted) << c.field.Text() << " + " << c.key;
}

TEST(FieldReaders, TakeOnlyWhatTheFieldWouldTakeAsTyped) {
  const PointField first(false), second(true);
  // The value read, or the text of the refusal.
  using Read = std::pair<std::optional<double>, std::string>;
  auto of = [](auto read) {
    static const MessageTable messages;
    return Read(read.value, read.value ? "" : read.refusal.Text(messages));
  };
  const std::optional<double> none;
  const std::pair<Read, Read> cases[] = {
      {of(FactorField::Read("1.25")), {1.25, ""}},
      {of(FactorField::Read("-2")), {none, "the factor '-2' is not a decimal number"}},
      {of(FactorField::Read("1.25abc")), {none, "the factor '1.25abc' is not a decimal number"}},
      {of(FactorField::Read("1.2.3")), {none, "the factor '1.2.3' is not a decimal number"}},
      {of(FactorField::Read("3")), {none, "The multiplying value should be between 0.5 and 2 !"}},
      {of(ShiftField::Read("25", Frames)), {1000, ""}},
      {of(ShiftField::Read("1234567", Frames)),
       {none, "the amount '1234567' is longer than the 6 digits the field takes"}},
      {of(ShiftField::Read("1e3", Time)), {none, "the amount '1e3' is not a whole number"}},
      {of(ShiftField::Read("20000000", Time)), {none, "The increase/decrease value is not in [0..10000000] !"}},
      {of(RateField::Read("23.976")), {23.976, ""}},
      {of(RateField::Read("70")), {none, "the frame rate 70 is not one from 5 to 60"}},
      {of(RateField::Read("3")), {none, "the frame rate 3 is not one from 5 to 60"}},
      {of(LineField::Read("4", Frames)), {4, ""}},
      {of(LineField::Read("0", Frames)), {none, "there is no subtitle 0: the subtitles are numbered 1 to 4"}},
      {of(LineField::Read("99", Frames)), {none, "there is no subtitle 99: the subtitles are numbered 1 to 4"}},
      {of(first.Read("00:00:01,500", Time)), {1500, ""}},
      {of(first.Read("0:0:1,5", Time)), {none, "'0:0:1,5' is not a time written hh:mm:ss,zzz"}},
      {of(first.Read("1234567", Frames)), {none, "'1234567' is not a frame number of at most 6 digits"}},
      {of(second.Read("1234567", Frames)), {49382680, ""}},
      {of(second.Read("0", Frames)), {none, "the second point is never before frame 1"}},
  };
  for (const auto& [read, expected] : cases) EXPECT_EQ(read, expected);
}

}  // namespace
}  // namespace tessary
