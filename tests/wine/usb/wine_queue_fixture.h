// Printer queues added to the test prefix's spooler for one test and deleted afterwards. Wine's
// spooler accepts any driver name, and a queue whose port is a Unix file path writes every RAW
// job into that file byte for byte.
#pragma once

#include <string>
#include <vector>

// The model string that the library looks for.
constexpr const char* kModelDriver = "Varnel HVX-40";

class CQueueFixture {
 public:
  CQueueFixture() = default;
  ~CQueueFixture();

  // Adds the queue (replacing one of that name left by an earlier run); false on failure.
  bool AddQueue(const std::string& name, const std::string& driver, const std::string& port);

 private:
  CQueueFixture(const CQueueFixture&) = delete;
  CQueueFixture& operator=(const CQueueFixture&) = delete;

  std::vector<std::string> queues_;
};

// The Unix path of a file in the working directory, as a file port names it.
std::string UnixPathInWorkingDirectory(const std::string& fileName);
// A Windows path of a file in the working directory.
std::string FullPathInWorkingDirectory(const std::string& fileName);
// The whole content of a file; empty when it does not exist.
std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& content);
bool FileExists(const std::string& path);
// Waits until the spooler has written a file of that size (jobs are delivered in the
// background); the content found at the end of the wait.
std::string WaitForFile(const std::string& path, size_t size);
// A test pattern of every byte value, 0x00 and 0xFF included.
std::string EveryByteValue(size_t length);
