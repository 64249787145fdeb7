// The exchanges that move more than one reply: report text and parameter areas over the bulk
// pipes, and the 16-bit table. Each holds the transport lock for its whole length.
#include <algorithm>
#include <cstring>

#include "command_codes.h"
#include "command_protocol.h"
#include "transport_lock.h"

namespace {

constexpr uint32_t kTextChunk = 2048;
constexpr uint32_t kAreaChunk = 4096;
constexpr uint32_t kTextEmptyReadPauseMs = 10;
// Short enough not to slow an area down, long enough not to spin a core on empty reads.
constexpr uint32_t kAreaEmptyReadPauseMs = 1;

// The machine sends the rest of a report or area while the lock is held for this very
// exchange, so the lock must not be held for ever: ten seconds without a byte means the
// machine has stopped, and a transfer still going after a minute, or grown past 16 MiB, is
// not a report or an area. A report runs to a few MB and the areas to a few KB, so both
// bounds lie far beyond any real transfer.
constexpr uint32_t kSilenceLimitMs = 10000;
constexpr uint32_t kTransferLimitMs = 60000;
constexpr uint32_t kTransferLimitBytes = 16u * 1024 * 1024;

// The time bounds of one transfer: since the last byte arrived and since it began.
class CTransferTime {
 public:
  explicit CTransferTime(CClock& clock)
      : clock_(clock), began_(clock.TickCount()), heard_(began_) {}
  void Heard() { heard_ = clock_.TickCount(); }
  bool TooLong() {
    const uint32_t now = clock_.TickCount();
    return ElapsedMs(heard_, now) > kSilenceLimitMs || ElapsedMs(began_, now) > kTransferLimitMs;
  }

 private:
  CClock& clock_;
  uint32_t began_;
  uint32_t heard_;
};

struct AreaCodes {
  uint16_t size;
  uint16_t read;
};

bool AreaCodesOf(int area, AreaCodes& codes) {
  if (area == 0) codes = {kCmdArea0Size, kCmdArea0Read};
  else if (area == 1) codes = {kCmdArea1Size, kCmdArea1Read};
  else return false;
  return true;
}

}  // namespace

bool CCommandProtocol::StartTransfer(uint16_t code) {
  return transport_->VendorWrite(code, nullptr, 0) && WaitAccepted();
}

bool CCommandProtocol::ReadBulkText(uint16_t code, std::vector<char>& sink) {
  TransportLock lock(transport_);
  if (!lock.locked() || !StartTransfer(code)) return false;
  char chunk[kTextChunk];
  CTransferTime time(clock_);
  for (;;) {
    const int32_t received = transport_->BulkRead(chunk, kTextChunk);
    if (received < 0 || received > static_cast<int32_t>(kTextChunk)) return false;
    if (time.TooLong()) return false;
    if (received == 0) {
      clock_.Sleep(kTextEmptyReadPauseMs);
      continue;
    }
    time.Heard();
    if (sink.size() + static_cast<uint32_t>(received) > kTransferLimitBytes) return false;
    sink.insert(sink.end(), chunk, chunk + received);
    if (chunk[received - 1] == '\0') return true;
  }
}

bool CCommandProtocol::DumpArea(int area, std::vector<uint8_t>& sink) {
  AreaCodes codes;
  if (!AreaCodesOf(area, codes)) return false;
  uint32_t remaining = 0;
  if (!QueryWords32(codes.size, &remaining, 1) || remaining > kTransferLimitBytes) return false;

  TransportLock lock(transport_);
  if (!lock.locked() || !StartTransfer(codes.read)) return false;
  uint8_t chunk[kAreaChunk];
  CTransferTime time(clock_);
  // The machine expects the first read even for an empty area.
  do {
    const uint32_t asked = std::min(kAreaChunk, remaining);
    const int32_t received = transport_->BulkRead(chunk, asked);
    if (received < 0 || static_cast<uint32_t>(received) > asked) return false;
    if (time.TooLong()) return false;
    if (received == 0) {
      clock_.Sleep(kAreaEmptyReadPauseMs);
      continue;
    }
    time.Heard();
    sink.insert(sink.end(), chunk, chunk + received);
    remaining -= static_cast<uint32_t>(received);
  } while (remaining > 0);
  // The machine closes the transfer with one further byte that carries nothing.
  uint8_t trailer;
  transport_->BulkRead(&trailer, 1);
  return true;
}

bool CCommandProtocol::UploadArea(const void* source, int length) {
  uint32_t size = 0;
  if (!QueryWords32(kCmdArea0Size, &size, 1)) return false;
  if (length < 0 || static_cast<uint32_t>(length) != size) return false;

  TransportLock lock(transport_);
  if (!lock.locked() || !StartTransfer(kCmdArea0Write)) return false;
  const uint8_t* bytes = static_cast<const uint8_t*>(source);
  uint32_t remaining = size;
  while (remaining > 0) {
    const uint32_t piece = std::min(kAreaChunk, remaining);
    if (!transport_->BulkWrite(bytes, piece)) return false;
    bytes += piece;
    remaining -= piece;
  }
  return true;
}

int CCommandProtocol::WordTableSize() {
  TransportLock lock(transport_);
  if (!lock.locked() || !transport_->VendorWrite(kCmdReadWordTable, nullptr, 0)) return -1;
  const int bytes = WaitReply();
  return bytes < 0 ? -1 : bytes / 2;
}

bool CCommandProtocol::ReadWordTable(uint16_t* buffer, int count) {
  if (count < 0) return false;
  TransportLock lock(transport_);
  if (!lock.locked() || !transport_->VendorWrite(kCmdReadWordTable, nullptr, 0)) return false;
  const int tableBytes = WaitReply();
  if (tableBytes < 0) return false;
  const int wanted = std::min(tableBytes, 2 * count);
  if (ReadReply(buffer, wanted) != wanted) return false;
  // Words the table did not fill keep the caller's values.
  Convert16(buffer, wanted / 2);
  return true;
}

bool CCommandProtocol::WriteWordTable(const uint16_t* data, int count) {
  const int tableWords = WordTableSize();
  if (tableWords < 0) return false;
  if (!SendWords16(kCmdWriteWordTable, data, std::min(tableWords, std::max(count, 0)))) {
    return false;
  }
  return WaitCompleted();
}
