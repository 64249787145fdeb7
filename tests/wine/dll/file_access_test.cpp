// The library's own file opening on Windows: a job file may still be read by others while it
// is sent, but nobody may change it under the machine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "file_access.h"
#include "file_error_text.h"

namespace {

std::string TempPath(const char* name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

void WriteFileWith(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

TEST(Win32FileAccessTest, OthersMayReadTheOpenFileButNotWriteIt) {
  const std::string path = TempPath("hvx_file_access_test.prn");
  WriteFileWith(path, "G0 X1\n");
  int error = 0;
  auto file = SystemFileAccess().OpenForSending(path, error);
  ASSERT_TRUE(file);

  HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(reader, INVALID_HANDLE_VALUE);
  if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
  HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
  if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);

  char buffer[16];
  EXPECT_EQ(file->Read(buffer, sizeof buffer), 6);
  EXPECT_EQ(file->Read(buffer, sizeof buffer), 0);
  file.reset();
  DeleteFileA(path.c_str());
}

TEST(Win32FileAccessTest, AMissingFileGivesTheNotFoundText) {
  const std::string path = TempPath("hvx_no_such_file.prn");
  DeleteFileA(path.c_str());
  int error = 0;
  EXPECT_FALSE(SystemFileAccess().OpenForSending(path, error));
  EXPECT_EQ(error, kFileNotFound);
  EXPECT_EQ(FileErrorMessage(error, path), path + " was not found.");
}

}  // namespace
