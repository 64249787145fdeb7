// The Output page's file choices and Send: filters, kept paths, the job name, and the texts.
#include "../../../service/procedures/output/data_file_sender.h"
#include "../../../service/procedures/output/output_paths.h"
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

  // A path typed over the chosen one is the one the page acts on.
  paths.TakeFields("D:\\typed.prn", "");
  EXPECT_EQ(paths.DataPath(), "D:\\typed.prn");
  EXPECT_EQ(paths.FirmwarePath(), "");
}

class SendDataFileTest : public InfoPageFixture {
 protected:
  CPageMachine machine{Source()};
  CDataFileSender sender{machine, windows, windows};
};

TEST_F(SendDataFileTest, HandsTheFileOverAsJobOutputAndTellsEveryOutcome) {
  EXPECT_CALL(fake, OutputFile(Pointee(StrEq("C:\\jobs\\part.prn")), StrEq("output")))
      .WillOnce(Return(true))
      .WillOnce(Return(false));
  EXPECT_FALSE(sender.SendDataFile(""));  // nothing chosen: nothing sent
  EXPECT_TRUE(sender.SendDataFile("C:\\jobs\\part.prn"));
  EXPECT_FALSE(sender.SendDataFile("C:\\jobs\\part.prn"));
  EXPECT_EQ(journal, (Journal{"tell: Select the file address.", "log: Output File",
                              "log: File sent: C:\\jobs\\part.prn", "tell: Failed to output file",
                              "log: Output File", "log: File not sent: C:\\jobs\\part.prn"}));
}

}  // namespace
