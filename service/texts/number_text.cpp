#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

const char kNotANumberText[] = "Please enter a number.";
const char kNumberRangeText[] = "Please enter a number between %1 and %2.";

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool StartsLikeNumber(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

}  // namespace

bool ParseNumber(const std::string& text, double& value) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  // strtod would also take "inf", "nan" and hexadecimal forms; a field wants plain decimals.
  if (begin == end || !StartsLikeNumber(text[begin])) return false;
  const std::string trimmed = text.substr(begin, end - begin);
  if (trimmed.find_first_of("xXpP") != std::string::npos) return false;
  char* stop = nullptr;
  const double parsed = std::strtod(trimmed.c_str(), &stop);
  if (stop != trimmed.c_str() + trimmed.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

std::string FormatNumber(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

std::string FillPlaceholders(const std::string& pattern, std::initializer_list<std::string> args) {
  const std::vector<std::string> values(args);
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t number = static_cast<size_t>(next - '0');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= values.size()) {
      out += values[number - 1];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string NumberRangeText(double min, double max) {
  return FillPlaceholders(kNumberRangeText, {FormatNumber(min), FormatNumber(max)});
}
