// The file boxes' filter lists. Callers write them as one text with "|" between the entries'
// names and patterns ("Text file (*.txt)|*.txt|all |*.*||"); the system wants NUL separators
// and a double NUL at the end. Portable.
#pragma once

#include <string>

// The system's form of a "|" filter list; the result holds embedded NULs and ends with two.
std::string FilterToSystemList(const std::string& barList);
