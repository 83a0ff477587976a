// The editing area as the document sees it: document bytes with CR LF line breaks,
// positions counted in bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

class EditorView {
 public:
  virtual ~EditorView() = default;
  // The whole text; valid until the text is next changed.
  virtual const std::string& Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
  // The same, for a text the caller no longer needs.
  virtual void SetText(std::string&& text) { SetText(std::string_view(text)); }
  virtual std::size_t CaretPosition() const = 0;
  virtual void SetCaretPosition(std::size_t position) = 0;
  virtual void ScrollCaretIntoView() = 0;
  // Colours the bytes [start, start + length) of the text.
  virtual void ColourRange(std::size_t start, std::size_t length, Rgb colour) = 0;
  // Gives the whole text the configured text colour again.
  virtual void ResetColour() = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual int HeightPixels() const = 0;
  virtual int FontSizePoints() const = 0;
};

}  // namespace tessary
