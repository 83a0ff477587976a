#include "document/encoding.h"

#include <cstdint>
#include <cstring>

namespace tessary {

std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
  auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = b(i);
  std::size_t n;
  std::uint32_t cp;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    cp = c & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not valid.
  if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return 0;
  if (cp >= 0xD800 && cp <= 0xDFFF) return 0;
  return n;
}

bool IsUtf8WithMultiByte(std::string_view s) {
  bool multi = false;
  for (std::size_t i = 0; i < s.size();) {
    // Plain ASCII is skipped eight bytes at a time.
    std::uint64_t word;
    if (i + 8 <= s.size() && (std::memcpy(&word, s.data() + i, 8), (word & 0x8080808080808080ULL) == 0)) {
      i += 8;
      continue;
    }
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    std::size_t n = Utf8SequenceLength(s, i);
    if (n == 0) return false;
    multi = true;
    i += n;
  }
  return multi;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

namespace {

// UTF-16 to UTF-8; a lone surrogate is kept as its own three-byte form so that writing
// the document back restores it exactly.
std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) -> std::uint32_t {
    auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
    auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
    return (static_cast<std::uint32_t>(hi) << 8) | lo;
  };
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n; i += 2) {
    std::uint32_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < n) {
      std::uint32_t v = unit(i + 2);
      if (v >= 0xDC00 && v <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, u);
  }
  return out;
}

// The three-byte form of U+D800..U+DFFF that FromUtf16 gives a lone surrogate.
bool IsLoneSurrogateForm(std::string_view s, std::size_t i) {
  auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  return i + 2 < s.size() && b(0) == 0xED && b(1) >= 0xA0 && b(1) <= 0xBF && b(2) >= 0x80 && b(2) <= 0xBF;
}

std::string ToUtf16(std::string_view s, bool bigEndian) {
  std::string out;
  out.reserve(s.size() * 2 + 2);
  auto put = [&](std::uint32_t u) {
    char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out.push_back(bigEndian ? hi : lo);
    out.push_back(bigEndian ? lo : hi);
  };
  put(0xFEFF);
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    std::uint32_t cp;
    std::size_t n = c < 0x80 ? 1 : Utf8SequenceLength(s, i);
    if (n == 1) {
      cp = c;
    } else if (n > 1) {
      cp = c & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
      for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    } else if (IsLoneSurrogateForm(s, i)) {
      // A lone surrogate kept from the file.
      cp = ((c & 0x0F) << 12) | ((static_cast<unsigned char>(s[i + 1]) & 0x3F) << 6) |
           (static_cast<unsigned char>(s[i + 2]) & 0x3F);
      n = 3;
    } else {
      cp = 0xFFFD;
      n = 1;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      put(0xD800 + (cp >> 10));
      put(0xDC00 + (cp & 0x3FF));
    } else {
      put(cp);
    }
    i += n;
  }
  return out;
}

}  // namespace

std::string EncodingName(const EncodingInfo& info) {
  switch (info.kind) {
    case TextEncoding::Windows1250:
      return "Windows-1250";
    case TextEncoding::Utf8:
      return info.byteOrderMark ? "UTF-8 BOM" : "UTF-8";
    case TextEncoding::Utf16LE:
      return "UTF-16 LE";
    case TextEncoding::Utf16BE:
      return "UTF-16 BE";
  }
  return {};
}

std::optional<EncodingInfo> DecodeFile(std::string& bytes) {
  const std::string_view b = bytes;
  if (b.starts_with("\xEF\xBB\xBF")) {
    bytes.erase(0, 3);
    return EncodingInfo{TextEncoding::Utf8, true};
  }
  if (b.starts_with("\xFF\xFE") || b.starts_with("\xFE\xFF")) {
    // A dangling byte has no character to become and could not be written back.
    if (bytes.size() % 2 != 0) return std::nullopt;
    bool big = bytes[0] == '\xFE';
    bytes = FromUtf16(std::string_view(bytes).substr(2), big);
    return EncodingInfo{big ? TextEncoding::Utf16BE : TextEncoding::Utf16LE, true};
  }
  if (IsUtf8WithMultiByte(bytes)) return EncodingInfo{TextEncoding::Utf8, false};
  return EncodingInfo{TextEncoding::Windows1250, false};
}

FileBytes BytesForFile(std::string_view text, const EncodingInfo& info, std::string& converted) {
  switch (info.kind) {
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
      converted = ToUtf16(text, info.kind == TextEncoding::Utf16BE);
      return {{}, converted};
    default:
      return {info.byteOrderMark ? "\xEF\xBB\xBF" : "", text};
  }
}

}  // namespace tessary
