#include "core/platform/text_encoding.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendUtf16(std::string& out, char16_t unit, bool littleEndian) {
  const char high = static_cast<char>(unit >> 8);
  const char low = static_cast<char>(unit & 0xFF);
  out += littleEndian ? low : high;
  out += littleEndian ? high : low;
}

bool IsHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}

bool IsLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}

std::string Utf16ToUtf8(std::string_view bytes, bool littleEndian) {
  const auto unitAt = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return littleEndian ? (second << 8 | first) : (first << 8 | second);
  };
  std::string out;
  out.reserve(bytes.size() / 2);
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = unitAt(i);
    if (IsHighSurrogate(unit) && i + 3 < bytes.size() && IsLowSurrogate(unitAt(i + 2))) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
      i += 2;
    } else {
      AppendUtf8(out, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit);
    }
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacement);
  return out;
}

// The next code point of UTF-8 text at pos; a byte that starts no valid
// sequence reads as U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int more = 0;
  char32_t c = 0;
  if ((lead & 0xE0) == 0xC0) {
    more = 1;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    more = 2;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    more = 3;
    c = lead & 0x07;
  } else {
    return kReplacement;
  }
  const std::size_t start = pos;
  for (int k = 0; k < more; ++k) {
    if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
      pos = start;
      return kReplacement;
    }
    c = (c << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
  }
  return c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c) ? kReplacement : c;
}

std::string Utf8ToUtf16(std::string_view text, bool littleEndian) {
  std::string out;
  out.reserve(text.size() * 2 + 2);
  AppendUtf16(out, 0xFEFF, littleEndian);
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCodePoint(text, pos);
    if (c < 0x10000) {
      AppendUtf16(out, static_cast<char16_t>(c), littleEndian);
    } else {
      AppendUtf16(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)), littleEndian);
      AppendUtf16(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)), littleEndian);
    }
  }
  return out;
}

}  // namespace

DecodedText DecodeText(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LeMark)) {
    return {Utf16ToUtf8(bytes.substr(2), true), TextEncoding::Utf16Le};
  }
  if (bytes.starts_with(kUtf16BeMark)) {
    return {Utf16ToUtf8(bytes.substr(2), false), TextEncoding::Utf16Be};
  }
  if (bytes.starts_with(kUtf8Mark)) {
    return {std::string(bytes.substr(kUtf8Mark.size())), TextEncoding::Utf8WithMark};
  }
  return {std::string(bytes), TextEncoding::Utf8};
}

bool LooksLikeUtf16WithoutMark(std::string_view bytes) {
  if (bytes.size() < 2 || bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
    return false;
  }
  std::size_t zeros[2] = {0, 0};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\0') ++zeros[i % 2];
  }
  // Latin text in UTF-16: every other byte is zero.
  const std::size_t units = bytes.size() / 2;
  return zeros[0] * 2 > units || zeros[1] * 2 > units;
}

std::string EncodeText(std::string_view utf8, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le:
      return Utf8ToUtf16(utf8, true);
    case TextEncoding::Utf16Be:
      return Utf8ToUtf16(utf8, false);
    case TextEncoding::Utf8WithMark:
      return std::string(kUtf8Mark) + std::string(utf8);
    case TextEncoding::Utf8:
      break;
  }
  return std::string(utf8);
}
