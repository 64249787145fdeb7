#include "elapsed_text.h"

#include <cstdio>

std::string ElapsedText(uint32_t elapsedMs) {
  const uint32_t seconds = elapsedMs / 1000;
  const uint32_t hours = seconds / 3600;
  char text[48];
  if (hours > 0) {
    std::snprintf(text, sizeof text, "Elapsed time: %u:%02u:%02u", static_cast<unsigned>(hours),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
  } else {
    std::snprintf(text, sizeof text, "Elapsed time: %u:%02u", static_cast<unsigned>(seconds / 60),
                  static_cast<unsigned>(seconds % 60));
  }
  return text;
}

std::string ProgressLine(uint32_t elapsedMs, int cycles) {
  const std::string elapsed = ElapsedText(elapsedMs);
  return cycles < 0 ? elapsed : elapsed + "   Cycles: " + std::to_string(cycles);
}
