#pragma once

#include <string_view>

// Reads a number "the simple way": leading white space skipped, an optional
// sign, then decimal digits up to the first non-digit; no digits gives 0.
// Values beyond the range of int are clamped rather than overflowing.
int ReadNumber(std::string_view text);
