#pragma once

#include <string>
#include <string_view>

// The encodings a text file of this program may come in, told apart by the
// byte-order mark at its start. The program works on UTF-8 text inside.
enum class TextEncoding { Utf8, Utf8WithMark, Utf16Le, Utf16Be };

struct DecodedText {
  std::string text;  // UTF-8, without the byte-order mark
  TextEncoding encoding = TextEncoding::Utf8;
};

// UTF-16 with its mark becomes UTF-8; a broken pair of surrogates or a last
// odd byte reads as U+FFFD. Text without a UTF-16 mark stays as it is.
DecodedText DecodeText(std::string_view bytes);
// Whether bytes without a UTF-16 mark look like UTF-16 all the same (more than
// half of the bytes at even, or at odd, places are zero): DecodeText reads
// them as UTF-8, and the user should be told.
bool LooksLikeUtf16WithoutMark(std::string_view bytes);
// The text in an encoding, with its byte-order mark.
std::string EncodeText(std::string_view utf8, TextEncoding encoding);
