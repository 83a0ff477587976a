// eFirstPoint and eSecondPoint: the moments the transform's two subtitles should start at,
// held in milliseconds and shown as frames or as hh:nn:ss,zzz in the display unit.
#pragma once

#include <cstdint>

#include "fields/field.h"

namespace tessary {

class PointField : public TypedField {
 public:
  // The second point takes one frame digit more and is never before frame 1.
  explicit PointField(bool second) : TypedField(second ? "1" : "0"), second_(second), value_(second ? 1 : 0) {}
  std::int64_t Value() const { return value_; }
  // Takes `ms` and shows it.
  void Set(std::int64_t ms, const FieldContext& context);
  // Shows the point in the context's unit; `atLeastFrameOne` shows the second point's frame 0 as 1.
  void Show(const FieldContext& context, bool atLeastFrameOne = false);

  void Changed(std::string_view text, const FieldContext& context) override;
  // A text that is no point brings back the point in force; nothing is refused aloud.
  std::optional<FieldRefusal> Exit(const FieldContext& context) override;
  void Escape(const FieldContext& context) override;
  bool AcceptsKey(char key, bool hasSelection, const FieldContext& context) const override;

  // The point in `text` in milliseconds, refused where the field would clean, cut or replace it.
  FieldRead<std::int64_t> Read(std::string_view text, const FieldContext& context) const;

 private:
  std::size_t FrameDigits() const;
  bool second_;
  std::int64_t value_;
};

}  // namespace tessary
