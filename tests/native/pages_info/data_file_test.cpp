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
  fileBoxes.chosenPath = "C:\\jobs\\part.nc";
  EXPECT_TRUE(paths.ChooseDataFile(fileBoxes));
  EXPECT_EQ(fileBoxes.lastFilter, "*.prn|*.prn|*.txt|*.txt|*.nc|*.nc|*.all|*.*||");
  fileBoxes.chosenPath = "C:\\fw\\hvx.rfw";
  EXPECT_TRUE(paths.ChooseFirmwareFile(fileBoxes));
  EXPECT_EQ(fileBoxes.lastFilter, "rfw *.rfw|*.rfw||");

  fileBoxes.chosenPath.clear();
  EXPECT_FALSE(paths.ChooseDataFile(fileBoxes));
  EXPECT_FALSE(paths.ChooseFirmwareFile(fileBoxes));
  EXPECT_EQ(paths.DataPath(), "C:\\jobs\\part.nc");
  EXPECT_EQ(paths.FirmwarePath(), "C:\\fw\\hvx.rfw");
}

class SendDataFileTest : public InfoPageFixture {
 protected:
  CPageMachine machine{Source()};
  CDataFileSender sender{machine, boxes, log};
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
