#include "file_filter.h"

std::string FilterToSystemList(const std::string& barList) {
  std::string list = barList;
  for (char& c : list)
    if (c == '|') c = '\0';
  // The list must end with an empty entry name, which a caller's missing "||" would leave out.
  while (list.size() < 2 || list[list.size() - 1] != '\0' || list[list.size() - 2] != '\0')
    list += '\0';
  return list;
}
