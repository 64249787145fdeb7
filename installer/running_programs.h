// The installer's refusal to remove or replace the programs while one of them runs: Windows
// would leave a running program's files behind until the next restart, half removed.
#pragma once

#include <string>
#include <vector>

// The file names of the running programs whose images lie in the folder (any letter case, with
// or without a trailing backslash), each named once, in the order met.
std::vector<std::string> ProgramsRunningFrom(const std::string& folder,
                                             const std::vector<std::string>& imagePaths);

// The installer's message for those programs; nothing is changed after it.
std::string RunningProgramsMessage(const std::vector<std::string>& fileNames);
