// The firmware installation: the file, update mode, the reload and its pause, the wait for the
// machine to take the image, the progress, the waits and both endings, with what becomes of the
// wrapper.
#include "../../../service/procedures/output/firmware_upgrade.h"
#include "../../../service/procedures/output/pumping_clock.h"
#include "../../../service/procedures/output/update_follow.h"
#include "../../../service/status/status_word.h"
#include "../../../service/wrapper/controller_holder.h"
#include "info_fixture.h"

using testing::_;
using testing::NiceMock;
using testing::Pointee;
using testing::Return;
using testing::StrEq;

namespace {

using Fake = NiceMock<CFakeHVXController>;
using Status = std::pair<uint32_t, uint32_t>;

constexpr uint32_t kReady = 0x2;
constexpr uint32_t kWaiting = 0x81000000;  // update mode, phase 1
const char kFirmwarePath[] = "C:\\fw\\hvx.rfw";
const char kUpdateModeFailed[] =
    "tell: Failed to enter updatemode\r\nRestart HVX-40 and try it again.";
const char kNoUpdateModeLog[] =
    "log: Failed to update firmware: the machine did not enter update mode";

uint32_t Updating(int phase, int progress) {
  return 0x80000000u | (static_cast<uint32_t>(phase) << 24) |
         (static_cast<uint32_t>(progress) << 16);
}

// Answers the scripted statuses in turn and repeats the last, writing each to the journal.
auto ScriptedStatus(Journal& journal, std::vector<Status> answers) {
  auto index = std::make_shared<size_t>(0);
  return [&journal, answers, index](uint32_t* state, uint32_t* handshake) {
    const Status s = answers[std::min(*index, answers.size() - 1)];
    ++*index;
    journal.push_back("status");
    return hvxtest::ReturnStatus(s.first, s.second)(state, handshake);
  };
}

// The fake clock's sleeps, noted in the journal among the boxes' entries.
class CJournalClock : public CClock {
 public:
  CJournalClock(CFakeClock& clock, Journal& journal) : clock_(clock), journal_(journal) {}
  uint32_t TickCount() override { return clock_.TickCount(); }
  void Sleep(uint32_t ms) override {
    journal_.push_back("sleep");
    clock_.Sleep(ms);
  }

 private:
  CFakeClock& clock_;
  Journal& journal_;
};

class FirmwareUpgradeTest : public InfoPageFixture {
 protected:
  FirmwareUpgradeTest() {
    oldWrapper = new Fake();
    SetControllerFactory([this] { return static_cast<CHVXController*>(oldWrapper); });
    RenewController();
    SetControllerFactory([this]() -> CHVXController* { return MakeNewWrapper(); });
    ON_CALL(*oldWrapper, GetStatus(_, _)).WillByDefault(hvxtest::ReturnStatus(kReady));
    ON_CALL(*oldWrapper, EnterUpdateMode(_)).WillByDefault([this](int mode) {
      journal.push_back("enter update mode " + std::to_string(mode));
      return true;
    });
    ON_CALL(*oldWrapper, Unload()).WillByDefault([this] { journal.push_back("unload old"); });
    files.files[kFirmwarePath] = {'R', 'F', 'W'};
  }

  ~FirmwareUpgradeTest() override {
    ReleaseController();
    SetControllerFactory(nullptr);
  }

  Fake* MakeNewWrapper() {
    journal.push_back("new wrapper after " + std::to_string(SleptMs()) + " ms");
    if (!newWrapperLoads) return nullptr;
    newWrapper = new Fake();
    ON_CALL(*newWrapper, EnumerateDevices()).WillByDefault([this] {
      journal.push_back("enumerate");
      return 1;
    });
    ON_CALL(*newWrapper, OutputFile(_, _)).WillByDefault([this](const char* const* path,
                                                               const char* job) {
      journal.push_back(std::string("output ") + *path + " as " + job);
      return sendAccepted;
    });
    std::vector<Status> answers = reloadStatus;
    answers.insert(answers.end(), updateStatus.begin(), updateStatus.end());
    ON_CALL(*newWrapper, GetStatus(_, _)).WillByDefault(ScriptedStatus(journal, answers));
    ON_CALL(*newWrapper, Unload()).WillByDefault([this] { journal.push_back("unload new"); });
    return newWrapper;
  }

  // Twenty polls 500 ms apart after the reload, then the box closes and the engineer is told;
  // nothing is sent and the reloaded library stays in use.
  void ExpectTheWaitForUpdateModeGaveUp() {
    std::vector<uint32_t> expected{3000};
    expected.insert(expected.end(), 20, 500);
    EXPECT_EQ(clock.sleeps, expected);
    EXPECT_EQ(EntriesStartingWith(journal, "status").size(), 21u);
    EXPECT_TRUE(EntriesStartingWith(journal, "output").empty());
    const Journal ending(journal.end() - 3, journal.end());
    EXPECT_EQ(ending, (Journal{kNoUpdateModeLog, "box close", kUpdateModeFailed}));
    EXPECT_EQ(CurrentController(), newWrapper);
  }

  uint32_t SleptMs() const {
    uint32_t total = 0;
    for (uint32_t ms : clock.sleeps) total += ms;
    return total;
  }

  UpgradeOutcome Run(const std::string& path = kFirmwarePath) {
    CFirmwareUpgrade upgrade(UpgradeSeams{CurrentController, machine, windows, windows, clock, reload,
                                          windows, files, windows});
    return upgrade.Run(path);
  }

  Fake* oldWrapper = nullptr;
  Fake* newWrapper = nullptr;
  bool newWrapperLoads = true;
  bool sendAccepted = true;
  // What the reloaded library first reads: the machine waiting for its image.
  std::vector<Status> reloadStatus{{kWaiting, 0}};
  std::vector<Status> updateStatus{{Updating(2, 20), 0}, {Updating(4, 50), 0},
                                   {Updating(6, 90), 0}};
  CPageMachine machine{CurrentController};
  CHolderLibraryReload reload{clock, [this](CHVXController&) { journal.push_back("reconnect"); }};
};

TEST_F(FirmwareUpgradeTest, InstallsAndFollowsTheProgressToTheEnd) {
  EXPECT_EQ(Run(), UpgradeOutcome::kUpdated);
  EXPECT_EQ(journal,
            (Journal{"enter update mode 0",
                     "box open: Installing firmware...\r\nDo not switch off the power or\r\n"
                     "disconnect the cable until finishing installation.",
                     "bar 0", "range 0..100", "unload old", "new wrapper after 3000 ms",
                     "reconnect", "enumerate", "status", "bar 10", "pump",
                     "output C:\\fw\\hvx.rfw as output", "log: Output File",
                     "log: File sent: C:\\fw\\hvx.rfw", "status", "bar 35", "status", "bar 65",
                     "status", "bar 105",
                     "inform: Success to update.\nPlease restart HVX-40.",
                     "log: Updated Firmware", "box close"}));
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{3000, 1000, 1000, 1500}));
  EXPECT_EQ(CurrentController(), newWrapper);
}

TEST_F(FirmwareUpgradeTest, AMachineAlreadyWaitingInUpdateModeIsNotAskedAgain) {
  ON_CALL(*oldWrapper, GetStatus(_, _)).WillByDefault(hvxtest::ReturnStatus(kWaiting));
  EXPECT_CALL(*oldWrapper, EnterUpdateMode(_)).Times(0);
  Run();
  EXPECT_EQ(journal.back(), "box close");
  EXPECT_EQ(EntriesStartingWith(journal, "inform").size(), 1u);
}

TEST_F(FirmwareUpgradeTest, AMachineInAnotherUpdatePhaseIsAskedToEnterUpdateMode) {
  ON_CALL(*oldWrapper, GetStatus(_, _)).WillByDefault(hvxtest::ReturnStatus(Updating(6, 100)));
  EXPECT_CALL(*oldWrapper, EnterUpdateMode(0)).WillOnce(Return(true));
  Run();
}

TEST_F(FirmwareUpgradeTest, RefusalsBeforeTheInstallationLeaveMachineAndLibraryAlone) {
  EXPECT_EQ(Run(""), UpgradeOutcome::kNoFile);
  ON_CALL(*oldWrapper, GetStatus(_, _)).WillByDefault(hvxtest::ReturnStatusNotRead());
  EXPECT_CALL(*oldWrapper, EnterUpdateMode(_)).Times(0);
  EXPECT_EQ(Run(), UpgradeOutcome::kStatusUnread);
  EXPECT_EQ(journal, (Journal{"tell: Select the file address.",
                              "log: Failed to update firmware: the machine status could not be read",
                              "tell: getting system status was failed"}));
  EXPECT_EQ(CurrentController(), oldWrapper);
}

TEST_F(FirmwareUpgradeTest, ARefusedUpdateModeStopsBeforeTheBox) {
  EXPECT_CALL(*oldWrapper, EnterUpdateMode(0)).WillOnce(Return(false));
  EXPECT_EQ(Run(), UpgradeOutcome::kUpdateModeRefused);
  EXPECT_EQ(journal,
            (Journal{"log: Failed to update firmware: the machine did not enter update mode",
                     "tell: Failed to enter updatemode\r\nRestart HVX-40 and try it again."}));
  EXPECT_TRUE(clock.sleeps.empty());
  EXPECT_EQ(CurrentController(), oldWrapper);
}

TEST_F(FirmwareUpgradeTest, AnUpdateErrorEndsInFailureAndLeavesTheToolWithoutAWrapper) {
  updateStatus = {{Updating(2, 10), 0}, {Updating(9, 40), 0}};
  EXPECT_EQ(Run(), UpgradeOutcome::kFailed);
  const Journal ending(journal.end() - 8, journal.end());
  EXPECT_EQ(ending, (Journal{"status", "bar 25", "status", "bar 55",
                             "log: Failed to update firmware: the machine reported an update "
                             "error, its status could not be read, it stood still, or it did "
                             "not finish in time",
                             "tell: Failed to update.\nPlease restart HVX-40.", "unload new",
                             "box close"}));
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{3000, 1000, 3000}));
  EXPECT_EQ(CurrentController(), nullptr);
  EXPECT_TRUE(EntriesStartingWith(journal, "log: Updated").empty());
}

TEST_F(FirmwareUpgradeTest, OnlyPhasesEightToTwelveInUpdateModeAreErrors) {
  using namespace status_word;
  for (int phase = 0; phase <= 15; ++phase) {
    EXPECT_EQ(IsUpdateError(Updating(phase, 0)), phase >= 8 && phase <= 12) << phase;
  }
  EXPECT_FALSE(IsUpdateError(0x09000000u));  // phase 9 without the update-mode marker
  EXPECT_TRUE(IsWaitingForImage(0x81000000u));
  EXPECT_FALSE(IsWaitingForImage(0x01000000u));
  EXPECT_EQ(UpdateProgress(Updating(4, 0xAB)), 0xABu);
}

TEST_F(FirmwareUpgradeTest, AnUnreadableStatusDuringTheUpdateIsAFailure) {
  updateStatus = {{Updating(3, 30), 0}, {kStatusNotRead, kStatusNotRead}};
  EXPECT_EQ(Run(), UpgradeOutcome::kFailed);
  EXPECT_EQ(EntriesStartingWith(journal, "tell"),
            (Journal{"tell: Failed to update.\nPlease restart HVX-40."}));
  EXPECT_EQ(CurrentController(), nullptr);
}

TEST_F(FirmwareUpgradeTest, AFailedSendIsToldAndEndsTheInstallationWithoutFollowing) {
  sendAccepted = false;
  EXPECT_EQ(Run(), UpgradeOutcome::kFailed);
  EXPECT_EQ(EntriesStartingWith(journal, "status").size(), 1u) << "only the wait for update mode";
  const Journal ending(journal.end() - 8, journal.end());
  EXPECT_EQ(ending, (Journal{"output C:\\fw\\hvx.rfw as output", "tell: Failed to output file",
                             "log: Output File", "log: File not sent: C:\\fw\\hvx.rfw",
                             "log: Failed to update firmware: the firmware file could not be sent",
                             "tell: Failed to update.\nPlease restart HVX-40.", "unload new",
                             "box close"}));
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{3000, 3000}));
}

// Neither finished nor failed, a machine that stands still for a minute has not confirmed the
// installation: it ends as a failure, with no "Updated Firmware" in the record.
TEST_F(FirmwareUpgradeTest, AMachineThatStandsStillForAMinuteEndsInFailure) {
  updateStatus = {{Updating(4, 60), 0}};
  EXPECT_EQ(Run(), UpgradeOutcome::kFailed);
  EXPECT_EQ(EntriesStartingWith(journal, "status").size(), 1u + 61u);
  EXPECT_EQ(EntriesStartingWith(journal, "bar 75").size(), 61u);
  std::vector<uint32_t> expected{3000};
  expected.insert(expected.end(), 60, 1000);
  expected.push_back(3000);
  EXPECT_EQ(clock.sleeps, expected);
  EXPECT_EQ(EntriesStartingWith(journal, "tell"),
            (Journal{"tell: Failed to update.\nPlease restart HVX-40."}));
  EXPECT_TRUE(EntriesStartingWith(journal, "inform").empty());
  EXPECT_TRUE(EntriesStartingWith(journal, "log: Updated").empty());
  EXPECT_EQ(CurrentController(), nullptr);
}

// A slow machine is followed for as long as its progress or its phase moves on, however long
// the whole installation takes.
TEST_F(FirmwareUpgradeTest, ASlowMachineIsFollowedWhileItsProgressOrPhaseMovesOn) {
  updateStatus.clear();
  for (const Status& still : {Status{Updating(4, 40), 0}, Status{Updating(4, 41), 0},
                             Status{Updating(5, 41), 0}}) {
    updateStatus.insert(updateStatus.end(), 60, still);  // 59 s without a change each
  }
  updateStatus.push_back({Updating(5, 85), 0});
  EXPECT_EQ(Run(), UpgradeOutcome::kUpdated);
  EXPECT_EQ(EntriesStartingWith(journal, "status").size(), 1u + 181u);
  EXPECT_EQ(EntriesStartingWith(journal, "inform"),
            (Journal{"inform: Success to update.\nPlease restart HVX-40."}));
  EXPECT_EQ(journal[journal.size() - 2], "log: Updated Firmware");
}

// A progress that keeps changing without ever reaching the end is followed for a quarter of an
// hour from the send, then the installation ends in failure.
TEST_F(FirmwareUpgradeTest, AProgressThatChangesForEverEndsInFailureAtTheBound) {
  updateStatus.clear();
  for (int i = 0; i < 1200; ++i) updateStatus.push_back({i % 2 ? 0x80020000u : 0x80010000u, 0});
  EXPECT_EQ(Run(), UpgradeOutcome::kFailed);
  const size_t polls = CUpdateFollower::kFollowLimitMs / CUpdateFollower::kPollMs + 1;
  EXPECT_EQ(polls, 901u);
  EXPECT_EQ(EntriesStartingWith(journal, "status").size(), 1u + polls);
  std::vector<uint32_t> expected{3000};
  expected.insert(expected.end(), polls - 1, 1000);
  expected.push_back(3000);
  EXPECT_EQ(clock.sleeps, expected);
  EXPECT_EQ(EntriesStartingWith(journal, "tell"),
            (Journal{"tell: Failed to update.\nPlease restart HVX-40."}));
  EXPECT_TRUE(EntriesStartingWith(journal, "log: Updated").empty());
  EXPECT_EQ(CurrentController(), nullptr);
}

TEST_F(FirmwareUpgradeTest, ProgressOfEightyFiveFinishesAfterAPause) {
  updateStatus = {{Updating(5, 84), 0}, {Updating(5, 85), 0}};
  EXPECT_EQ(Run(), UpgradeOutcome::kUpdated);
  EXPECT_EQ(EntriesStartingWith(journal, "bar"),
            (Journal{"bar 0", "bar 10", "bar 99", "bar 100"}));
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{3000, 1000, 1500}));
}

// The clock that the tool gives the installation: a wait is cut into slices of at most 100 ms,
// each after the window messages were dispatched, and lasts as long as it would have.
TEST(PumpingClockTest, AWaitEndsWhenItsTimeIsUpAndDispatchesBeforeEachSliceAndAtTheEnd) {
  CFakeClock clock;
  CRecordedWindows windows;
  CJournalClock noted(clock, windows.journal);
  CPumpingClock pumping(noted, windows);
  pumping.Sleep(250);
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{100, 100, 50}));
  EXPECT_EQ(windows.journal, (Journal{"pump", "sleep", "pump", "sleep", "pump", "sleep", "pump"}));
  windows.journal.clear();
  pumping.Sleep(0);
  EXPECT_EQ(windows.journal, (Journal{"pump"}));
  // Time that the messages themselves take counts toward the wait (here 40 ms a reading).
  clock.sleeps.clear();
  clock.advancePerReading = 40;
  pumping.Sleep(250);
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{100, 70}));
}

// Without a library the machine cannot be asked whether it waits: nothing is sent.
TEST_F(FirmwareUpgradeTest, ALibraryThatCannotBeLoadedAgainSendsNothingAndDoesNotCrash) {
  newWrapperLoads = false;
  EXPECT_EQ(Run(), UpgradeOutcome::kUpdateModeRefused);
  EXPECT_EQ(EntriesStartingWith(journal, "tell"), (Journal{kUpdateModeFailed}));
  EXPECT_TRUE(EntriesStartingWith(journal, "reconnect").empty());
  EXPECT_EQ(EntriesStartingWith(journal, "log"), (Journal{kNoUpdateModeLog}));
  EXPECT_EQ(CurrentController(), nullptr);
}

// A machine that refused update mode (still ready, error bit set), or still shows the finished
// installation of an earlier run, would take the image as a cutting job.
TEST_F(FirmwareUpgradeTest, AMachineThatRefusedUpdateModeIsSentNothing) {
  reloadStatus = {{kReady, 0x10}};
  EXPECT_EQ(Run(), UpgradeOutcome::kUpdateModeRefused);
  ExpectTheWaitForUpdateModeGaveUp();
}

TEST_F(FirmwareUpgradeTest, AMachineStillShowingAnEarlierInstallationIsSentNothing) {
  reloadStatus = {{Updating(6, 100), 0}};
  EXPECT_EQ(Run(), UpgradeOutcome::kUpdateModeRefused);
  ExpectTheWaitForUpdateModeGaveUp();
}

// The interface restarts in update mode: reads that fail meanwhile are asked again.
TEST_F(FirmwareUpgradeTest, UnreadableStatusesWhileTheInterfaceRestartsAreWaitedFor) {
  reloadStatus = {{kStatusNotRead, kStatusNotRead}, {kStatusNotRead, kStatusNotRead},
                  {kWaiting, 0}};
  EXPECT_EQ(Run(), UpgradeOutcome::kUpdated);
  EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{3000, 500, 500, 1000, 1000, 1500}));
  EXPECT_EQ(journal.back(), "box close");
  EXPECT_EQ(EntriesStartingWith(journal, "output").size(), 1u);
}

// A file that vanished since it was chosen is found out before the machine is touched.
TEST_F(FirmwareUpgradeTest, AFirmwareFileThatCannotBeOpenedLeavesMachineAndLibraryAlone) {
  files.files.clear();
  EXPECT_CALL(*oldWrapper, GetStatus(_, _)).Times(0);
  EXPECT_CALL(*oldWrapper, EnterUpdateMode(_)).Times(0);
  EXPECT_EQ(Run(), UpgradeOutcome::kNoFile);
  EXPECT_EQ(journal,
            (Journal{"log: Failed to update firmware: the firmware file could not be opened",
                     std::string("file error: ") + kFirmwarePath}));
  EXPECT_EQ(CurrentController(), oldWrapper);
}

}  // namespace
