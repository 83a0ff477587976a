// The rules of the typed timing fields, each class alone, and their strict readers.
#include <gtest/gtest.h>

#include <functional>
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

TEST(FieldRules, TypingCleansAndLeavingCommitsOrBringsBackTheValueInForce) {
  struct Case {
    const char* name;
    std::function<TypedField*()> make;
    FieldContext context;
    const char* typed;
    std::string shown, left, refused;
  };
  static FactorField factor;
  static ShiftField shift;
  static PointField first(false), second(true);
  static LineField line(false);
  static RateField rate;
  const std::string multiplyRange = "The multiplying value should be between 0.5 and 2 !";
  for (const Case& c : {
           Case{"factor", [] { return &factor; }, Frames, "x1,50y", "1,50", "1.5", ""},
           Case{"factor out of range", [] { return &(factor = {}); }, Frames, "3", "3", "1", multiplyRange},
           Case{"factor cut", [] { return &(factor = {}); }, Frames, "1.0000000000000000000000000000000001",
                "1." + std::string(30, '0'), "1", ""},
           Case{"amount in ms", [] { return &shift; }, Time, "12a34", "1234", "1234", ""},
           Case{"amount cut", [] { return &shift; }, Frames, "1234567", "123456", "123456", ""},
           Case{"amount too large", [] { return &(shift = {}); }, Time, "10000001", "10000001", "0",
                "The increase/decrease value is not in [0..10000000] !"},
           Case{"time point", [] { return &first; }, Time, "12:34:56.7891", "12:34:56.789", "12:34:56.789", ""},
           Case{"malformed time", [] { return &first; }, Time, "00:60:00,000", "00:60:00,000", "12:34:56,789", ""},
           Case{"frame point cut", [] { return &first; }, Frames, "12a3456789", "123456", "123456", ""},
           Case{"second point takes 7", [] { return &second; }, Frames, "12345678", "1234567", "1234567", ""},
           Case{"second point at frame 0", [] { return &second; }, Frames, "0", "0", "1", ""},
           Case{"line clamped", [] { return &line; }, Frames, "99999", "99999", "4", ""},
           Case{"line 0", [] { return &line; }, Frames, "0", "0", "1", ""},
           Case{"line not a number", [] { return &line; }, Frames, "12a", "12a", "1", ""},
           Case{"rate", [] { return &rate; }, Frames, "23,976", "23.976", "23.976", ""},
           Case{"rate typed past 60", [] { return &rate; }, Frames, "70", "23.976", "23.976", ""},
           Case{"rate below 5", [] { return &rate; }, Frames, "3", "3", "23.976", ""},
       }) {
    EXPECT_EQ(TypeAndLeave(*c.make(), c.typed, c.context), std::tuple(c.shown, c.left, c.refused)) << c.name;
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
  struct Case {
    std::function<std::pair<std::optional<double>, std::string>()> read;
    std::optional<double> value;
    std::string refused;
  };
  auto of = [](auto read) {
    static const MessageTable messages;
    return std::pair<std::optional<double>, std::string>(read.value, read.value ? "" : read.refusal.Text(messages));
  };
  for (const Case& c : {
           Case{[&] { return of(FactorField::Read("1.25")); }, 1.25, ""},
           Case{[&] { return of(FactorField::Read("-2")); }, {}, "the factor '-2' is not a decimal number"},
           Case{[&] { return of(FactorField::Read("1.25abc")); }, {}, "the factor '1.25abc' is not a decimal number"},
           Case{[&] { return of(FactorField::Read("1.2.3")); }, {}, "the factor '1.2.3' is not a decimal number"},
           Case{[&] { return of(FactorField::Read("3")); }, {}, "The multiplying value should be between 0.5 and 2 !"},
           Case{[&] { return of(ShiftField::Read("25", Frames)); }, 1000, ""},
           Case{[&] { return of(ShiftField::Read("1234567", Frames)); },
                {},
                "the amount '1234567' is longer than the 6 digits the field takes"},
           Case{[&] { return of(ShiftField::Read("1e3", Time)); }, {}, "the amount '1e3' is not a whole number"},
           Case{[&] { return of(ShiftField::Read("20000000", Time)); },
                {},
                "The increase/decrease value is not in [0..10000000] !"},
           Case{[&] { return of(RateField::Read("23.976")); }, 23.976, ""},
           Case{[&] { return of(RateField::Read("70")); }, {}, "the frame rate 70 is not one from 5 to 60"},
           Case{[&] { return of(RateField::Read("3")); }, {}, "the frame rate 3 is not one from 5 to 60"},
           Case{[&] { return of(LineField::Read("4", Frames)); }, 4, ""},
           Case{[&] { return of(LineField::Read("0", Frames)); },
                {},
                "there is no subtitle 0: the subtitles are numbered 1 to 4"},
           Case{[&] { return of(LineField::Read("99", Frames)); },
                {},
                "there is no subtitle 99: the subtitles are numbered 1 to 4"},
           Case{[&] { return of(first.Read("00:00:01,500", Time)); }, 1500, ""},
           Case{[&] { return of(first.Read("0:0:1,5", Time)); }, {}, "'0:0:1,5' is not a time written hh:mm:ss,zzz"},
           Case{[&] { return of(first.Read("1234567", Frames)); },
                {},
                "'1234567' is not a frame number of at most 6 digits"},
           Case{[&] { return of(second.Read("1234567", Frames)); }, 49382680, ""},
           Case{[&] { return of(second.Read("0", Frames)); }, {}, "the second point is never before frame 1"},
       }) {
    const auto [value, refused] = c.read();
    EXPECT_EQ(value, c.value) << refused;
    EXPECT_EQ(refused, c.refused);
  }
}

}  // namespace
}  // namespace tessary
