// The emulated HVX-40 as its USB interface shows it: the command channel (status, acceptance,
// execution, replies, protocol check), the catalogue of commands, the bulk pipes and files, on
// top of the axes, the cover, the spindle, the stored values and the update mode.
//
// Every call comes from the one thread that serves the shared block; the caller serialises
// other threads (the window, the control channel) against it.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "clock.h"
#include "command_catalogue.h"
#include "firmware_update.h"
#include "journal.h"
#include "machine_endpoint.h"
#include "machine_faults.h"
#include "machine_motion.h"
#include "machine_store.h"
#include "wire_order.h"

struct MachineOptions {
  bool bigEndian = false;
  size_t reportSize = 0;  // 0: the plain report; otherwise padded to this many characters
  uint32_t updateMs = kDefaultUpdateMs;
  double rateScale = 1.0;
};

// Machine states of the low four bits of the state word.
enum MachineStateCode : uint32_t { kStateReady = 2, kStateBusy = 3, kStateOffline = 5 };

constexpr uint32_t kStateJobBlocked = 1u << 6;
constexpr uint32_t kStateMotion = 1u << 11;
constexpr uint32_t kStateCoverOpen = 1u << 17;
constexpr uint32_t kHandshakeError = 1u << 4;
constexpr uint32_t kHandshakeExecuting = 1u << 5;
constexpr uint32_t kHandshakePending = 1u << 6;
constexpr uint32_t kInputCoverClosed = 1u << 6;
// How long a command with completion keeps the executing bit set.
constexpr uint32_t kExecuteMs = 40;
// The protocol check's answer: identifier 1, then the byte-order marker in the machine's order.
constexpr uint16_t kProtocolIdentifier = 1;
constexpr uint16_t kByteOrderMarker = 0x1234;
extern const char kDeviceIdText[];

class CMachineModel : public CMachineEndpoint {
 public:
  CMachineModel(CClock& clock, const MachineOptions& options);

  // The USB side.
  void ControlOut(uint8_t requestType, uint8_t request, uint16_t value,
                  const std::vector<uint8_t>& data) override;
  std::vector<uint8_t> ControlIn(uint8_t requestType, uint8_t request, uint16_t value,
                                 uint16_t length) override;
  bool BulkOutReady() override { return true; }
  void BulkOut(const uint8_t* data, size_t length) override;
  std::vector<uint8_t> BulkIn(size_t max) override;
  bool OutputFile(const std::string& path) override;
  void ClientDisconnected() override;
  void ClientOutOfStep() override;

  // The hand controls and the test switches.
  void SetCoverOpen(bool open);
  bool coverOpen() const { return coverOpen_; }
  // Switched off and on again: update mode left, motion and spindle stopped, channel cleared.
  void Restart();
  void SetReportSize(size_t size) { options_.reportSize = size; }
  CMachineMotion& motion() { return motion_; }
  const CMachineMotion& motion() const { return motion_; }
  MachineFaults& faults() { return faults_; }
  const MachineFaults& faults() const { return faults_; }
  CFirmwareUpdate& update() { return update_; }
  const CFirmwareUpdate& update() const { return update_; }
  CMachineStore& store() { return store_; }
  const CMachineStore& store() const { return store_; }
  CJournal& journal() { return journal_; }
  const MachineOptions& options() const { return options_; }
  const CWireOrder& wireOrder() const { return order_; }

  // The status words as a status read would give them, without counting as that read.
  uint32_t StateWord() const;
  uint32_t HandshakeWord() const;
  uint32_t InputWord() const;
  // Spindle speed as the machine turns it: the set speed times the override, 0 with the cover
  // open or in update mode.
  uint32_t SpindleRpm() const;
  uint32_t spindleSetRpm() const { return spindleSetRpm_; }
  uint32_t now() const { return clock_.TickCount(); }
  unsigned jobsReceived() const { return jobsReceived_; }
  const std::string& lastJobPath() const { return lastJobPath_; }
  size_t rawBulkBytes() const { return rawBulkBytes_; }
  uint16_t lastCommand() const { return lastCommand_; }

 private:
  // The channel (machine_model.cpp).
  void BeginCommand();
  bool PayloadFits(const CommandEntry& entry, uint16_t code, const std::vector<uint8_t>& data) const;
  void Accept(const CommandEntry& entry);
  void Fail() { error_ = true; }
  std::vector<uint8_t> VendorRead(uint16_t code, uint16_t length);
  std::vector<uint8_t> StatusReply();
  std::vector<uint8_t> TakeReply(uint16_t length);
  std::vector<uint8_t> DirectReply(uint16_t code);
  std::vector<uint8_t> DeviceIdReply() const;
  void Offer(std::vector<uint8_t> reply);
  void QueueBulkIn(const std::vector<uint8_t>& bytes);
  void RestartWhenUpdateEnded();

  // The commands (machine_commands.cpp). Each gives false when the machine refuses.
  bool Execute(uint16_t code, const CommandEntry& entry, const std::vector<uint8_t>& data);
  bool Query(uint16_t code, const CommandEntry& entry);
  bool Command(uint16_t code, const std::vector<uint8_t>& data);
  bool StoreText(uint16_t code, const std::vector<uint8_t>& data);
  bool Move(const std::vector<uint8_t>& data);
  bool MoveAxis(int axis, const std::vector<uint8_t>& data);
  bool MotionAllowed() const;
  bool WriteWordTable(const std::vector<uint8_t>& data);
  std::vector<uint8_t> PositionReply() const;
  std::vector<uint8_t> WordTableReply() const;
  std::vector<uint8_t> DeviceBlock() const;
  std::string SystemReport() const;

  CClock& clock_;
  MachineOptions options_;
  CWireOrder order_;
  CMachineMotion motion_;
  CFirmwareUpdate update_;
  CMachineStore store_;
  CJournal journal_;
  MachineFaults faults_;

  bool coverOpen_ = false;
  uint32_t spindleSetRpm_ = 0;

  bool error_ = false;
  int pendingPolls_ = 0;
  bool executing_ = false;
  uint32_t executeStartMs_ = 0;
  std::vector<uint8_t> reply_;
  std::deque<uint8_t> bulkIn_;
  size_t uploadRemaining_ = 0;
  std::vector<uint8_t> upload_;
  size_t rawBulkBytes_ = 0;
  unsigned jobsReceived_ = 0;
  std::string lastJobPath_;
  uint16_t lastCommand_ = 0;
};
