#include "ports/string_editor.h"

#include <algorithm>

namespace tessary {

void StringEditor::SetText(std::string_view text) {
  text_.assign(text);
  caret_ = 0;
  colourings_.clear();
}

// Swapped, not moved: a move from a short text would keep the old text's memory.
void StringEditor::SetText(std::string&& text) {
  text_.swap(text);
  caret_ = 0;
  colourings_.clear();
}

void StringEditor::SetCaretPosition(std::size_t position) { caret_ = std::min(position, text_.size()); }

void StringEditor::ColourRange(std::size_t start, std::size_t length, Rgb colour) {
  colourings_.push_back({start, length, colour});
}

void StringEditor::SetGeometry(int heightPixels, int fontSizePoints) {
  heightPixels_ = heightPixels;
  fontSizePoints_ = fontSizePoints;
}

}  // namespace tessary
