#include "current_list.h"

#include <cctype>

std::vector<std::string> CurrentEntriesFor(const std::string& axisText) {
  if (axisText == "X" || axisText == "Y" || axisText == "Z") return {"50%", "70%", "100%"};
  return {};
}

int LeadingPercent(const std::string& currentText) {
  size_t i = 0;
  while (i < currentText.size() && (currentText[i] == ' ' || currentText[i] == '\t')) ++i;
  int value = 0;
  // Three digits are more than any current; stopping there keeps the value in range.
  for (int digits = 0; i < currentText.size() && digits < 3; ++i, ++digits) {
    if (!std::isdigit(static_cast<unsigned char>(currentText[i]))) break;
    value = value * 10 + (currentText[i] - '0');
  }
  return value;
}
