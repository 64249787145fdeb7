// A hostile simulator process: its shared block has the size the input gives and is rewritten
// from the input at every handshake, before the acknowledge that the input grants or withholds.
// Each rewrite is some raw patches anywhere in the block and, where the input asks, an answer
// placed the way a simulator answers: a count and data in the pipe record that the block's own
// offset field names at that moment.
#pragma once

#include <vector>

#include "fuzz_input.h"
#include "simulator_block.h"
#include "simulator_ipc.h"

class CInputSimulatorIpc : public CSimulatorIpc {
 public:
  explicit CInputSimulatorIpc(CFuzzInput& input) : in_(input) {}

  OsHandle OpenMapping(const std::string& name) override;
  uint8_t* MapView(OsHandle mapping, size_t* size) override;
  void UnmapView(uint8_t* view) override;
  void CloseHandle(OsHandle) override {}
  OsHandle CreateNamedEvent(const char* name) override;
  void SetEvent(OsHandle event) override;
  void ResetEvent(OsHandle) override {}
  bool WaitEvent(OsHandle event, uint32_t timeoutMs) override;
  void PostDeviceChange(OsHandle) override {}
  OsHandle MainWindow() override { return nullptr; }
  // The simulator side's clock moves only when slept on or looked at.
  uint32_t TickCount() override { return ++now_; }
  void Sleep(uint32_t ms) override { now_ += ms; }

 private:
  void Rewrite(simblock::Event request);
  void Patch();
  void AnswerInPipe(size_t offsetField);
  void LayOutPipes();

  CFuzzInput& in_;
  // Exactly the view's size, so that the sanitizers see any access beyond it; freed when it is
  // unmapped, so that they see any use after that too.
  std::vector<uint8_t> block_;
  int next_event_ = 0;
  uint32_t now_ = 0;
};
