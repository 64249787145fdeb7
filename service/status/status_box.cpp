#include "status_box.h"

#include <vector>

#include "../wrapper/hvx_all_ctr.h"
#include "status_word.h"

namespace {

// Text reads answer the size they copied (terminator included) or -1; the buffer sizes are
// those the machine's texts fit in.
constexpr int kSerialBufferSize = 10;
constexpr int kFirmwareBufferSize = 10;
constexpr int kShortCodeBufferSize = 3;

using TextRead = int (CHVXController::*)(char*, int);

// Returns the text, or nothing when the read answers `failure` or less or may not go out.
bool ReadText(CHVXController& controller, TextRead read, int size, int failure,
              CTickReads& reads, std::string& out) {
  if (!reads.Go()) return false;
  std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
  if ((controller.*read)(buffer.data(), size) <= failure) return false;
  out.assign(buffer.data());  // the extra byte keeps an unterminated reply inside the buffer
  return true;
}

const char* UpdatePhaseText(uint32_t phase) {
  using namespace update_phase;
  switch (phase) {
    case kWaiting: return "UpdateMode: Waiting";
    case kReceiving: return "UpdateMode: Receiving";
    case kDeleting: return "UpdateMode: Deleting";
    case kWriting: return "UpdateMode: Writing";
    case kVerifying: return "UpdateMode: Verifying";
    case kFinished: return "UpdateMode: UpdateFinish";
    case kFirmError: return "UpdateMode: Frim Error";
    case kDataError: return "UpdateMode: Data Error";
    case kDeleteError: return "Error";
    case kWriteError: return "UpdateMode: Write Error";
    case kVerifyError: return "UpdateMode: Verify Error";
    default: return nullptr;
  }
}

}  // namespace

const char* StatusTextFor(uint32_t stateWord, uint32_t handshakeWord) {
  using namespace status_word;
  const StateCode state = StateOf(stateWord);
  if (IsOffline(stateWord)) return "Offline";
  switch (state) {
    case kStateUnSetup: return "UnSetup";
    case kStateBusy: return "Busy";
    case kStateReady: return IsMoving(stateWord) ? "Busy" : "Ready";
    default: break;
  }
  // What remains is initializing and error, where the update mode speaks first.
  if (InUpdateMode(stateWord)) {
    if (const char* text = UpdatePhaseText(UpdatePhase(stateWord))) return text;
  }
  if (state == kStateError) return "Error";
  if (HasHandshakeError(handshakeWord)) return "Error";
  return nullptr;
}

std::string FormatFirmwareVersion(const std::string& text) {
  if (text.size() < 4) return text;
  return text.substr(1, 1) + "." + text.substr(2, 2);
}

void CStatusBox::ShowStartUp(CHVXController* controller, bool connected) {
  m_texts.status = "Offline";
  if (!connected || !controller) return;
  m_texts.deviceName = kModelName;
  CTickReads reads;
  ReadIdentity(*controller, "", reads);
}

bool CStatusBox::RefreshStatus(CHVXController* controller, bool& connected, CTickReads& reads) {
  if (!controller) connected = false;
  if (!connected) {
    ShowOffLine();
    return false;
  }
  uint32_t stateWord = kStatusNotRead;
  uint32_t handshakeWord = kStatusNotRead;
  const bool answered =
      reads.Go() && reads.NoteStatus(controller->GetStatus(&stateWord, &handshakeWord) != 0);
  if (answered) {
    ApplyState(stateWord, handshakeWord, connected);
  } else {
    m_texts.status = "Offline";
  }
  m_texts.deviceName = kModelName;
  ReadIdentity(*controller, "---", reads);
  return answered;
}

void CStatusBox::ShowOffLine() {
  m_texts.deviceName.clear();
  m_texts.serial = "---";
  m_texts.firmware = "---";
  m_texts.usbId = "---";
  m_texts.status = "off line";
}

void CStatusBox::ApplyState(uint32_t stateWord, uint32_t handshakeWord, bool& connected) {
  if (const char* text = StatusTextFor(stateWord, handshakeWord)) m_texts.status = text;
  if (status_word::IsOffline(stateWord)) connected = false;
  ApplyCover(stateWord);
}

void CStatusBox::ApplyCover(uint32_t stateWord) {
  // In the error states and during an installation the cover bit means nothing, so the field
  // keeps what it showed.
  if (status_word::StateOf(stateWord) == status_word::kStateError ||
      status_word::InUpdateMode(stateWord)) {
    return;
  }
  if (status_word::IsCoverOpen(stateWord)) {
    m_texts.status = "Cover is open";
    m_texts.cover = "OPEN";
  } else {
    m_texts.cover = "CLOSE";
  }
}

void CStatusBox::ReadIdentity(CHVXController& controller, const char* failedText,
                              CTickReads& reads) {
  std::string text;
  m_texts.serial =
      ReadText(controller, &CHVXController::GetSerialNumber, kSerialBufferSize, -1, reads, text)
          ? text : failedText;
  m_texts.firmware =
      ReadText(controller, &CHVXController::GetFirmwareVersion, kFirmwareBufferSize, -1, reads, text)
          ? FormatFirmwareVersion(text) : failedText;
  // The USB ID is left empty on failure in every case.
  m_texts.usbId =
      ReadText(controller, &CHVXController::GetShortCode, kShortCodeBufferSize, 0, reads, text)
          ? text : "";
}
