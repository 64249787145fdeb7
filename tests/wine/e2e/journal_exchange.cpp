#include "journal_exchange.h"

#include <algorithm>
#include <sstream>

namespace {

const char kStatusRead[] = "R 0001 8";
const char kReplyRead[] = "R 0003 ";

// The emulator shows the pending bit to the first status read after a command only.
constexpr size_t kAcceptanceReads = 2;

bool IsStatusRead(const std::string& line) { return line == kStatusRead; }

bool AllStatusReads(std::vector<std::string>::const_iterator first,
                    std::vector<std::string>::const_iterator last) {
  return std::all_of(first, last, IsStatusRead);
}

bool Matches(const std::vector<std::string>& lines, const Exchange& exchange) {
  const bool starts = !lines.empty() && lines.front() == exchange.line;
  switch (exchange.kind) {
    case Exchange::kNone:
      return lines.empty();
    case Exchange::kDirect:
      return starts && lines.size() == 1;
    case Exchange::kAccepted:
      return starts && lines.size() == 1 + kAcceptanceReads && AllStatusReads(lines.begin() + 1, lines.end());
    case Exchange::kCompleted:
      return starts && lines.size() > 1 + kAcceptanceReads && AllStatusReads(lines.begin() + 1, lines.end());
    case Exchange::kQuery:
      return starts && lines.size() >= 3 && AllStatusReads(lines.begin() + 1, lines.end() - 1) &&
             lines.back().compare(0, sizeof kReplyRead - 1, kReplyRead) == 0;
    case Exchange::kWithin:
      return std::find(lines.begin(), lines.end(), exchange.line) != lines.end();
  }
  return false;
}

const char* KindName(Exchange::Kind kind) {
  static const char* const kNames[] = {"none", "direct", "accepted", "completed", "query",
                                       "within"};
  return kNames[kind];
}

}  // namespace

::testing::AssertionResult HasShape(const std::vector<std::string>& lines,
                                    const Exchange& exchange) {
  if (Matches(lines, exchange)) return ::testing::AssertionSuccess();
  std::ostringstream text;
  text << "expected " << KindName(exchange.kind) << " " << exchange.line
       << ", the journal has";
  for (const std::string& line : lines) text << "\n  " << line;
  return ::testing::AssertionFailure() << text.str();
}
