// The log: the stamp's exact form, what lands in which file, the rotation's size limit and
// order, and the panel's newest-first text with its bound.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "../../../service/log/log_book.h"
#include "../../../service/log/log_window.h"
#include "fake_platform.h"

namespace {

class FixedClock : public CLogClock {
 public:
  bool LocalNow(std::tm& now) override {
    if (broken) return false;
    now = std::tm{};
    now.tm_year = 2014 - 1900;
    now.tm_mon = 2;
    now.tm_mday = 5;
    now.tm_hour = 14;
    now.tm_min = 7;
    now.tm_sec = seconds;
    return true;
  }
  bool broken = false;
  int seconds = 9;
};

class RecordingWindow : public CLogWindow {
 public:
  void ShowText(const std::string& text) override { shown = text; }
  std::string shown;
};

std::string ReadText(const std::string& winPath) {
  std::ifstream in(HostPath(winPath), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const std::string& winPath, const std::string& text) {
  std::ofstream(HostPath(winPath), std::ios::binary) << text;
}

class LogFiles : public ::testing::Test {
 protected:
  std::string File(const std::string& prefix, int n) {
    return LogFileName(scratch.WinPath(), prefix, n);
  }
  ScratchFolder scratch;
  TestFileStore files{scratch.WinPath()};
  FixedClock clock;
  bool folderFound = true;
  CLogBook book{files, clock, [this](std::string& folder) {
                  folder = scratch.WinPath();
                  return folderFound;
                }};
};

const std::string kPrefix = "Varnel HVX-40";
const std::string kStamp = "2014/03/05 14:07:09 ";

}  // namespace

TEST_F(LogFiles, EntryIsStampedAndAppendedWithCrLfToFileZero) {
  EXPECT_EQ(kStamp + "Open MEK", book.Record(kPrefix, "Open MEK"));
  book.Record(kPrefix, "Connected");
  EXPECT_EQ(scratch.WinPath() + "\\Varnel HVX-40_log00.txt", File(kPrefix, 0));
  EXPECT_EQ(kStamp + "Open MEK\r\n" + kStamp + "Connected\r\n", ReadText(File(kPrefix, 0)));
}

TEST_F(LogFiles, EachPrefixTakenLiterallyHasItsOwnFileSet) {
  book.Record("A", "one");
  book.Record("B", "two");
  EXPECT_EQ(kStamp + "one\r\n", ReadText(File("A", 0)));
  EXPECT_EQ(kStamp + "two\r\n", ReadText(File("B", 0)));
  book.Record("", "a");
  EXPECT_EQ(kStamp + "a\r\n", ReadText(scratch.WinPath() + "\\_log00.txt"));
  book.Record("100%s%d", "b");
  EXPECT_EQ(kStamp + "b\r\n", ReadText(scratch.WinPath() + "\\100%s%d_log00.txt"));
  EXPECT_EQ(scratch.WinPath() + "\\x_log09.txt", File("x", 9));
}

// In the file one entry is one line, so a file read line by line never shows half an entry
// without its stamp; the panel keeps the message as it came.
TEST_F(LogFiles, AMultiLineMessageIsOneLineInTheFileJoinedWithABlank) {
  RecordingWindow window;
  SetLogBook(&book);
  AddLog(&window, kPrefix, "Cleared all parameter.\r\nRestart the machine. Then all parameters are reset.");
  AddLog(&window, kPrefix, "\r\nA\n\nB\rC\r\n");
  SetLogBook(nullptr);
  EXPECT_EQ(kStamp + "Cleared all parameter. Restart the machine. Then all parameters are reset.\r\n" +
                kStamp + "A B C\r\n",
            ReadText(File(kPrefix, 0)));
  EXPECT_EQ(0u, window.shown.find(kStamp + "\r\nA\n\nB\rC\r\n\r\n" + kStamp + "Cleared all parameter.\r\n"));
  EXPECT_EQ("Mek for HVX-40", LogFolderName("Mek for %s", "HVX-40"));
  EXPECT_EQ("Logs", LogFolderName("Logs", "HVX-40"));
}

TEST_F(LogFiles, StampIsEmptyWhenTheTimeCannotBeHad) {
  clock.broken = true;
  EXPECT_EQ("Stopped Moving", book.Record(kPrefix, "Stopped Moving"));
}

TEST_F(LogFiles, WithoutDataFolderTheEntryStillReachesThePanel) {
  folderFound = false;
  RecordingWindow window;
  SetLogBook(&book);
  AddLog(&window, kPrefix, "Open MEK");
  SetLogBook(nullptr);
  EXPECT_EQ(kStamp + "Open MEK\r\n", window.shown);
  EXPECT_FALSE(files.Exists(File(kPrefix, 0)));
}

TEST_F(LogFiles, RotatesOnlyWhenTheFileIsLargerThan31744Bytes) {
  const std::string entry = kStamp + "x\r\n";
  WriteText(File(kPrefix, 0), std::string(31744 - entry.size(), '.'));
  book.Record(kPrefix, "x");
  EXPECT_EQ(31744, files.Size(File(kPrefix, 0))) << "exactly at the limit: kept";
  EXPECT_FALSE(files.Exists(File(kPrefix, 1)));

  book.Record(kPrefix, "x");
  EXPECT_FALSE(files.Exists(File(kPrefix, 0))) << "one entry more: rotated";
  EXPECT_EQ(31744 + static_cast<int64_t>(entry.size()), files.Size(File(kPrefix, 1)));
  book.Record(kPrefix, "next");
  EXPECT_EQ(kStamp + "next\r\n", ReadText(File(kPrefix, 0)));
}

TEST_F(LogFiles, RotationMovesEveryFileUpAndDropsTheOldest) {
  for (int n = 1; n <= 9; ++n) WriteText(File(kPrefix, n), "file " + std::to_string(n));
  WriteText(File(kPrefix, 0), std::string(40000, '.'));
  book.Record(kPrefix, "x");
  EXPECT_FALSE(files.Exists(File(kPrefix, 0)));
  for (int n = 2; n <= 9; ++n) {
    EXPECT_EQ("file " + std::to_string(n - 1), ReadText(File(kPrefix, n))) << n;
  }
  EXPECT_FALSE(files.Exists(scratch.WinPath() + "\\" + kPrefix + "_log10.txt"));
}

TEST_F(LogFiles, RotationWithGapsRenamesOnlyWhatExists) {
  WriteText(File(kPrefix, 1), "one");
  WriteText(File(kPrefix, 0), std::string(40000, '.'));
  book.Record(kPrefix, "x");
  EXPECT_EQ("one", ReadText(File(kPrefix, 2)));
  EXPECT_EQ(40000 + kStamp.size() + 3, ReadText(File(kPrefix, 1)).size());
  EXPECT_EQ(2u, files.renames.size());
  EXPECT_EQ(File(kPrefix, 1) + " -> " + File(kPrefix, 2), files.renames[0]) << "oldest first";
}

// Other programs write the same files: the whole entry, rotation included, happens inside the
// lock, and a lock that cannot be had loses no entry.
class RecordingLock : public CLogFileLock {
 public:
  explicit RecordingLock(std::function<std::string()> look) : look_(std::move(look)) {}
  bool Acquire(const std::string& lockPath) override {
    steps.push_back("acquire " + lockPath + " seeing " + look_());
    return available;
  }
  void Release() override { steps.push_back("release seeing " + look_()); }
  std::vector<std::string> steps;
  bool available = true;

 private:
  std::function<std::string()> look_;
};

TEST_F(LogFiles, AnEntryAndItsRotationHappenInsideTheLockOfThePrefixsSet) {
  RecordingLock lock([this] {
    return std::to_string(files.Size(File(kPrefix, 0))) + "/" +
           std::to_string(files.Size(File(kPrefix, 1)));
  });
  CLogBook locked{files, clock, [this](std::string& folder) {
                    folder = scratch.WinPath();
                    return true;
                  }, &lock};
  WriteText(File(kPrefix, 0), std::string(31744, '.'));
  locked.Record(kPrefix, "x");
  const std::string entry = kStamp + "x\r\n";
  EXPECT_EQ(lock.steps,
            (std::vector<std::string>{
                "acquire " + scratch.WinPath() + "\\" + kPrefix + "_log.lock seeing 31744/-1",
                "release seeing -1/" + std::to_string(31744 + entry.size())}));

  lock.steps.clear();
  lock.available = false;
  locked.Record(kPrefix, "still written");
  EXPECT_EQ(kStamp + "still written\r\n", ReadText(File(kPrefix, 0)));
  EXPECT_EQ(lock.steps.size(), 1u) << "a lock not had is not released";
}

TEST(LogPanel, NewestLineFirstAndBounded) {
  RecordingWindow window;
  AddLog(&window, "p", "first");
  AddLog(&window, "p", "second");
  EXPECT_EQ("second\r\nfirst\r\n", window.shown);

  CLogPanelText panel;
  for (size_t i = 0; i < CLogPanelText::kMaxLines + 5; ++i) panel.AddNewest(std::to_string(i));
  EXPECT_EQ(CLogPanelText::kMaxLines, panel.LineCount());
  const std::string& text = panel.Text();
  EXPECT_EQ(0u, text.find(std::to_string(CLogPanelText::kMaxLines + 4) + "\r\n"));
  EXPECT_EQ("\r\n5\r\n", text.substr(text.size() - 5)) << "the oldest lines went";
}
