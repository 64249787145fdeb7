// The pace of the tick's reads while the machine is silent: a failed status read makes the
// machine count as silent, and then only its status is read, every two seconds, until it
// answers; the tick that finds it answering again reads everything at once.
#pragma once

#include <cstdint>

class CSilencePace {
 public:
  static constexpr uint32_t kSilentPollMs = 2000;

  // Whether this tick may read from the machine at all.
  bool MayRead(uint32_t nowMs) const {
    return !m_silent || nowMs - m_lastStatusMs >= kSilentPollMs;
  }
  void StatusRead(bool answered, uint32_t nowMs) {
    m_silent = !answered;
    m_lastStatusMs = nowMs;
  }
  bool Silent() const { return m_silent; }

 private:
  bool m_silent = false;
  uint32_t m_lastStatusMs = 0;
};
