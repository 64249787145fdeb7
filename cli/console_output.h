// Standard output and standard error, behind a seam so that the program's output is tested
// without a console.
#pragma once

#include <string>

class IConsole {
 public:
  virtual ~IConsole() {}
  virtual void Out(const std::string& text) = 0;
  virtual void Err(const std::string& text) = 0;
  // Whether standard error is a console, where a line can be written over in place.
  virtual bool ErrIsConsole() = 0;
};
