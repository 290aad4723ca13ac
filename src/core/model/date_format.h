#pragma once

// The order in which the user types and sees dates; stored dates are always
// day first. The settings keep it as the number 0 or 1.
enum class DateFormat : int { Uk = 0, Us = 1 };  // "dd/mm/yy", "mm/dd/yy"

// The date order a stored setting value stands for. A value other than 0 or 1
// passes through as it is: each rule says which order it shows it in.
constexpr DateFormat DateFormatOf(int setting) {
  return static_cast<DateFormat>(setting);
}
