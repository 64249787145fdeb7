// The connection slots and the status read that every table shares.
#include <cstring>

#include "table_fixture.h"

namespace {

class ConnectionTableTest : public TableTest {};

TEST_F(ConnectionTableTest, GetDeviceNameFollowsTheStringOutRules) {
  protocol.deviceName = "HVX-40 on USB001";
  const int needed = static_cast<int>(protocol.deviceName.size()) + 1;
  EXPECT_EQ(tables.connect.GetDeviceName(nullptr, 0), needed);

  char buffer[17];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(tables.connect.GetDeviceName(buffer, needed - 1), -1);
  EXPECT_EQ(buffer[0], 'x');  // nothing copied
  EXPECT_EQ(buffer[16], 'x');
  ASSERT_EQ(needed, 17);
  EXPECT_EQ(tables.connect.GetDeviceName(buffer, needed), needed);
  EXPECT_STREQ(buffer, "HVX-40 on USB001");
}

TEST_F(ConnectionTableTest, ConnectAndReconnectUseTheSelectedName) {
  EXPECT_TRUE(tables.connect.Connect("HVX-40 on USB002"));
  protocol.deviceName = "HVX-40 on USB002";
  EXPECT_TRUE(tables.connect.Reconnect());
  EXPECT_EQ(protocol.connectedTo,
            (std::vector<std::string>{"HVX-40 on USB002", "HVX-40 on USB002"}));
  protocol.connectResult = false;
  EXPECT_FALSE(tables.connect.Connect("other"));
  EXPECT_FALSE(tables.connect.Connect(nullptr));
  EXPECT_EQ(protocol.connectedTo.size(), 3u);  // a null name reaches nobody
}

TEST_F(ConnectionTableTest, DisconnectIsAlwaysTrueAndTheSimulatorGetsTheWindow) {
  machine.connected = false;
  EXPECT_TRUE(tables.connect.Disconnect());
  EXPECT_EQ(protocol.disconnects, 1);
  EXPECT_TRUE(tables.hvx.ConnectSimulator(0x1234));
  EXPECT_EQ(protocol.simulatorWindows, std::vector<int>{0x1234});
  EXPECT_TRUE(tables.hvx.ConnectSimulatorNamed("Rack 2", 0x99));
  EXPECT_FALSE(tables.hvx.ConnectSimulatorNamed(nullptr, 0x99));
  EXPECT_EQ(protocol.simulatorNames, std::vector<std::string>{"Rack 2"});
}

TEST_F(ConnectionTableTest, GetStatusDecodesBothWordsInEitherByteOrder) {
  for (bool bigEndian : {false, true}) {
    UseBigEndianMachine(bigEndian);
    machine.stateWord = 0x81020802;
    uint32_t state = 0, handshake = 1;
    EXPECT_EQ(tables.connect.GetStatus(&state, &handshake), 1);
    EXPECT_EQ(state, 0x81020802u);
    EXPECT_EQ(handshake, 0u);
  }
}

TEST_F(ConnectionTableTest, GetStatusWhileDisconnectedWritesTheMissingMarkToBoth) {
  machine.connected = false;
  uint32_t state = 0, handshake = 0;
  EXPECT_EQ(tables.connect.GetStatus(&state, &handshake), 0);
  EXPECT_EQ(state, 0xFFFFFFFFu);
  EXPECT_EQ(handshake, 0xFFFFFFFFu);
  state = handshake = 0;
  EXPECT_EQ(tables.control.GetStatus(&state, &handshake), 0);
  EXPECT_EQ(handshake, 0xFFFFFFFFu);
  EXPECT_EQ(tables.service.GetStatus(&state, &handshake), 0);
}

// The wrapper refuses any other version text, so these must match exactly.
TEST_F(ConnectionTableTest, VersionsAreExactAndUnsupportedIsMinusOne) {
  EXPECT_STREQ(tables.connect.GetVersion(), "V100");
  EXPECT_STREQ(tables.control.GetVersion(), "V100");
  EXPECT_STREQ(tables.service.GetVersion(), "V102");
  EXPECT_STREQ(tables.hvx.GetVersion(), "V100");
  EXPECT_STREQ(tables.production.GetVersion(), "V100");
  EXPECT_STREQ(tables.hvxService.GetVersion(), "V100");
  EXPECT_EQ(tables.control.Unsupported(0, 0), -1);
  EXPECT_EQ(tables.control.Unsupported(0x7FFFFFFF, -1), -1);
  EXPECT_TRUE(machine.writes.empty());
}

// The tool tests these for 1 and 0 exactly.
TEST_F(ConnectionTableTest, OneZeroSlotsAnswerZeroWhenDisconnected) {
  machine.connected = false;
  const AxisVector v = SampleVector();
  EXPECT_EQ(tables.service.SetPair_0206(1, 2), 0);
  EXPECT_EQ(tables.service.SetValue_0209(0), 0);
  EXPECT_EQ(tables.service.Command_029C(), 0);
  EXPECT_EQ(tables.hvx.SetVector_025F(&v), 0);
  EXPECT_EQ(tables.hvx.SetUserCompensation(0, 0, 0), 0);
  EXPECT_EQ(tables.hvx.SetIndexedValue_347B(1, 0), 0);
  EXPECT_EQ(tables.production.SetCompensation2(0, 0, 0), 0);
  EXPECT_EQ(tables.hvx.GetSpindleSpeed(), -1);
  EXPECT_EQ(tables.hvx.GetSpindleOverride(), -1);
}

}  // namespace
