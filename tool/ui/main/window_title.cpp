#include "window_title.h"

#include <algorithm>
#include <cstdio>

#include "../../../service/wrapper/hvx_controller.h"

std::string FormatVersionSuffix(const FileVersion& version) {
  char text[64];
  std::snprintf(text, sizeof text, " Ver. %d.%d%d", static_cast<int>(version.mostSignificant >> 16),
                static_cast<int>(version.mostSignificant & 0xFFFFu),
                static_cast<int>(version.leastSignificant >> 16));
  return text;
}

std::string ModelNameForTitle(const char* reportedName) {
  std::string name = (reportedName && *reportedName) ? reportedName : "HVX40";
  name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
  return name;
}

std::string FormatWindowTitle(const char* reportedName, const std::optional<FileVersion>& version) {
  std::string title = ModelNameForTitle(reportedName) + "MEK";
  if (version) title += FormatVersionSuffix(*version);
  return title;
}

std::string WindowTitleFor(CHVXController* controller, const std::optional<FileVersion>& version) {
  // Index 1, not 0: the name at index 1 is the one the tool's pages also use.
  const char* name = controller ? controller->GetDeviceNameAt(1) : nullptr;
  return FormatWindowTitle(name, version);
}
