// What every typed timing field shares: the outside values its rules read, the refusal its
// exit may make, and the reading of a value for the command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/message_table.h"

namespace tessary {

// The unit the timing fields show amounts and points in (rbFrames / rbTime).
enum class DisplayUnit { Frames, Time };

// What a field's rules need from outside the field.
struct FieldContext {
  DisplayUnit unit = DisplayUnit::Frames;
  double frameRate = 25;
  bool comma = true;      // SubRip times are written with a comma
  int subtitleCount = 0;  // 0 while no subtitle is loaded
};

// Why a field refuses a value: a message of the table followed by `detail`, or (for a reader
// on the command line, where the window would quietly mend the text) `detail` alone.
struct FieldRefusal {
  std::optional<Msg> message;
  std::string detail;

  std::string Text(const MessageTable& messages) const { return message ? messages[*message] + detail : detail; }
};

// A value read strictly from a text, or the reason the field would not take the text as it is.
template <typename T>
struct FieldRead {
  std::optional<T> value;
  FieldRefusal refusal;

  static FieldRead Refused(std::string detail) { return {std::nullopt, {std::nullopt, std::move(detail)}}; }
};

// The rules of a field as the window meets them: every change of the text (which may clean
// it), leaving the field or Enter (which commits it; a refusal is returned for the caller to
// show), Escape (the value in force is shown again), and the filter of typed characters.
class TypedField {
 public:
  virtual ~TypedField() = default;
  const std::string& Text() const { return text_; }
  virtual void Changed(std::string_view text, const FieldContext& context) = 0;
  virtual std::optional<FieldRefusal> Exit(const FieldContext& context) = 0;
  virtual void Escape(const FieldContext& context) = 0;
  virtual bool AcceptsKey(char key, bool hasSelection, const FieldContext& context) const = 0;

 protected:
  explicit TypedField(std::string text) : text_(std::move(text)) {}
  TypedField(const TypedField&) = default;
  TypedField& operator=(const TypedField&) = default;
  std::string text_;
};

// `text` keeping only digits, and with `separators` also "." and ",".
std::string DigitsOf(std::string_view text, bool separators);

}  // namespace tessary
