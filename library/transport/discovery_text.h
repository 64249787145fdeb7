// How names read from the spooler and the registry are compared: case-insensitively (the shared
// EqualsIgnoringCase), and the other ways discovery needs.
#pragma once

#include <string>

#include "equals_ignoring_case.h"

namespace discovery_text {

using ::EqualsIgnoringCase;
// Case-sensitive substring search.
bool Contains(const std::string& text, const std::string& part);
std::string ToUpper(std::string text);

}  // namespace discovery_text
