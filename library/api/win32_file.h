// A file opened through CreateFileA and closed with the object: the one Win32 file adapter,
// under the library's sending of files and the tool's whole-file transfers. Either way others
// may read the file while it is open but not write it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "hvx40_facts.h"  // OsHandle

class CWin32File {
 public:
  enum class Access { kReadExisting, kCreateForWriting };

  // Opening an existing file for reading, or creating (or truncating) one for writing.
  CWin32File(const std::string& path, Access access);
  ~CWin32File();
  CWin32File(const CWin32File&) = delete;
  CWin32File& operator=(const CWin32File&) = delete;

  bool IsOpen() const;
  // The system's error number of the open, read or write that failed last.
  unsigned long LastError() const { return error_; }
  // Reads up to length bytes: the count read, 0 at the end of the file, -1 on a read error.
  int Read(void* buffer, uint32_t length);
  // Writes every byte, in pieces of at most 1 MB; false at the first piece the system refuses
  // or writes nothing of.
  bool WriteAll(const void* data, size_t length);

 private:
  void KeepError();

  OsHandle handle_;
  unsigned long error_ = 0;
};
