// Which bytes of a document count as text.
#pragma once

#include <cstdint>
#include <string_view>

namespace tessary {

// The number of bytes of the line that are not text: text is printable ASCII but "+" and
// "=", and the letters of the Windows-1250 code page; in a UTF-8 document every byte of a
// valid multi-byte sequence is text as well.
std::int64_t CountNonText(std::string_view line, bool utf8);

}  // namespace tessary
