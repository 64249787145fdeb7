// The reads of one tick. A machine that has stopped answering makes every read wait for an
// acknowledge that never comes, so once one read has failed the rest of the tick's reads are
// skipped and their fields show that nothing was read.
#pragma once

class CTickReads {
 public:
  // Whether the next read may go out.
  bool Go() const { return !m_failed; }
  // Records the outcome of a read that went out; returns it.
  bool Note(bool succeeded) {
    if (!succeeded) m_failed = true;
    return succeeded;
  }

 private:
  bool m_failed = false;
};
