#include "fields/field.h"

#include "document/units.h"

namespace tessary {

std::string DigitsOf(std::string_view text, bool separators) {
  std::string kept;
  for (char c : text)
    if (IsDigit(c) || (separators && (c == '.' || c == ','))) kept += c;
  return kept;
}

}  // namespace tessary
