// Connecting to the simulator's block, announcing it, and giving it up.
#include "link_fixture.h"

using namespace simblock;

namespace {

TEST_F(LinkTest, OpenBlockMapsThePresentDeviceAndAnnouncesItToTheWindow) {
  Put32(Block() + kClientMainWindow, 0xDEAD);
  OsHandle handle = link.OpenBlock(kDevice, window);

  ASSERT_NE(handle, kInvalidDeviceHandle);
  EXPECT_EQ(Get32(Block() + kClientMainWindow), 0u);
  EXPECT_EQ(Get32(Block() + kOwnerWindow), 0x5150u);
  EXPECT_EQ(kernel.posts, std::vector<OsHandle>{window});
  EXPECT_TRUE(link.IsPresent());
  EXPECT_TRUE(kernel.eventSets.empty());
}

TEST_F(LinkTest, OpenBlockRefusesAnAbsentOrMissingDeviceWithoutAMessage) {
  int handlesBefore = kernel.openHandles;
  server.SetPresent(false);
  EXPECT_EQ(link.OpenBlock(kDevice, window), kInvalidDeviceHandle);
  EXPECT_EQ(link.OpenBlock("Other machine", window), kInvalidDeviceHandle);

  EXPECT_TRUE(kernel.posts.empty());
  EXPECT_TRUE(kernel.eventSets.empty());
  EXPECT_FALSE(link.IsPresent());
  EXPECT_EQ(kernel.openHandles, handlesBefore);  // the refused mapping was closed again
  EXPECT_EQ(kernel.openViews, 1);                // only the server's own view
}

TEST_F(LinkTest, OpenBlockRefusesABlockWhosePipesLieOutsideIt) {
  CFakeKernel bare;
  CSimulatorLink client(bare);
  std::vector<uint8_t>& block = bare.AddMapping(MappingName("Broken"), 0x100);
  block[kStatus1] = kDevicePresentBit;
  Put16(&block[kControlPipeOffset], 0x40);
  Put16(&block[kBulkOutPipeOffset], 0x60);
  Put16(&block[kBulkInPipeOffset], 0xFC);  // its record would end past the view
  EXPECT_EQ(client.OpenBlock("Broken", window), kInvalidDeviceHandle);

  Put16(&block[kBulkInPipeOffset], 0x10);  // inside the header
  EXPECT_EQ(client.OpenBlock("Broken", window), kInvalidDeviceHandle);
  EXPECT_EQ(bare.openViews, 0);
  EXPECT_TRUE(bare.posts.empty());
}

TEST_F(LinkTest, CloseBlockTellsThePresentServerAndTheOwnerWindow) {
  OsHandle handle = Connect();
  Put32(Block() + kOwnerWindow, 0x7777);
  link.CloseBlock(handle);

  EXPECT_EQ(kernel.SetNames(), std::vector<std::string>{EventName(kDisconnect)});
  EXPECT_EQ(kernel.posts, std::vector<OsHandle>{reinterpret_cast<OsHandle>(0x7777)});
  EXPECT_TRUE(server.ServeOnce(machine, 0));
  EXPECT_EQ(machine.disconnects, 1);
  EXPECT_FALSE(kernel.IsSignalled(kDisconnect));  // the server took it, unacknowledged
  EXPECT_FALSE(server.ServeOnce(machine, 0));
  EXPECT_EQ(kernel.openViews, 1);

  kernel.eventSets.clear();
  kernel.posts.clear();
  handle = link.OpenBlock(kDevice, window);
  kernel.posts.clear();
  server.SetPresent(false);  // a vanished device is told nothing
  link.CloseBlock(handle);
  EXPECT_TRUE(kernel.SetNames().empty());
  EXPECT_TRUE(kernel.posts.empty());
}

TEST_F(LinkTest, EveryTransferFailsUntouchedWhileTheDeviceIsGoneOrNotConnected) {
  uint8_t buffer[16] = {};
  auto everyTransferFails = [&] {
    EXPECT_FALSE(link.ControlOut(0x41, 1, 2, 0, buffer, 4));
    EXPECT_EQ(link.ControlIn(0xC1, 1, 1, 0, buffer, 8), -1);
    EXPECT_EQ(link.BulkOut(buffer, 4), -1);
    EXPECT_EQ(link.BulkIn(buffer, 4), -1);
    EXPECT_FALSE(link.SendFilePath("C:\\job.prn"));
  };
  everyTransferFails();  // not connected

  Connect();
  server.SetPresent(false);
  everyTransferFails();
  EXPECT_TRUE(kernel.eventSets.empty());
  EXPECT_TRUE(machine.controlOuts.empty());

  server.SetPresent(true);
  EXPECT_TRUE(link.ControlOut(0x41, 1, 2, 0, buffer, 4));
}

TEST_F(LinkTest, IsPresentRecordsTheFrameworkMainWindowOnlyIntoAnEmptyField) {
  Connect();
  kernel.mainWindow = reinterpret_cast<OsHandle>(0x1234);
  EXPECT_TRUE(link.IsPresent());
  EXPECT_EQ(Get32(Block() + kClientMainWindow), 0x1234u);

  kernel.mainWindow = reinterpret_cast<OsHandle>(0x9999);
  link.IsPresent();
  EXPECT_EQ(Get32(Block() + kClientMainWindow), 0x1234u);
}

}  // namespace
