#include "page_fixture.h"

#include <map>

#include "../../../service/procedures/calibration/auto_calibration.h"

namespace {

using testing::_;
using testing::DoAll;
using testing::Return;
using testing::SetArgPointee;

class CMemoryFiles : public CFileStore {
 public:
  bool TempFolder(std::string& folder) override {
    folder = "C:\\temp\\";
    return hasTemp;
  }
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
  FileFault ReadAll(const std::string&, std::vector<uint8_t>&) override { return FileFault::kGeneric; }
  FileFault WriteAll(const std::string& path, const void* data, size_t length) override {
    if (writeFault == FileFault::kNone) files[path].assign(static_cast<const char*>(data), length);
    return writeFault;
  }
  FileFault Remove(const std::string& path) override { return files.erase(path), FileFault::kNone; }
  FileFault Append(const std::string&, const std::string&) override { return FileFault::kGeneric; }
  int64_t Size(const std::string&) override { return -1; }
  FileFault Rename(const std::string&, const std::string&) override { return FileFault::kGeneric; }
  bool hasTemp = true;
  FileFault writeFault = FileFault::kNone;
  std::map<std::string, std::string> files;
};

struct CJournalNotice : CUserNotice {
  explicit CJournalNotice(Journal& journal) : journal(journal) {}
  void Message(const std::string& text) override { journal.push_back("message: " + text); }
  void FileError(const std::string& path, FileFault) override {
    journal.push_back("file error: " + path);
  }
  Journal& journal;
};

struct CCutPrograms : ICutDataSource {
  bool Read(int id, std::vector<uint8_t>& bytes) override {
    if (!programs.count(id)) return false;
    bytes.assign(programs[id].begin(), programs[id].end());
    return true;
  }
  std::map<int, std::string> programs{{131, "!mc0;\r\nX\r\n"}, {132, "!mc0;\r\nY\r\n"}};
};

class AutoCalibrationTest : public PageFixture {
 protected:
  AutoCalibrationTest() {
    ON_CALL(fake, SetUserCompensation(_, _, _)).WillByDefault([this](int x, int y, int z) {
      journal.push_back("SetUserCompensation " + std::to_string(x) + "," + std::to_string(y) +
                        "," + std::to_string(z));
      return 1;
    });
    ON_CALL(fake, OutputFile(_, _)).WillByDefault([this](const char* const* path, const char* job) {
      sent.push_back(files.files[*path]);
      journal.push_back(std::string("OutputFile ") + *path + " as " + job);
      return true;
    });
  }
  void StoredCompensation(int x, int y, int z) {
    EXPECT_CALL(fake, GetUserCompensation(_, _, _))
        .WillOnce(DoAll(SetArgPointee<0>(x), SetArgPointee<1>(y), SetArgPointee<2>(z),
                        Return(true)));
  }

  CMemoryFiles files;
  CJournalNotice notice{journal};
  CCutPrograms programs;
  CAutoCalibration calibration{machine, boxes, log, files, notice, programs};
  CalibrationLengths lengths;
  std::vector<std::string> sent;
};

TEST_F(AutoCalibrationTest, OpeningShowsTheStoredValuesAsLengthsZeroesThemAndClosingRestores) {
  StoredCompensation(-2000, 1500, 300);
  calibration.Open(lengths);
  EXPECT_DOUBLE_EQ(lengths.x, 99.8);
  EXPECT_DOUBLE_EQ(lengths.y, 100.15);
  calibration.Close();
  EXPECT_EQ(journal, (Journal{"SetUserCompensation 0,0,0", "SetUserCompensation -2000,1500,300"}));
}

// Zeroed and then restored as 0,0,0, a calibration never read would be lost for good.
TEST_F(AutoCalibrationTest, AFailedOpeningReadIsToldAndLeavesTheMachinesCompensationAlone) {
  EXPECT_CALL(fake, GetUserCompensation(_, _, _))
      .WillOnce(DoAll(SetArgPointee<0>(4000), Return(false)));
  EXPECT_CALL(fake, SetUserCompensation(_, _, _)).Times(0);
  EXPECT_FALSE(calibration.Open(lengths));
  EXPECT_DOUBLE_EQ(lengths.x, 100.0);
  EXPECT_FALSE(calibration.Set(CalibrationLengths{99.8, 100.1}, true));
  calibration.Close();
  EXPECT_EQ(journal, Journal{"tell: Failed to get user value"});
}

TEST_F(AutoCalibrationTest, SetStoresTheMeasuredLengthsWithTheZReadAtOpening) {
  StoredCompensation(100, 200, 300);
  calibration.Open(lengths);
  EXPECT_TRUE(calibration.Set(CalibrationLengths{99.8, 100.1}, true));
  EXPECT_EQ(Journal(journal.end() - 2, journal.end()),
            (Journal{"SetUserCompensation -2000,1000,300", "log: Set user value"}));
  // Closing after a Set whose closing was refused writes the values of that Set.
  calibration.Close();
  EXPECT_EQ(journal.back(), "SetUserCompensation -2000,1000,300");
}

// A failed Set must not leave the machine cutting at zero compensation: the values of opening
// go back as Close puts them, and stay the values a later Close restores.
TEST_F(AutoCalibrationTest, ARefusedEntryIsNotSentAndAFailedSetRestoresTheOpeningValues) {
  StoredCompensation(100, 200, 300);
  calibration.Open(lengths);
  EXPECT_FALSE(calibration.Set(CalibrationLengths{101.0, 100.0}, false));
  EXPECT_EQ(journal.back(), "SetUserCompensation 0,0,0");
  calibration.Close();
  EXPECT_EQ(journal.back(), "SetUserCompensation 100,200,300");
  journal.clear();
  ON_CALL(fake, SetUserCompensation(-2000, 0, 300)).WillByDefault(Return(0));
  EXPECT_TRUE(calibration.Set(CalibrationLengths{99.8, 100.0}, true)) << "the box closes";
  EXPECT_EQ(journal, (Journal{"log: Failed to set user value", "tell: Failed to set user value",
                              "SetUserCompensation 100,200,300"}));
  EXPECT_EQ(calibration.SavedX(), 100);
  calibration.Close();
  EXPECT_EQ(journal.back(), "SetUserCompensation 100,200,300");
}

TEST_F(AutoCalibrationTest, OutputWritesTheProgramToTheTemporaryFileAndSendsItAsOutput) {
  calibration.Output(CAutoCalibration::kCutX);
  EXPECT_EQ(boxes.questions, std::vector<std::string>{"a tool and workpiece are readyfor cutting?"});
  EXPECT_TRUE(boxes.lastQuestionHadIcon);
  EXPECT_EQ(journal, (Journal{"ask: yes", "OutputFile C:\\temp\\cutdata.prn as output",
                              "log: Output File", "log: File sent: C:\\temp\\cutdata.prn"}));
  EXPECT_EQ(sent, std::vector<std::string>{"!mc0;\r\nX\r\n"});
  calibration.Output(CAutoCalibration::kCutY);
  EXPECT_EQ(sent.back(), "!mc0;\r\nY\r\n");
  // The file stays for the engineer to look at; the next cut overwrites it.
  EXPECT_EQ(files.files["C:\\temp\\cutdata.prn"], "!mc0;\r\nY\r\n");

  journal.clear();
  boxes.answer = false;
  calibration.Output(CAutoCalibration::kCutX);
  EXPECT_EQ(journal, Journal{"ask: no"});
  EXPECT_EQ(sent.size(), 2u);
}

TEST_F(AutoCalibrationTest, AFailedSendIsLoggedTwiceAndAnUnwritableFileIsTold) {
  ON_CALL(fake, OutputFile(_, _)).WillByDefault(Return(false));
  calibration.Output(CAutoCalibration::kCutY);
  EXPECT_EQ(journal, (Journal{"ask: yes", "log: Failed to output file",
                              "log: File not sent: C:\\temp\\cutdata.prn",
                              "log: Failed to output Y data"}));
  journal.clear();
  files.writeFault = FileFault::kAccessDenied;
  EXPECT_CALL(fake, OutputFile(_, _)).Times(0);
  calibration.Output(CAutoCalibration::kCutX);
  EXPECT_EQ(journal, (Journal{"ask: yes", "file error: C:\\temp\\cutdata.prn",
                              "log: Failed to output X data"}));
}

TEST_F(AutoCalibrationTest, AMissingProgramOrTemporaryFolderSendsNothingWithoutAMessage) {
  EXPECT_CALL(fake, OutputFile(_, _)).Times(0);
  programs.programs.clear();
  EXPECT_FALSE(calibration.OutputCutData(CAutoCalibration::kCutX));
  programs.programs[131] = "x";
  files.hasTemp = false;
  EXPECT_FALSE(calibration.OutputCutData(CAutoCalibration::kCutX));
  EXPECT_TRUE(journal.empty());
}

}  // namespace
