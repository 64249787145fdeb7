// The fixed file version of the running program, from its own version resource.
#pragma once

#include <optional>

#include "main/window_title.h"

// Nothing when the program file carries no readable version resource.
std::optional<FileVersion> ReadProgramFileVersion();
