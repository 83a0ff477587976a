// eFirstLine and eSecondLine: the numbers of the transform's two subtitles.
#pragma once

#include <cstdint>

#include "fields/field.h"

namespace tessary {

// The digits a line field takes while no subtitle is loaded.
inline constexpr int LineDigitsWithoutSubtitle = 5;

class LineField : public TypedField {
 public:
  explicit LineField(bool second) : TypedField(second ? "1" : "0"), second_(second), value_(second ? 1 : 0) {}
  std::int32_t Value() const { return value_; }
  // The digits the field takes: never more than the subtitle count has.
  int MaxLength() const { return maxLength_; }
  // The first field takes subtitle 1, the second the last one (with no subtitle, 0 and 1).
  void Reset(int subtitleCount);
  // Keeps the number within 1..subtitleCount: subtitles may have gone since it was typed.
  void FitTo(int subtitleCount);

  void Changed(std::string_view text, const FieldContext& context) override;
  // A whole number is kept within the subtitles; anything else leaves the number as it is.
  std::optional<FieldRefusal> Exit(const FieldContext& context) override;
  void Escape(const FieldContext& context) override;
  bool AcceptsKey(char key, bool hasSelection, const FieldContext& context) const override;

  // The subtitle number in `text`, refused where the field would keep or clamp another.
  static FieldRead<std::int32_t> Read(std::string_view text, const FieldContext& context);

 private:
  bool second_;
  std::int32_t value_;
  int maxLength_ = LineDigitsWithoutSubtitle;
};

}  // namespace tessary
