// The reads of one tick. A machine that has stopped answering makes every read wait for an
// acknowledge that never comes, so once this tick's status read has failed the rest of the
// tick's reads are skipped and their fields show that nothing was read. The status read is the
// only sign of a silent machine: a text read also fails when the machine's text does not fit
// its buffer, and such a refusal blanks its own field and nothing else.
#pragma once

#include <functional>

class CTickReads {
 public:
  // beforeEachRead runs before every read that may go out, so that what the engineer does
  // meanwhile (letting go of a jog button) is acted on between the reads, not after them all.
  explicit CTickReads(std::function<void()> beforeEachRead = nullptr)
      : m_beforeEachRead(std::move(beforeEachRead)) {}

  // Whether the next read may go out.
  bool Go() {
    if (m_silent) return false;
    if (m_beforeEachRead) m_beforeEachRead();
    return true;
  }
  // Records the outcome of the status read that went out; returns it.
  bool NoteStatus(bool answered) {
    if (!answered) m_silent = true;
    return answered;
  }

 private:
  std::function<void()> m_beforeEachRead;
  bool m_silent = false;
};
