#include "jog_control.h"

#include "../../../service/status/status_word.h"
#include "../../../service/wrapper/hvx_controller.h"
#include "main_control_ids.h"

const char kStopFailedLog[] = "Failed to stop moving";

namespace {

constexpr std::array<JogMove, 8> kScanOrder = {JogMove::XPlus, JogMove::XMinus, JogMove::YPlus,
                                               JogMove::YMinus, JogMove::ZPlus, JogMove::ZMinus,
                                               JogMove::APlus, JogMove::AMinus};

struct KeyChord {
  char first;
  char second;
  JogMove move;
};

constexpr KeyChord kChords[] = {
    {'X', 'I', JogMove::XPlus}, {'X', 'K', JogMove::XMinus}, {'X', 'L', JogMove::YPlus},
    {'X', 'J', JogMove::YMinus}, {'Z', 'I', JogMove::ZPlus}, {'Z', 'K', JogMove::ZMinus},
    {'A', 'L', JogMove::AMinus}, {'A', 'J', JogMove::APlus},
};

std::optional<JogMove> MoveOfButton(int controlId) {
  for (size_t i = 0; i < kScanOrder.size(); ++i) {
    if (main_ids::kScannedJogButtons[i] == controlId) return kScanOrder[i];
  }
  return std::nullopt;
}

}  // namespace

CJogControl::CJogControl(ControllerSource controller, ILogSink& log, IMessageSink& messages)
    : m_controller(std::move(controller)), m_log(log), m_messages(messages) {}

void CJogControl::Jog(JogMove move, const StepRadios& radios) {
  if (!m_stepMode) return;
  CHVXController* controller = m_controller();
  if (!controller) return;
  uint32_t stateWord = kStatusNotRead;
  uint32_t handshakeWord = kStatusNotRead;
  // A status that cannot be read does not refuse the jog, but nothing is moved blind either;
  // the engineer's request is still recorded.
  if (controller->GetStatus(&stateWord, &handshakeWord)) {
    if (!status_word::AllowsJog(stateWord)) return;
    if (!MoveOneStep(*controller, move, radios)) return;
  }
  m_log.AddLog(InfoFor(move).logText);
}

bool CJogControl::MoveOneStep(CHVXController& controller, JogMove move, const StepRadios& radios) {
  AxisVector position{};
  if (!controller.GetCurrentPosition(&position)) {
    m_messages.ShowMessage("Failed to get current pos");
    return false;
  }
  std::optional<JogStep> step = LookUpJogStep(radios, InfoFor(move).rotary);
  if (!step) {
    m_messages.ShowMessage("Select Cursor Steps");
    return false;
  }
  m_stepMode = step->stepMode;
  std::optional<AxisVector> target = JogTarget(position, move, step->distance);
  // Beyond the travel on the side of the move, the step is refused rather than reversed.
  if (!target) return false;
  if (!controller.MoveTo(&*target, step->speed)) {
    m_messages.ShowMessage("Failed to move");
    return false;
  }
  return true;
}

void CJogControl::OnJogButton(int controlId, const StepRadios& radios) {
  if (std::optional<JogMove> move = MoveOfButton(controlId)) Jog(*move, radios);
}

void CJogControl::RunKeyChords(const IKeyState& keys, const StepRadios& radios) {
  for (const KeyChord& chord : kChords) {
    if (keys.IsKeyDown(chord.first) && keys.IsKeyDown(chord.second)) Jog(chord.move, radios);
  }
}

void CJogControl::OnHoldBegan(int controlId) { m_held = MoveOfButton(controlId); }

void CJogControl::OnHoldEnded() {
  m_held.reset();
  if (!m_holdMoved) return;
  m_holdMoved = false;
  const bool alreadyPending = m_stopPending;
  m_stopPending = !TryStop();
  if (m_stopPending && !alreadyPending) m_log.AddLog(kStopFailedLog);
}

void CJogControl::RetryStop() {
  if (m_stopPending) m_stopPending = !TryStop();
}

bool CJogControl::TryStop() {
  CHVXController* controller = m_controller();
  return controller != nullptr && controller->StopMotion();
}

void CJogControl::RunContinuous(const StepRadios& radios) {
  FollowStepRadios(radios);
  if (m_stepMode || !m_held) return;
  // Marked before the jog: a box that the jog shows ends the hold, and that end must stop.
  m_holdMoved = true;
  // The jog acts only in step mode. A refused jog (the machine still busy with the move) must
  // not leave step mode on, or the click that ends the hold would start a new move.
  m_stepMode = true;
  Jog(*m_held, radios);
  m_stepMode = false;
}
