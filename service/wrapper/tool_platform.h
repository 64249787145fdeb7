// What the tool needs from the operating system to write out, load and release the device
// service library and to hand a buffer over as a file. The Win32 adapters live in tool/app;
// tests supply fakes, so the wrapper's rules run without Windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Why a file operation failed, as the file-error box tells it to the engineer.
enum class FileFault { kNone, kNotFound, kAccessDenied, kSharingViolation, kDiskFull, kGeneric };

class CLibraryLoader {
 public:
  virtual ~CLibraryLoader() {}
  virtual void* Load(const std::string& path) = 0;  // null when it cannot be loaded
  virtual void* GetProc(void* module, const char* exportName) = 0;
  virtual void Free(void* module) = 0;
};

class CFileStore {
 public:
  virtual ~CFileStore() {}
  // The user's temporary folder, ending with a backslash; false when there is none.
  virtual bool TempFolder(std::string& folder) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual FileFault ReadAll(const std::string& path, std::vector<uint8_t>& bytes) = 0;
  // Creates or truncates the file and writes the bytes.
  virtual FileFault WriteAll(const std::string& path, const void* data, size_t length) = 0;
  virtual FileFault Remove(const std::string& path) = 0;
  // Appends, creating the file when missing.
  virtual FileFault Append(const std::string& path, const std::string& text) = 0;
  // The file's size in bytes, or -1 when it cannot be opened.
  virtual int64_t Size(const std::string& path) = 0;
  virtual FileFault Rename(const std::string& from, const std::string& to) = 0;
};

class CUserNotice {
 public:
  virtual ~CUserNotice() {}
  virtual void Message(const std::string& text) = 0;  // plain box with an OK button only
  virtual void FileError(const std::string& path, FileFault fault) = 0;
};

// The library image that the tool carries as its resource of type "DLL", id 130.
class CEmbeddedLibrary {
 public:
  virtual ~CEmbeddedLibrary() {}
  // False when the resource is missing or empty.
  virtual bool Read(std::vector<uint8_t>& bytes) = 0;
};

struct CToolPlatform {
  CLibraryLoader& loader;
  CFileStore& files;
  CUserNotice& notice;
  CEmbeddedLibrary& image;
};
