#include "command_line.h"

#include <cctype>
#include <sstream>
#include <string>

bool HasSimulatorSwitch(const char* commandLine) {
  std::istringstream words(commandLine ? commandLine : "");
  std::string word;
  while (words >> word) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "/simulator") return true;
  }
  return false;
}
