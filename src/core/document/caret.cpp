#include "document/caret.h"

#include <algorithm>

#include "document/document.h"

namespace tessary {

TextLocation LocationOf(std::string_view text, std::size_t position) {
  position = std::min(position, text.size());
  std::string_view before = text.substr(0, position);
  int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\r'));
  std::size_t lastBreak = before.find_last_of("\r\n");
  int column = 1 + static_cast<int>(lastBreak == std::string_view::npos ? position : position - lastBreak - 1);
  return {line, column};
}

std::size_t StartOfLine(std::string_view text, int line) {
  std::size_t position = 0;
  for (int n = 1; n < line; ++n) {
    std::size_t cr = text.find('\r', position);
    if (cr == std::string_view::npos) return text.size();
    position = cr + 1;
    if (position < text.size() && text[position] == '\n') ++position;
  }
  return position;
}

namespace {
// True when the text has at least `line` lines, that is line - 1 CR characters.
bool HasLine(std::string_view text, int line) {
  std::size_t from = 0;
  for (int found = 0; found < line - 1; ++found) {
    from = text.find('\r', from);
    if (from == std::string_view::npos) return false;
    ++from;
  }
  return true;
}
}  // namespace

void Document::GetLocNr() {
  const std::string& text = editor_.Text();
  TextLocation at = LocationOf(text, editor_.CaretPosition());
  CaretLine_ = at.line;
  CaretColumn_ = at.column;
}

void Document::GoToLocNr(int line, int column, bool highlight) {
  const std::string& text = editor_.Text();
  if (line < 1 || !HasLine(text, line)) {
    Rendering_ = false;
    return;
  }
  Rendering_ = true;
  if (HighlightActive_) editor_.ResetColour();
  HighlightActive_ = highlight;

  int font = editor_.FontSizePoints();
  int margin = font > 0 ? editor_.HeightPixels() / font / 4 : 0;
  for (int target : {line + margin, line - margin, line}) {
    editor_.SetCaretPosition(StartOfLine(text, std::max(target, 1)));
    editor_.ScrollCaretIntoView();
  }
  const std::size_t start = StartOfLine(text, line);
  if (highlight) {
    std::size_t end = text.find('\r', start);
    if (end == std::string::npos) end = text.size();
    const bool darkText = settings_.FontColour >= -872 && settings_.FontColour <= 1128;
    editor_.ColourRange(start, end - start, darkText ? Rgb{0, 128, 0} : Rgb{128, 0, 0});
  }
  editor_.SetCaretPosition(std::min(text.size(), start + static_cast<std::size_t>(std::max(column, 1) - 1)));
  Rendering_ = false;
}

}  // namespace tessary
