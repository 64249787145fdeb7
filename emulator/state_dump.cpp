#include "state_dump.h"

#include <cstdio>

#include "command_codes.h"

namespace {

std::string Hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*x", digits, value);
  return text;
}

std::string Flag(bool on) { return on ? "1" : "0"; }

// Parts per million of each axis, "x,y,z".
std::string Compensation(const CMachineStore& store, uint16_t code) {
  uint32_t words[6];
  store.Compensation(code, words);
  std::string text;
  for (int axis = 0; axis < 3; ++axis) {
    int64_t ppm = words[axis + 3] == 0 ? -1
                  : static_cast<int64_t>(words[axis]) * kCompensationUnit / words[axis + 3] -
                        kCompensationUnit;
    text += (axis ? "," : "") + std::to_string(ppm);
  }
  return text;
}

const char* StateName(const CMachineModel& machine) {
  if (machine.update().active()) return "update";
  switch (machine.StateWord() & 0x0F) {
    case kStateReady:
      return "ready";
    case kStateBusy:
      return "busy";
    default:
      return "offline";
  }
}

}  // namespace

StateEntries DescribeState(const CMachineModel& machine, const CServerSwitches& server) {
  const CMachineMotion& motion = machine.motion();
  const MachineFaults& faults = machine.faults();
  const CMachineStore& store = machine.store();
  int32_t position[kVectorValues];
  motion.Position(position);
  uint32_t now = machine.now();
  static const char* const kAxisKeys[] = {"x", "y", "z", "a", "b", "c"};
  static const char* const kLinear[] = {"x", "y", "z"};

  StateEntries entries = {
      {"state", StateName(machine)},
      {"state_word", Hex(machine.StateWord(), 8)},
      {"handshake_word", Hex(machine.HandshakeWord(), 8)},
      {"input_word", Hex(machine.InputWord(), 8)},
  };
  for (int axis = 0; axis < kVectorValues; ++axis) {
    entries.push_back({kAxisKeys[axis], std::to_string(position[axis])});
  }
  entries.push_back({"moving", Flag(motion.Moving())});
  for (int axis = 0; axis < kLinearAxes; ++axis) {
    std::string name = kLinear[axis];
    entries.push_back({name + "_limit", Flag(machine.InputWord() & (1u << axis))});
    entries.push_back({name + "_limit_forced", Flag(motion.sensorForced(axis))});
    entries.push_back({name + "_stalled", Flag(motion.stalled(axis))});
    entries.push_back({name + "_min_current", std::to_string(motion.minimumCurrent(axis))});
  }
  entries.insert(entries.end(), {
      {"cover", machine.coverOpen() ? "open" : "closed"},
      {"spindle_set_rpm", std::to_string(machine.spindleSetRpm())},
      {"spindle_rpm", std::to_string(machine.SpindleRpm())},
      {"spindle_override", std::to_string(store.Load(kCmdGetSpindleOverride, 1)[0])},
      {"update_mode", Flag(machine.update().active())},
      {"update_phase", std::to_string(machine.update().Phase(now))},
      {"update_progress", std::to_string(machine.update().Progress(now))},
      {"serial", store.Text(kCmdGetSerialNumber)},
      {"short_code", store.Text(kCmdGetShortCode)},
      {"firmware", store.Text(kCmdIndexedStringFirst)},
      {"user_compensation", Compensation(store, kCmdGetUserCompensation)},
      {"compensation2", Compensation(store, kCmdGetCompensation2)},
      {"last_command", Hex(machine.lastCommand(), 4)},
      {"jobs", std::to_string(machine.jobsReceived())},
      {"last_job", machine.lastJobPath()},
      {"raw_bulk_bytes", std::to_string(machine.rawBulkBytes())},
      {"present", Flag(server.present())},
      {"fault_noack", Flag(server.faults().noAcknowledge)},
      {"fault_lateack", Flag(server.faults().lateAcknowledge)},
      {"fault_notready", Flag(server.faults().bulkOutHeld)},
      {"fault_error", Flag(faults.errorOnNextCommand)},
      {"fault_shortreply", Flag(faults.shortReplies)},
      {"fault_bulkstop", Flag(faults.bulkStops)},
      {"fault_busy", Flag(faults.busyForever)},
      {"fault_offline", Flag(faults.offline)},
      {"fault_blocked", Flag(faults.jobBlocked)},
      {"swap", Flag(machine.options().bigEndian)},
      {"report_size", std::to_string(machine.options().reportSize)},
  });
  return entries;
}

bool WriteStateDump(const StateEntries& entries, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return false;
  for (const auto& entry : entries) {
    std::fprintf(file, "%s=%s\n", entry.first.c_str(), entry.second.c_str());
  }
  return std::fclose(file) == 0;
}

std::string DisplayText(const CMachineModel& machine, const CServerSwitches& server) {
  int32_t position[kVectorValues];
  machine.motion().Position(position);
  uint32_t input = machine.InputWord();
  uint32_t now = machine.now();
  char text[512];
  std::snprintf(text, sizeof text,
                "X %10.3f mm   Y %10.3f mm   Z %10.3f mm%s\r\n"
                "Limit X %s   Y %s   Z %s      Cover %s\r\n"
                "Spindle %u rpm (set %u)\r\n"
                "State %s   state word %08x   handshake %08x\r\n"
                "Update phase %u   progress %u\r\n"
                "Device %s%s",
                position[0] / 1000.0, position[1] / 1000.0, position[2] / 1000.0,
                machine.motion().Moving() ? "   moving" : "", input & 1 ? "ON" : "--",
                input & 2 ? "ON" : "--", input & 4 ? "ON" : "--",
                machine.coverOpen() ? "OPEN" : "CLOSED", machine.SpindleRpm(),
                machine.spindleSetRpm(), StateName(machine), machine.StateWord(),
                machine.HandshakeWord(), machine.update().Phase(now),
                machine.update().Progress(now), server.present() ? "present" : "absent",
                server.faults().noAcknowledge ? ", not acknowledging" : "");
  return text;
}
