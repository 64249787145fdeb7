#include <gtest/gtest.h>

#include "../../../service/status/status_box.h"
#include "main_test_doubles.h"

using hvxtest::ReturnStatus;
using hvxtest::ReturnStatusNotRead;
using hvxtest::ReturnText;
using testing::_;
using testing::NiceMock;
using testing::Return;

namespace {

uint32_t UpdateWord(uint32_t phase, uint32_t state = 0) { return 0x80000000u | (phase << 24) | state; }

class StatusBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    ON_CALL(fake, GetSerialNumber(_, _)).WillByDefault(ReturnText("SN12345"));
    ON_CALL(fake, GetFirmwareVersion(_, _)).WillByDefault(ReturnText("0102"));
    ON_CALL(fake, GetShortCode(_, _)).WillByDefault(ReturnText("7A"));
  }
  // One refresh with the machine reporting these words, starting from a connected window.
  const StatusTexts& RefreshWith(uint32_t stateWord, uint32_t handshakeWord = 0) {
    EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatus(stateWord, handshakeWord));
    connected = true;
    Refresh(box, &fake);
    return box.Texts();
  }
  // One refresh as a tick makes it; true when the status was read.
  bool Refresh(CStatusBox& target, CHVXController* controller) {
    return target.RefreshStatus(controller, connected);
  }
  NiceMock<CFakeHVXController> fake;
  CStatusBox box;
  bool connected = true;
};

struct StateRow {
  uint32_t stateWord;
  uint32_t handshakeWord;
  const char* text;
};

}  // namespace

TEST_F(StatusBoxTest, EveryStateRowAndUpdatePhaseGivesItsText) {
  const StateRow rows[] = {
      {1, 0, "UnSetup"},   {9, 0, "UnSetup"},   {3, 0, "Busy"},     {11, 0, "Busy"},
      {2, 0, "Ready"},     {10, 0, "Ready"},    {0x802, 0, "Busy"}, {0x80A, 0, "Busy"},
      {5, 0, "Offline"},   {6, 0, "Offline"},   {7, 0, "Offline"},  {13, 0, "Offline"},
      {14, 0, "Offline"},  {15, 0, "Offline"},  {4, 0, "Error"},    {12, 0, "Error"},
      {0, 0x10, "Error"},  {8, 0x10, "Error"},  {2, 0x10, "Ready"},  // handshake error: 0 and 8 only
      {UpdateWord(1), 0, "UpdateMode: Waiting"},     {UpdateWord(2), 0, "UpdateMode: Receiving"},
      {UpdateWord(3), 0, "UpdateMode: Deleting"},    {UpdateWord(4), 0, "UpdateMode: Writing"},
      {UpdateWord(5), 0, "UpdateMode: Verifying"},   {UpdateWord(6), 0, "UpdateMode: UpdateFinish"},
      {UpdateWord(8), 0, "UpdateMode: Frim Error"},  {UpdateWord(9), 0, "UpdateMode: Data Error"},
      {UpdateWord(11), 0, "UpdateMode: Write Error"}, {UpdateWord(12), 0, "UpdateMode: Verify Error"},
      {UpdateWord(10), 0, "Error"},  // an update error, though it has no row of its own
      // update mode wins over the error rows; unknown phases fall back to them
      {UpdateWord(1, 4), 0, "UpdateMode: Waiting"},  {UpdateWord(4, 8), 0x10, "UpdateMode: Writing"},
      {UpdateWord(7, 12), 0, "Error"},               {UpdateWord(10, 0), 0x10, "Error"},
  };
  for (const StateRow& row : rows) {
    EXPECT_EQ(row.text, RefreshWith(row.stateWord, row.handshakeWord).status)
        << "state word 0x" << std::hex << row.stateWord;
  }
  RefreshWith(kReady);
  EXPECT_EQ("Ready", RefreshWith(UpdateWord(7)).status) << "unknown phases keep the text";
  EXPECT_EQ("Ready", RefreshWith(0).status) << "state 0 without update mode has no text";
  EXPECT_EQ("Error", RefreshWith(UpdateWord(10)).status) << "a failed installation kept its text";
}

TEST_F(StatusBoxTest, CoverOpenOverridesTheStateTextButNotErrorsOrUpdateMode) {
  EXPECT_EQ("Cover is open", RefreshWith(kReady | kCoverOpen).status);
  const StatusTexts& offline = RefreshWith(5 | kCoverOpen);
  EXPECT_EQ("Cover is open", offline.status);
  EXPECT_EQ("OPEN", offline.cover);
  EXPECT_FALSE(connected) << "an off-line state clears the flag even under the cover text";
  const StatusTexts& error = RefreshWith(4 | kCoverOpen);
  EXPECT_EQ("Error", error.status);
  EXPECT_EQ("OPEN", error.cover);

  const StatusTexts& closed = RefreshWith(kReady);
  EXPECT_EQ("Ready", closed.status);
  EXPECT_EQ("CLOSE", closed.cover);
  EXPECT_EQ("CLOSE", RefreshWith(12 | kCoverOpen).cover) << "error states leave the field alone";
  // During an installation bit 17 is part of the progress, not the cover.
  const StatusTexts& installing = RefreshWith(UpdateWord(4) | 0x00020000u);
  EXPECT_EQ("UpdateMode: Writing", installing.status);
  EXPECT_EQ("CLOSE", installing.cover);
}

TEST_F(StatusBoxTest, OnlyOfflineStatesClearTheConnectedFlag) {
  for (uint32_t state = 0; state < 16; ++state) {
    RefreshWith(state);
    bool offline = state == 5 || state == 6 || state == 7 || state >= 13;
    EXPECT_EQ(!offline, connected) << "state " << state;
  }
}

TEST_F(StatusBoxTest, FailedStatusReadShowsOfflineKeepsFlagAndCoverAndReadsNoIdentity) {
  RefreshWith(kReady | kCoverOpen);
  EXPECT_EQ("SN12345", box.Texts().serial);
  EXPECT_CALL(fake, GetStatus(_, _)).WillOnce(ReturnStatusNotRead());
  EXPECT_CALL(fake, GetSerialNumber(_, _)).Times(0);
  EXPECT_FALSE(Refresh(box, &fake));
  EXPECT_EQ("Offline", box.Texts().status);
  EXPECT_TRUE(connected);
  EXPECT_EQ("OPEN", box.Texts().cover);
  EXPECT_EQ("Varnel HVX-40", box.Texts().deviceName);
  EXPECT_EQ("---", box.Texts().serial) << "a serial number not read is not shown as read";
  EXPECT_EQ("---", box.Texts().firmware);
}

TEST_F(StatusBoxTest, IdentityIsReadWithTheMachinesBufferSizesAndFailuresShowDashes) {
  EXPECT_CALL(fake, GetSerialNumber(_, 10)).WillOnce(ReturnText("SN12345"));
  EXPECT_CALL(fake, GetFirmwareVersion(_, 10)).WillOnce(ReturnText("0102"));
  EXPECT_CALL(fake, GetShortCode(_, 3)).WillOnce(ReturnText("7A"));
  const StatusTexts& texts = RefreshWith(kReady);
  EXPECT_EQ("Varnel HVX-40", texts.deviceName);
  EXPECT_EQ("SN12345", texts.serial);
  EXPECT_EQ("1.02", texts.firmware);
  EXPECT_EQ("7A", texts.usbId);
  testing::Mock::VerifyAndClearExpectations(&fake);

  // A failed text read blanks its own field; the reads after it still go out.
  ON_CALL(fake, GetShortCode(_, _)).WillByDefault(Return(0));
  RefreshWith(kReady);
  EXPECT_EQ("", texts.usbId);
  EXPECT_EQ("1.02", texts.firmware);
  ON_CALL(fake, GetShortCode(_, _)).WillByDefault(ReturnText("7A"));
  ON_CALL(fake, GetFirmwareVersion(_, _)).WillByDefault(Return(-1));
  RefreshWith(kReady);
  EXPECT_EQ("---", texts.firmware);
  EXPECT_EQ("SN12345", texts.serial);
  EXPECT_EQ("7A", texts.usbId);
  ON_CALL(fake, GetSerialNumber(_, _)).WillByDefault(Return(-1));
  ON_CALL(fake, GetFirmwareVersion(_, _)).WillByDefault(ReturnText("0102"));
  RefreshWith(kReady);
  EXPECT_EQ("---", texts.serial);
  EXPECT_EQ("1.02", texts.firmware);
}

TEST_F(StatusBoxTest, NotConnectedShowsOffLineAndStartUpLeavesFailedReadsEmpty) {
  EXPECT_CALL(fake, GetStatus(_, _)).Times(0);
  EXPECT_CALL(fake, GetSerialNumber(_, _)).WillOnce(ReturnText("SN12345"));
  EXPECT_CALL(fake, GetFirmwareVersion(_, _)).WillOnce(Return(-1));
  EXPECT_CALL(fake, GetShortCode(_, _)).WillOnce(Return(0));
  box.ShowStartUp(&fake, true);
  EXPECT_EQ("Offline", box.Texts().status);
  EXPECT_EQ("Varnel HVX-40", box.Texts().deviceName);
  EXPECT_EQ("SN12345", box.Texts().serial);
  EXPECT_EQ("", box.Texts().firmware + box.Texts().usbId);
  CStatusBox unconnected;
  unconnected.ShowStartUp(&fake, false);
  EXPECT_EQ("Offline", unconnected.Texts().status);
  EXPECT_EQ("---", unconnected.Texts().deviceName);

  CStatusBox fresh;
  connected = false;
  Refresh(fresh, &fake);
  EXPECT_EQ("off line", fresh.Texts().status);
  EXPECT_EQ("", fresh.Texts().deviceName);
  EXPECT_EQ("---------", fresh.Texts().serial + fresh.Texts().firmware + fresh.Texts().usbId);
  connected = true;
  Refresh(box, nullptr);
  EXPECT_FALSE(connected) << "a missing wrapper counts as no connection";
}

TEST(FirmwareVersionTest, DropsTheFirstCharacterAndPutsAPointAfterTheNext) {
  EXPECT_EQ("1.02", FormatFirmwareVersion("0102"));
  EXPECT_EQ("2.15", FormatFirmwareVersion("1215X"));
  EXPECT_EQ("12", FormatFirmwareVersion("12")) << "too short to format: shown as read";
  EXPECT_EQ("", FormatFirmwareVersion(""));
}
