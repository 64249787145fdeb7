// The main window's title: the model name the library reports, "MEK" and the program version.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class CHVXController;

// The fixed file version of the program, as its version resource holds it.
struct FileVersion {
  uint32_t mostSignificant;
  uint32_t leastSignificant;
};

// " Ver. 2.13" for version 2.1.3.x: the minor and build numbers are written side by side.
std::string FormatVersionSuffix(const FileVersion& version);

// The name the library reports at index 1 without its dashes, or "HVX40" when none is reported.
std::string ModelNameForTitle(const char* reportedName);

// Model name + "MEK" + version suffix; without a readable version the title has no suffix.
std::string FormatWindowTitle(const char* reportedName, const std::optional<FileVersion>& version);

// Reads the name at index 1 from the wrapper (which may be null) and formats the title.
std::string WindowTitleFor(CHVXController* controller, const std::optional<FileVersion>& version);
