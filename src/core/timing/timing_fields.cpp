// The typed fields of the timing operations: each field's rules, found by the field.
#include "document/document.h"

namespace tessary {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string& Document::FieldText(TimingField field) {
  switch (field) {
    case TimingField::MultiplyValue:
      return fields.MultiplyValue;
    case TimingField::IncreaseDecreaseValue:
      return fields.IncreaseDecreaseValue;
    case TimingField::FirstLine:
      return fields.FirstLine;
    case TimingField::FirstPoint:
      return fields.FirstPoint;
    case TimingField::SecondLine:
      return fields.SecondLine;
    case TimingField::SecondPoint:
      return fields.SecondPoint;
    case TimingField::ChangeFrameRate:
      break;
  }
  return fields.ChangeFrameRateText;
}

void Document::FieldChanged(TimingField field, std::string_view text) {
  switch (field) {
    case TimingField::MultiplyValue:
      return MultiplyFieldChanged(text);
    case TimingField::IncreaseDecreaseValue:
      return ShiftFieldChanged(text);
    case TimingField::FirstLine:
    case TimingField::SecondLine:
      return LineFieldChanged(field == TimingField::SecondLine, text);
    case TimingField::FirstPoint:
    case TimingField::SecondPoint:
      return PointFieldChanged(field == TimingField::SecondPoint, text);
    case TimingField::ChangeFrameRate:
      return TargetRateChanged(text);
  }
}

void Document::FieldExit(TimingField field) {
  switch (field) {
    case TimingField::MultiplyValue:
      return MultiplyFieldExit();
    case TimingField::IncreaseDecreaseValue:
      return ShiftFieldExit();
    case TimingField::FirstLine:
    case TimingField::SecondLine:
      return LineFieldExit(field == TimingField::SecondLine);
    case TimingField::FirstPoint:
    case TimingField::SecondPoint:
      return PointFieldExit(field == TimingField::SecondPoint);
    case TimingField::ChangeFrameRate:
      return TargetRateExit();
  }
}

void Document::FieldEscape(TimingField field) {
  switch (field) {
    case TimingField::MultiplyValue:
      return MultiplyFieldEscape();
    case TimingField::IncreaseDecreaseValue:
      return ShiftFieldEscape();
    case TimingField::FirstLine:
    case TimingField::SecondLine:
      return LineFieldEscape(field == TimingField::SecondLine);
    case TimingField::FirstPoint:
    case TimingField::SecondPoint:
      return PointFieldEscape(field == TimingField::SecondPoint);
    case TimingField::ChangeFrameRate:
      return TargetRateEscape();
  }
}

bool Document::FieldAcceptsKey(TimingField field, char key, bool hasSelection) const {
  switch (field) {
    case TimingField::MultiplyValue:
      return MultiplyFieldAcceptsKey(key);
    case TimingField::IncreaseDecreaseValue:
      return ShiftFieldAcceptsKey(key, hasSelection);
    case TimingField::FirstLine:
    case TimingField::SecondLine:
      return IsDigit(key);
    case TimingField::FirstPoint:
    case TimingField::SecondPoint:
      return PointFieldAcceptsKey(field == TimingField::SecondPoint, key, hasSelection);
    case TimingField::ChangeFrameRate:
      break;
  }
  return true;
}

}  // namespace tessary
