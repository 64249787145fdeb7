// The tool's application object: starts the common controls and the tool's services, runs the
// main window modally, and ends the program when that window closes.
#pragma once

class CMEKApp {
 public:
  // Returns false: there is nothing to run once the main window has closed.
  bool InitInstance(const char* commandLine);
};
