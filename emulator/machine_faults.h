// Faults the emulated machine can be told to show, so that the host's failure paths can be
// driven on purpose.
#pragma once

struct MachineFaults {
  bool errorOnNextCommand = false;  // the next command gets the error bit, then this clears
  bool shortReplies = false;        // every query reply and direct read comes one byte short
  bool bulkStops = false;           // a bulk IN stream stops half-way and never ends
  bool busyForever = false;         // state 3 and the executing bit, whatever happens
  bool offline = false;             // state 5
  bool jobBlocked = false;          // bit 6 of the state word
};
