// What one call of an operation must leave in the emulator's journal, by the shape of its
// exchange: not only its request, but the waits around it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct Exchange {
  enum Kind {
    kNone,       // nothing reaches the machine
    kDirect,     // the one line and nothing else: no lock-guarded wait, no reply
    kAccepted,   // the command, then the two status reads of the acceptance wait
    kCompleted,  // the command, then status reads for its acceptance and its completion
    kQuery,      // the command, status reads until the reply is ready, then the reply read
    kWithin,     // a longer exchange (bulk transfers, connecting) that holds the line
  };
  Kind kind;
  std::string line;
};

inline Exchange None() { return {Exchange::kNone, ""}; }
inline Exchange Direct(const std::string& line) { return {Exchange::kDirect, line}; }
inline Exchange Accepted(const std::string& line) { return {Exchange::kAccepted, line}; }
inline Exchange Completed(const std::string& line) { return {Exchange::kCompleted, line}; }
inline Exchange Query(const std::string& line) { return {Exchange::kQuery, line}; }
inline Exchange Within(const std::string& line) { return {Exchange::kWithin, line}; }

// Whether the journal lines of one call have the exchange's shape.
::testing::AssertionResult HasShape(const std::vector<std::string>& lines,
                                    const Exchange& exchange);
