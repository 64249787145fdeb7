// Sending a file as a job: the file is opened here, a file that cannot be opened is reported
// with the standard box, and the job keeps the caller's name or the default one.
#include <cstdio>
#include <fstream>

#include "file_access.h"
#include "file_error_text.h"
#include "table_fixture.h"

namespace {

class CEmptyFile : public CFileSource {
 public:
  explicit CEmptyFile(std::string path) : path_(std::move(path)) {}
  int Read(void*, int) override { return 0; }
  std::string FullPath() const override { return path_; }

 private:
  std::string path_;
};

class CFakeFileAccess : public CFileAccess {
 public:
  std::unique_ptr<CFileSource> OpenForSending(const std::string& path, int& error) override {
    opened.push_back(path);
    if (openError != 0) {
      error = openError;
      return nullptr;
    }
    return std::make_unique<CEmptyFile>(path);
  }
  void ShowFileError(const std::string& message) override { messages.push_back(message); }

  int openError = 0;
  std::vector<std::string> opened;
  std::vector<std::string> messages;
};

class OutputFileTest : public TableTest {
 protected:
  OutputFileTest() { SetFileAccess(&files); }
  ~OutputFileTest() override { SetFileAccess(nullptr); }
  CFakeFileAccess files;
};

TEST_F(OutputFileTest, HandsTheOpenFileToTheTransportUnderTheJobNameOrTheDefault) {
  const char* path = "C:\\cut\\part.prn";
  EXPECT_TRUE(tables.hvx.OutputFile(&path, "output"));
  EXPECT_EQ(files.opened, std::vector<std::string>{"C:\\cut\\part.prn"});
  EXPECT_EQ(machine.fileSends, 1);
  EXPECT_EQ(machine.sentFilePath, "C:\\cut\\part.prn");
  EXPECT_EQ(machine.sentJobName, "output");
  EXPECT_TRUE(tables.hvx.OutputFile(&path, nullptr));
  EXPECT_EQ(machine.sentJobName, "RireveZirariduda");
  machine.sendFileResult = false;
  EXPECT_FALSE(tables.hvx.OutputFile(&path, "output"));
  EXPECT_TRUE(files.messages.empty());
}

TEST_F(OutputFileTest, AFileThatCannotBeOpenedIsReportedOnceAndNotSent) {
  struct Case {
    int error;
    const char* message;
  };
  const Case cases[] = {
      {kFileNotFound, "C:\\cut\\gone.prn was not found."},
      {kSharingViolation, "A sharing violation occurred while accessing C:\\cut\\gone.prn."},
      {kAccessDenied, "Access to C:\\cut\\gone.prn was denied."},
      {kPathNotFound, "C:\\cut\\gone.prn contains an invalid path."},
      {kInvalidName, "C:\\cut\\gone.prn contains an invalid path."},
      {kTooManyOpenFiles,
       "C:\\cut\\gone.prn could not be opened because there are too many open files."},
      {kInvalidHandle, "An invalid file handle was associated with C:\\cut\\gone.prn."},
      {kLockViolation, "A locking violation occurred while accessing C:\\cut\\gone.prn."},
      {kDiskFull, "Disk full while accessing C:\\cut\\gone.prn."},
      {1234, "An unexpected error occurred while accessing C:\\cut\\gone.prn."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    files.messages.clear();
    files.openError = c.error;
    const char* path = "C:\\cut\\gone.prn";
    EXPECT_FALSE(tables.hvx.OutputFile(&path, "output"));
    EXPECT_EQ(files.messages, std::vector<std::string>{c.message});
  }
  EXPECT_EQ(machine.fileSends, 0);
}

TEST_F(OutputFileTest, NoPathAtAllFailsWithoutSending) {
  files.openError = kPathNotFound;
  const char* nothing = nullptr;
  EXPECT_FALSE(tables.hvx.OutputFile(&nothing, "output"));
  EXPECT_FALSE(tables.hvx.OutputFile(nullptr, "output"));
  EXPECT_EQ(files.messages.size(), 2u);
  EXPECT_EQ(machine.fileSends, 0);
}

TEST(SystemFileAccessTest, ReadsAWholeFileAndTellsAMissingOneApart) {
  const std::string path = ::testing::TempDir() + "hvx_output_file_test.prn";
  { std::ofstream(path, std::ios::binary) << "G0 X1\n"; }
  int error = 0;
  auto file = SystemFileAccess().OpenForSending(path, error);
  ASSERT_TRUE(file);
  char buffer[16];
  EXPECT_EQ(file->Read(buffer, sizeof buffer), 6);
  EXPECT_EQ(file->Read(buffer, sizeof buffer), 0);
  file.reset();
  std::remove(path.c_str());
  EXPECT_FALSE(SystemFileAccess().OpenForSending(path, error));
  EXPECT_EQ(error, kFileNotFound);
}

}  // namespace
