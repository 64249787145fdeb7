#include "discovery_text.h"

#include <cctype>

namespace discovery_text {

namespace {
char UpperOf(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
}  // namespace

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string ToUpper(std::string text) {
  for (char& c : text) c = UpperOf(c);
  return text;
}

}  // namespace discovery_text
