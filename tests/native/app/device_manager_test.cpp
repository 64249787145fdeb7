// The device manager: which queues are listed and probed, which machine Connect opens, when the
// dialog ends by itself, and what the engineer is told.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "../../../service/wrapper/controller_holder.h"
#include "device_manager_model.h"
#include "fake_platform.h"
#include "support/fake_hvx_controller.h"

using ::testing::_;
using ::testing::NiceMock;

namespace {

class FakeList : public CDeviceListView {
 public:
  void Create() override { created = true; }
  void DeleteAllRows() override { rows.clear(), mark = -1; }
  int InsertSorted(const std::string& name) override {
    auto at = std::upper_bound(rows.begin(), rows.end(), name,
                               [](const std::string& n, const Row& r) { return n < r[0]; });
    int row = static_cast<int>(at - rows.begin());
    rows.insert(at, Row{name, "", ""});
    return row;
  }
  bool SetCell(int row, int column, const std::string& text) override {
    if (row < 0 || row >= RowCount()) return false;
    rows[row][column] = text;
    return true;
  }
  int RowCount() override { return static_cast<int>(rows.size()); }
  std::string RowName(int row) override { return rows[row][0]; }
  int SelectionMark() override { return mark; }
  void SetSelectionMark(int row) override { mark = row; }

  typedef std::array<std::string, 3> Row;
  std::vector<Row> rows;
  int mark = -1;
  bool created = false;
};

class FakeSpooler : public CPrinterSpooler {
 public:
  bool LocalQueues(std::vector<PrinterQueue>& out) override {
    out = queues;
    return readable;
  }
  std::vector<PrinterQueue> queues;
  bool readable = true;
};

class DeviceManager : public ::testing::Test {
 protected:
  void SetUp() override {
    SetControllerFactory([this]() -> CHVXController* {
      ++created;
      if (!canCreate) return nullptr;
      auto* fake = new NiceMock<CFakeHVXController>();
      ON_CALL(*fake, Connect(_)).WillByDefault([this](const char* name) {
        calls.push_back(std::string("Connect ") + name);
        return reachable[name];
      });
      ON_CALL(*fake, ConnectSimulator(_)).WillByDefault([this](int window) {
        calls.push_back("ConnectSimulator " + std::to_string(window));
        return simulatorUp;
      });
      ON_CALL(*fake, Disconnect()).WillByDefault([this]() {
        calls.push_back("Disconnect");
        return true;
      });
      return fake;
    });
  }
  void TearDown() override {
    ReleaseController();
    SetControllerFactory(nullptr);
  }
  void AddQueue(const std::string& name, bool up, const std::string& driver = "Varnel HVX-40") {
    spooler.queues.push_back({name, driver});
    reachable[name] = up;
  }
  CDeviceManagerModel Model(bool autoConnect) {
    return CDeviceManagerModel(access, list, notice, autoConnect);
  }

  FakeSpooler spooler;
  CPrinterAccess access{spooler};
  FakeList list;
  TestNotice notice;
  std::map<std::string, bool> reachable;
  bool simulatorUp = true;
  bool canCreate = true;
  int created = 0;
  std::vector<std::string> calls;
};

}  // namespace

TEST_F(DeviceManager, NoMachineQueueMeansEmptyListAndTwoRefusals) {
  AddQueue("Office laser", true, "HP LaserJet");
  auto model = Model(true);
  EXPECT_FALSE(model.Initialise());
  EXPECT_EQ(0, model.count());
  EXPECT_TRUE(list.rows.empty());
  model.Connect();
  EXPECT_FALSE(model.ConfirmOk());
  EXPECT_EQ((std::vector<std::string>{"Device is not selected.", "Device is not connected."}),
            notice.messages);
  EXPECT_TRUE(calls.empty()) << "a foreign queue is never probed";

  notice.messages.clear();
  spooler.readable = false;
  auto unreadable = Model(true);
  unreadable.Initialise();
  EXPECT_EQ(-1, unreadable.count());
  EXPECT_TRUE(notice.messages.empty());
}

TEST_F(DeviceManager, SingleMachineIsConnectedByItselfOnlyWithAutoConnect) {
  AddQueue("HVX-40 USB", true);
  auto waiting = Model(false);
  EXPECT_FALSE(waiting.Initialise());
  EXPECT_FALSE(waiting.connected());
  ASSERT_EQ(1u, list.rows.size());
  EXPECT_EQ((FakeList::Row{"HVX-40 USB", "ready", "Varnel HVX-40"}), list.rows[0]);

  auto automatic = Model(true);
  EXPECT_TRUE(automatic.Initialise()) << "ends with OK by itself";
  EXPECT_TRUE(automatic.connected());
  EXPECT_EQ("Connected", list.rows[0][kColumnStatus]);
  EXPECT_EQ("Connect HVX-40 USB", calls.back());
  EXPECT_TRUE(automatic.ConfirmOk());
}

TEST_F(DeviceManager, EveryProbeIsAConnectFollowedByADisconnect) {
  AddQueue("B machine", false);
  AddQueue("A machine", true);
  auto model = Model(false);
  model.Initialise();
  EXPECT_EQ((std::vector<std::string>{"offline", "ready"}), model.statuses());
  EXPECT_EQ((std::vector<std::string>{
                "Connect B machine", "Disconnect", "Connect A machine", "Disconnect",  // listing
                "Connect A machine", "Disconnect", "Connect B machine", "Disconnect"}),  // rows
            calls);
  EXPECT_EQ("ready", list.rows[0][kColumnStatus]);
  EXPECT_EQ("offline", list.rows[1][kColumnStatus]);
}

TEST_F(DeviceManager, TwoMachinesAreSortedAndConnectUsesTheTopRow) {
  AddQueue("Zeta", true);
  AddQueue("Alpha", true);
  auto model = Model(true);
  EXPECT_FALSE(model.Initialise()) << "two machines: no automatic connect";
  EXPECT_FALSE(model.connected());
  EXPECT_EQ((std::vector<std::string>{"Zeta", "Alpha"}), model.names()) << "system order kept";
  EXPECT_EQ("Alpha", list.rows[0][0]);
  calls.clear();
  model.Connect();
  EXPECT_EQ((std::vector<std::string>{"Disconnect", "Connect Alpha", "Disconnect", "Connect Zeta",
                                      "Disconnect", "Connect Alpha"}),
            calls);
  EXPECT_EQ("Connected", list.rows[0][kColumnStatus]);
  EXPECT_EQ("ready", list.rows[1][kColumnStatus]);
  EXPECT_TRUE(model.connected());
}

TEST_F(DeviceManager, DriverNameIsComparedIgnoringCase) {
  AddQueue("Upper", true, "VARNEL hvx-40");
  AddQueue("Longer", true, "Varnel HVX-400");
  auto model = Model(false);
  model.Initialise();
  EXPECT_EQ(std::vector<std::string>{"Upper"}, model.names());
}

// The caller logs "Connected" from the flag, so it must say whether the library holds the
// connection when the dialog ends.
TEST_F(DeviceManager, RefreshReconnectsTheConnectedQueueAndAFailedConnectReportsNotConnected) {
  AddQueue("Only", true);
  AddQueue("Other", true);
  auto model = Model(false);
  model.Initialise();
  model.Connect();  // the top row: "Only"
  ASSERT_TRUE(model.connected());
  calls.clear();
  model.Refresh();
  EXPECT_EQ("Connect Only", calls.back()) << "the probes ended the connection; it is opened again";
  EXPECT_TRUE(model.connected());
  EXPECT_EQ("Connected", list.rows[0][kColumnStatus]);
  EXPECT_EQ("ready", list.rows[1][kColumnStatus]);
  EXPECT_EQ(1, created) << "refresh keeps the wrapper";

  reachable["Only"] = false;
  model.Refresh();
  EXPECT_FALSE(model.connected()) << "the machine went away during the refresh";
  EXPECT_EQ("offline", list.rows[0][kColumnStatus]);
  EXPECT_FALSE(model.ConfirmOk());

  reachable["Only"] = true;
  model.Connect();
  ASSERT_TRUE(model.connected());
  reachable["Only"] = false;
  model.Connect();
  EXPECT_FALSE(model.connected()) << "the failed Connect began by ending the first connection";
  EXPECT_EQ("offline", list.rows[0][kColumnStatus]) << "a failed Connect shows nothing more";
  model.Refresh();
  EXPECT_FALSE(model.connected());
  EXPECT_NE("Connect Only", calls.back()) << "nothing to reconnect after a failed Connect";
}

TEST_F(DeviceManager, EachOpeningReplacesTheWrapper) {
  Model(false).Initialise();
  auto* first = static_cast<CFakeHVXController*>(CurrentController());
  EXPECT_CALL(*first, Unload()).Times(1);
  Model(false).Initialise();
  EXPECT_EQ(2, created) << "a fresh wrapper; the old one was unloaded and freed (checked on delete)";
}

TEST_F(DeviceManager, WithoutAWrapperTheDialogStaysEmptyAndSafe) {
  canCreate = false;
  AddQueue("Only", true);
  auto model = Model(true);
  EXPECT_FALSE(model.Initialise());
  EXPECT_FALSE(list.created);
  model.Refresh();
  model.Connect();
  EXPECT_FALSE(model.ConfirmOk());
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ((std::vector<std::string>{"Device is not selected.", "Device is not connected."}),
            notice.messages);
}

TEST_F(DeviceManager, SimulatorModeListsTheEmulatorAndConnectsItWithTheWindow) {
  CSimulatorAccess simulator;
  simulator.SetWindow(0x777);
  CDeviceManagerModel model(simulator, list, notice, true);
  EXPECT_TRUE(model.Initialise());
  ASSERT_EQ(1u, list.rows.size());
  EXPECT_EQ((FakeList::Row{"Varnel HVX-40", "Connected", "Varnel HVX-40"}), list.rows[0]);
  EXPECT_EQ("ConnectSimulator 1911", calls.back());
  for (const std::string& call : calls) EXPECT_EQ(std::string::npos, call.find("Connect "));

  simulatorUp = false;
  CDeviceManagerModel down(simulator, list, notice, true);
  EXPECT_FALSE(down.Initialise());
  EXPECT_EQ("offline", list.rows[0][kColumnStatus]);
}
