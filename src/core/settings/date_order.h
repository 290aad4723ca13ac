#pragma once

#include <string>
#include <string_view>

// SwapDateOrder under the date order of g_settings: between the day-first
// stored form and the form the user types and sees.
std::string SwapDateOrder(std::string_view date);
