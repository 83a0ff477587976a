// How a file's bytes become the document's bytes and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

enum class TextEncoding { Windows1250, Utf8, Utf16LE, Utf16BE };

struct EncodingInfo {
  TextEncoding kind = TextEncoding::Windows1250;
  bool byteOrderMark = false;  // the file started with a byte-order mark
  // A typed character made the Windows-1250 document UTF-8 and the user was not told yet.
  bool utf8SwitchUntold = false;
  bool IsUtf8Document() const { return kind != TextEncoding::Windows1250; }
  // Makes the document UTF-8 (no mark) for a character that Windows-1250 cannot hold.
  void SwitchToUtf8() { *this = {TextEncoding::Utf8, false, true}; }
};

// The bytes of a file, as they are written: `head`, then `body`.
struct FileBytes {
  std::string_view head, body;
};

// The encoding's name as the window shows it: "Windows-1250", "UTF-8", "UTF-8 BOM", "UTF-16 LE"
// or "UTF-16 BE".
std::string EncodingName(const EncodingInfo& info);

// Turns a file's bytes into document bytes: the UTF-8 mark is set aside, UTF-16 becomes
// UTF-8 (a lone surrogate too, so that BytesForFile gives every byte back). Returns what the
// file was, or nothing for bytes that are no text in the encoding they are marked with (a
// UTF-16 file of odd length).
std::optional<EncodingInfo> DecodeFile(std::string& bytes);

// Returns the bytes to write for the document bytes `text` of a file that was `info`: the
// UTF-8 mark, if the file had one, and the text itself; or for UTF-16 the text converted,
// which is made in `converted`. Only a conversion copies the text.
FileBytes BytesForFile(std::string_view text, const EncodingInfo& info, std::string& converted);

// Appends the UTF-8 bytes of the code point `cp` to `out`.
void AppendUtf8(std::string& out, std::uint32_t cp);

// Returns the length of the valid UTF-8 multi-byte sequence at text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// True when the whole text is valid UTF-8 and holds at least one multi-byte sequence.
bool IsUtf8WithMultiByte(std::string_view text);

}  // namespace tessary
