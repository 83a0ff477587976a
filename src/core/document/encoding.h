// How a file's bytes become the document's bytes and back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

enum class TextEncoding { Windows1250, Utf8, Utf16LE, Utf16BE };

struct EncodingInfo {
  TextEncoding kind = TextEncoding::Windows1250;
  bool byteOrderMark = false;  // the file started with a byte-order mark
  bool IsUtf8Document() const { return kind != TextEncoding::Windows1250; }
};

// The bytes of a file, as they are written: `head`, then `body`.
struct FileBytes {
  std::string_view head, body;
};

// Turns a file's bytes into document bytes: the UTF-8 mark is set aside, UTF-16 becomes
// UTF-8. Returns what the file was.
EncodingInfo DecodeFile(std::string& bytes);

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
