// WaitForMachine: follows a motion to its end while the windows stay alive and Cancel works.
#pragma once

#include "../../../library/controller/clock.h"
#include "../../seams/page_seams.h"
#include "page_machine.h"
#include "run_break.h"

enum class WaitResult {
  kFinished = 1,   // the machine came to rest normally
  kStopped = 2,    // it went offline, reported an error, or was stopped (cover opened)
  kCancelled = 3,  // the engineer pressed Cancel; the motion has been stopped
};

class CMachineWait {
 public:
  static constexpr uint32_t kSliceMs = 100;

  CMachineWait(CPageMachine& machine, CClock& clock, IPageBoxes& boxes)
      : machine_(machine), clock_(clock), boxes_(boxes) {}

  // Sleeps in 100 ms slices and reads the status at most once per slice until the machine is
  // neither executing, moving nor busy. When reads start failing after a busy reading, the
  // wait goes on with the busy values until a read succeeds again, or the silence limit ends it.
  WaitResult WaitForMachine(IProgressBox& box);

  // A window has Cancel for a machine that stops answering in the middle of a motion; a script
  // has no one to press it. With a limit, a wait that has read no status for that long ends as
  // kStopped with kSilent. 0 (the windows' choice) waits on.
  void SetSilenceLimit(uint32_t ms) { silenceLimitMs_ = ms; }

  // Why the last wait did not finish normally: kCancelled, kCoverOpened, kMachineError or
  // kOffline (kSilent with a silence limit); kNone after a normal end.
  RunBreak LastBreak() const { return lastBreak_; }

 private:
  // One status poll with its consequences; false when the wait must end with result.
  bool Poll(IProgressBox& box, MachineStatus& kept, WaitResult& result);

  CPageMachine& machine_;
  CClock& clock_;
  IPageBoxes& boxes_;
  RunBreak lastBreak_ = RunBreak::kNone;
  uint32_t silenceLimitMs_ = 0;
  uint32_t lastAnswerMs_ = 0;
};

extern const char kCancelledJobText[];  // "Cancelled the job"
