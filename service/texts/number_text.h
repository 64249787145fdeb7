// Numbers as the engineer types and reads them in the tool's fields, and the texts that refuse
// a bad entry. Portable.
#pragma once

#include <initializer_list>
#include <string>

extern const char kNotANumberText[];    // "Please enter a number."
extern const char kNumberRangeText[];   // "Please enter a number between %1 and %2."

// Accepts a decimal number with optional blanks or tabs around it. Empty text, trailing
// characters, infinities and NaN are not numbers. value is left alone on failure.
bool ParseNumber(const std::string& text, double& value);

// Up to 15 significant digits without trailing zeros: 100.0 shows as 100, 99.80 as 99.8.
std::string FormatNumber(double value);

// Replaces %1, %2, ... with the arguments in order; a placeholder without argument stays.
std::string FillPlaceholders(const std::string& pattern, std::initializer_list<std::string> args);

// "Please enter a number between <min> and <max>." with both bounds formatted as numbers.
std::string NumberRangeText(double min, double max);
