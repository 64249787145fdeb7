#include "machine_host.h"

namespace {

class ValuesTest : public EmulatorTest {
 protected:
  Bytes Vector(int32_t first) const {
    return host_.Words32({static_cast<uint32_t>(first), 2, 3, 4, 5, 6});
  }
};

TEST_F(ValuesTest, IdentityTextsAndCompensationReadBackAsWritten) {
  ASSERT_TRUE(host_.Send(kCmdSetSerialNumber, {'H', 'V', '9', 0}));
  ASSERT_TRUE(host_.Send(kCmdSetShortCode, {'B', 0}));
  EXPECT_EQ("HV9", host_.QueryText(kCmdGetSerialNumber));
  EXPECT_EQ((Bytes{'B', 0}), host_.Query(kCmdGetShortCode));

  EXPECT_EQ(host_.Words32({1000000, 1000000, 1000000, 1000000, 1000000, 1000000}),
            host_.Query(kCmdGetUserCompensation));
  Bytes record = host_.Words32({1000050, 999990, 1000000, 1000000, 1000000, 1000000});
  ASSERT_TRUE(host_.Send(kCmdSetUserCompensation, record));
  EXPECT_EQ(record, host_.Query(kCmdGetUserCompensation));
  Bytes other = host_.Query(kCmdGetCompensation2);
  EXPECT_NE(record, other);
  // A zero denominator is refused and the old value kept.
  EXPECT_FALSE(host_.Send(kCmdSetCompensation2, host_.Words32({1, 1, 1, 1, 0, 1})));
  EXPECT_EQ(other, host_.Query(kCmdGetCompensation2));
}

TEST_F(ValuesTest, SetValuesAreReadBackAtTheirGetterCodes) {
  ASSERT_TRUE(host_.Send(0x3336, Vector(54)));   // read at setter - 0x133
  ASSERT_TRUE(host_.Send(0x3467, Vector(300)));
  ASSERT_TRUE(host_.Send(kCmdSetVector3335, Vector(1)));
  EXPECT_EQ(Vector(54), host_.Query(0x3203));
  EXPECT_EQ(Vector(300), host_.Query(0x3334));
  EXPECT_EQ(Vector(1), host_.Query(kCmdGetVector3202));
  EXPECT_EQ(Bytes(24, 0), host_.Query(0x3204));

  ASSERT_TRUE(host_.Send(kCmdIndexedValueSetBase + 3, host_.Words32({0xDEADBEEF})));
  EXPECT_EQ(0xDEADBEEFu, host_.QueryWord(kCmdIndexedValueGetBase + 3));
  EXPECT_EQ(0u, host_.QueryWord(kCmdIndexedValueGetBase + 4));

  Bytes block = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  ASSERT_TRUE(host_.Send(kCmdSetBlock12_020E, block));
  EXPECT_EQ(block, host_.Query(kCmdGetBlock12_020D));
  ASSERT_TRUE(host_.Send(kCmdSetTriple3201, {9, 8, 7}));
  EXPECT_EQ((Bytes{9, 8, 7}), host_.Query(kCmdGetTriple3200));
}

TEST_F(ValuesTest, SpindleTurnsAtTheSetSpeedTimesTheOverride) {
  ASSERT_TRUE(host_.Send(kCmdSetSpindleSpeed, host_.Words32({7000})));
  EXPECT_EQ(7000u, host_.QueryWord(kCmdGetSpindleSpeed));
  ASSERT_TRUE(host_.Send(kCmdSetSpindleOverride, {50}));
  EXPECT_EQ((Bytes{50}), host_.Query(kCmdGetSpindleOverride));
  EXPECT_EQ(3500u, host_.QueryWord(kCmdGetSpindleSpeed));
  machine_.SetCoverOpen(true);
  EXPECT_EQ(0u, host_.QueryWord(kCmdGetSpindleSpeed));
  machine_.SetCoverOpen(false);
  ASSERT_TRUE(host_.Send(kCmdSetSpindleSpeed, host_.Words32({0})));
  EXPECT_EQ(0u, host_.QueryWord(kCmdGetSpindleSpeed));
}

TEST_F(ValuesTest, DeviceBlockCarriesTheStatusInputPositionAndSerial) {
  Bytes block = host_.Read(kCmdDeviceBlock, 56);
  ASSERT_EQ(56u, block.size());
  EXPECT_EQ(2u, host_.order().Get32(block, 0));
  EXPECT_EQ(0x40u, host_.order().Get32(block, 4));
  ASSERT_TRUE(host_.Send(kCmdMoveTo, host_.MoveRecord(1000, 0, 2000, 0)));
  clock_.Sleep(1000);
  block = host_.Read(kCmdDeviceBlock, 56);
  EXPECT_EQ(2000u, host_.order().Get32(block, 12));
  EXPECT_EQ("HVX0001", std::string(reinterpret_cast<const char*>(block.data() + 38)));
}

}  // namespace
