// An editing area kept in a string: used by the command-line program and the tests.
#pragma once

#include <vector>

#include "ports/editor_view.h"

namespace tessary {

class StringEditor : public EditorView {
 public:
  struct Colouring {
    std::size_t start, length;
    Rgb colour;
  };

  const std::string& Text() const override { return text_; }
  void SetText(std::string_view text) override;
  void SetText(std::string&& text) override;
  std::size_t CaretPosition() const override { return caret_; }
  void SetCaretPosition(std::size_t position) override;
  void ScrollCaretIntoView() override {}
  void ColourRange(std::size_t start, std::size_t length, Rgb colour) override;
  void ResetColour() override { colourings_.clear(); }
  void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
  int HeightPixels() const override { return heightPixels_; }
  int FontSizePoints() const override { return fontSizePoints_; }

  bool ReadOnly() const { return readOnly_; }
  const std::vector<Colouring>& Colourings() const { return colourings_; }
  void SetGeometry(int heightPixels, int fontSizePoints);

 private:
  std::string text_;
  std::size_t caret_ = 0;
  bool readOnly_ = true;
  int heightPixels_ = 400;
  int fontSizePoints_ = 10;
  std::vector<Colouring> colourings_;
};

}  // namespace tessary
