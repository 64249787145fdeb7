// The Output page's file choices and Send: filters, kept paths, the job name, and the messages
// and log line of every outcome.
#include "../../../tool/pages/output/data_file_sender.h"
#include "../../../tool/pages/output/output_paths.h"
#include "info_fixture.h"

using testing::_;
using testing::Pointee;
using testing::Return;
using testing::StrEq;

namespace {

class OutputFileChoiceTest : public InfoPageFixture {
 protected:
  COutputPaths paths;
};

TEST_F(OutputFileChoiceTest, EachChoiceUsesItsFilterAndKeepsItsPathOnCancel) {
  windows.chosenPath = "C:\\jobs\\part.nc";
  EXPECT_TRUE(paths.ChooseDataFile(windows));
  EXPECT_EQ(windows.lastFilter, "*.prn|*.prn|*.txt|*.txt|*.nc|*.nc|*.all|*.*||");
  windows.chosenPath = "C:\\fw\\hvx.rfw";
  EXPECT_TRUE(paths.ChooseFirmwareFile(windows));
  EXPECT_EQ(windows.lastFilter, "rfw *.rfw|*.rfw||");

  windows.chosenPath.clear();
  EXPECT_FALSE(paths.ChooseDataFile(windows));
  EXPECT_FALSE(paths.ChooseFirmwareFile(windows));
  EXPECT_EQ(paths.DataPath(), "C:\\jobs\\part.nc");
  EXPECT_EQ(paths.FirmwarePath(), "C:\\fw\\hvx.rfw");
}

class SendDataFileTest : public InfoPageFixture {
 protected:
  CPageMachine machine{Source()};
  CDataFileSender sender{machine, windows, windows};
};

TEST_F(SendDataFileTest, HandsTheFileOverAsJobOutputAndLogsIt) {
  EXPECT_CALL(fake, OutputFile(Pointee(StrEq("C:\\jobs\\part.prn")), StrEq("output")))
      .WillOnce(Return(true));
  EXPECT_TRUE(sender.SendDataFile("C:\\jobs\\part.prn"));
  EXPECT_EQ(journal, (Journal{"log: Output File"}));
}

TEST_F(SendDataFileTest, AFailedSendIsToldAndStillLogged) {
  EXPECT_CALL(fake, OutputFile(_, _)).WillOnce(Return(false));
  EXPECT_FALSE(sender.SendDataFile("C:\\gone.prn"));
  EXPECT_EQ(journal, (Journal{"tell: Failed to output file", "log: Output File"}));
}

TEST_F(SendDataFileTest, NoFileChosenSendsNothing) {
  EXPECT_CALL(fake, OutputFile(_, _)).Times(0);
  EXPECT_FALSE(sender.SendDataFile(""));
  EXPECT_EQ(journal, (Journal{"tell: Select the file address."}));
}

}  // namespace
