#include "fields/line_field.h"

#include <algorithm>
#include <string>

#include "document/units.h"

namespace tessary {

namespace {
std::int64_t Within(std::int64_t line, int subtitleCount) {
  return std::min<std::int64_t>(std::max<std::int64_t>(line, 1), subtitleCount);
}
}  // namespace

void LineField::Reset(int subtitleCount) {
  const bool any = subtitleCount >= 1;
  value_ = second_ ? (any ? subtitleCount : 1) : (any ? 1 : 0);
  text_ = std::to_string(value_);
  maxLength_ = any ? static_cast<int>(std::to_string(subtitleCount).size()) : LineDigitsWithoutSubtitle;
}

void LineField::FitTo(int subtitleCount) {
  const auto fitted = static_cast<std::int32_t>(Within(value_, subtitleCount));
  if (fitted != value_) text_ = std::to_string(value_ = fitted);
}

void LineField::Changed(std::string_view text, const FieldContext&) { text_ = std::string(text); }

std::optional<FieldRefusal> LineField::Exit(const FieldContext& context) {
  if (IsAllDigits(text_)) value_ = static_cast<std::int32_t>(Within(ReadNumber(text_), context.subtitleCount));
  Escape(context);
  return std::nullopt;
}

void LineField::Escape(const FieldContext&) { text_ = std::to_string(value_); }

bool LineField::AcceptsKey(char key, bool, const FieldContext&) const { return IsDigit(key); }

FieldRead<std::int32_t> LineField::Read(std::string_view text, const FieldContext& context) {
  LineField field(false);
  field.Changed(text, context);
  field.Exit(context);
  if (!IsAllDigits(text) || text.size() > 9)
    return FieldRead<std::int32_t>::Refused("'" + std::string(text) + "' is not a subtitle number");
  if (field.value_ != ReadNumber(text))
    return FieldRead<std::int32_t>::Refused("there is no subtitle " + std::string(text) +
                                            ": the subtitles are numbered 1 to " +
                                            std::to_string(context.subtitleCount));
  return {field.value_, {}};
}

}  // namespace tessary
