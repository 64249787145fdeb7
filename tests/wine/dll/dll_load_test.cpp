// The built library as the tool meets it: loaded by file name, its six getters bound by their
// plain names, each table checked by its version, and a machine-less library answering as a
// disconnected one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "hvx40_api.h"

namespace {

class DllLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = LoadLibraryA("HVX40ServiceAPI.dll");
    ASSERT_NE(library_, nullptr) << "error " << GetLastError();
  }
  void TearDown() override {
    if (library_ != nullptr) FreeLibrary(library_);
  }

  template <typename Getter>
  auto Table(const char* exportName) -> decltype(Getter()()) {
    FARPROC address = GetProcAddress(library_, exportName);
    EXPECT_NE(address, nullptr) << exportName;
    if (address == nullptr) return nullptr;
    return reinterpret_cast<Getter>(reinterpret_cast<void*>(address))();
  }

  CRemoteConnectAPI* Connect() { return Table<GetRemoteConnectAPIFn>("GetRemoteConnectAPI"); }
  CRemoteControlAPI* Control() { return Table<GetRemoteControlAPIFn>("GetRemoteControlAPI"); }
  CRemoteServiceAPI* Service() { return Table<GetRemoteServiceAPIFn>("GetRemoteServiceAPI"); }
  CHVX40ControlAPI* Hvx() { return Table<GetHVX40ControlAPIFn>("GetHVX40ControlAPI"); }
  CHVX40ProductionAPI* Production() {
    return Table<GetHVX40ProductionAPIFn>("GetHVX40ProductionAPI");
  }
  CHVX40ServiceAPI* HvxService() { return Table<GetHVX40ServiceAPIFn>("GetHVX40ServiceAPI"); }

  HMODULE library_ = nullptr;
};

bool VersionIs(const char* version, const char* expected) {
  return version != nullptr && std::memcmp(version, expected, 5) == 0;
}

TEST_F(DllLoadTest, EveryGetterIsBoundByItsPlainNameAndReportsItsVersion) {
  ASSERT_NE(Connect(), nullptr);
  EXPECT_TRUE(VersionIs(Connect()->GetVersion(), "V100"));
  ASSERT_NE(Control(), nullptr);
  EXPECT_TRUE(VersionIs(Control()->GetVersion(), "V100"));
  ASSERT_NE(Service(), nullptr);
  EXPECT_TRUE(VersionIs(Service()->GetVersion(), "V102"));
  ASSERT_NE(Hvx(), nullptr);
  EXPECT_TRUE(VersionIs(Hvx()->GetVersion(), "V100"));
  ASSERT_NE(Production(), nullptr);
  EXPECT_TRUE(VersionIs(Production()->GetVersion(), "V100"));
  ASSERT_NE(HvxService(), nullptr);
  EXPECT_TRUE(VersionIs(HvxService()->GetVersion(), "V100"));
}

TEST_F(DllLoadTest, NoDecoratedNamesAreExported) {
  EXPECT_EQ(GetProcAddress(library_, "_GetRemoteConnectAPI"), nullptr);
  EXPECT_EQ(GetProcAddress(library_, "GetRemoteConnectAPI@0"), nullptr);
  EXPECT_EQ(GetProcAddress(library_, "_GetRemoteConnectAPI@0"), nullptr);
}

TEST_F(DllLoadTest, EachGetterAlwaysHandsOutTheSameTable) {
  EXPECT_EQ(Connect(), Connect());
  EXPECT_EQ(Hvx(), Hvx());
}

TEST_F(DllLoadTest, WithoutAMachineTheStatusIsMissingOnEveryTable) {
  uint32_t state = 0, handshake = 0;
  EXPECT_EQ(Connect()->GetStatus(&state, &handshake), 0);
  EXPECT_EQ(state, 0xFFFFFFFFu);
  EXPECT_EQ(handshake, 0xFFFFFFFFu);
  state = handshake = 0;
  EXPECT_EQ(Control()->GetStatus(&state, &handshake), 0);
  EXPECT_EQ(state, 0xFFFFFFFFu);
  EXPECT_EQ(handshake, 0xFFFFFFFFu);
  EXPECT_EQ(Service()->GetStatus(&state, &handshake), 0);
}

TEST_F(DllLoadTest, WithoutAMachineOperationsFailByTheirConventions) {
  EXPECT_EQ(Control()->Unsupported(0, 0), -1);
  EXPECT_EQ(Control()->Unsupported(7, -7), -1);
  EXPECT_EQ(Control()->GetInputState(), -1);
  EXPECT_EQ(Hvx()->GetSpindleSpeed(), -1);
  EXPECT_EQ(Hvx()->SetUserCompensation(0, 0, 0), 0);
  AxisVector position{};
  EXPECT_FALSE(Hvx()->GetCurrentPosition(&position));
  EXPECT_FALSE(Hvx()->MoveTo(&position, 100));
  char text[64];
  EXPECT_EQ(Control()->GetFirmwareVersion(text, sizeof text), -1);
  EXPECT_FALSE(HvxService()->ClearAllParameters());
}

TEST_F(DllLoadTest, CoordinateSetNumbersOutsideTheirRangeFail) {
  AxisVector v{};
  EXPECT_FALSE(Hvx()->GetWorkCoordinate(53, &v));
  EXPECT_FALSE(Hvx()->GetWorkCoordinate(60, &v));
  EXPECT_FALSE(Hvx()->SetWorkCoordinate(60, &v));
  EXPECT_FALSE(Hvx()->GetExtWorkCoordinate(0, &v));
  EXPECT_FALSE(Hvx()->GetExtWorkCoordinate(301, &v));
  EXPECT_FALSE(Hvx()->SetExtWorkCoordinate(301, &v));
}

TEST_F(DllLoadTest, NoDeviceIsSelectedAfterLoading) {
  EXPECT_EQ(Connect()->GetDeviceName(nullptr, 0), 1);  // the empty name and its terminator
  char name[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(Connect()->GetDeviceName(name, 0), -1);
  EXPECT_EQ(name[0], 'x');
  EXPECT_TRUE(Connect()->Disconnect());
  EXPECT_FALSE(Connect()->Reconnect());
}

TEST_F(DllLoadTest, TheLibraryCanBeUnloadedAndLoadedAgain) {
  ASSERT_TRUE(FreeLibrary(library_));
  library_ = LoadLibraryA("HVX40ServiceAPI.dll");
  ASSERT_NE(library_, nullptr);
  EXPECT_TRUE(VersionIs(Service()->GetVersion(), "V102"));
}

}  // namespace
