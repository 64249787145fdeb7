// One run of HVX40MEK.exe in simulator mode beside the emulator, and the files it leaves.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CToolSession {
 public:
  ~CToolSession();
  bool Start(const std::string& arguments);
  // Closes the main window as the close box does and waits for the program to end; its exit
  // code, or -1 when it did not end.
  int Close(HWND mainWindow);
  HANDLE process() const { return process_; }

 private:
  HANDLE process_ = nullptr;
};

// The folder of the HVX40MEK.exe that Start runs, with a trailing backslash: the build's own, or
// an installed copy's where HVX_TOOL_FOLDER names one.
std::string ToolFolder();

// The log file that the tool writes under the model's prefix, and its lines.
std::string CurrentLogFile();
std::vector<std::string> ReadLines(const std::string& path);
// "HVX40CTR.DLL" in the temporary folder.
std::string WrittenLibraryPath();
bool FileExists(const std::string& path);
