// The firmware follower against a machine whose status words come from the input and are
// replayed in a cycle for as long as the follower asks, as a machine caught in a loop would
// send them. Whatever they are, the follower must end within its overall bound.
//
// Input: records of five bytes to the end, each a flag byte (bit 0: this read fails) and a
// state word, little-endian. No record at all stands for a machine that always sends zero.
#include <gmock/gmock.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../../service/procedures/output/update_follow.h"
#include "controller/fake_clock.h"
#include "support/fake_hvx_controller.h"
#include "support/fuzz_input.h"
#include "support/fuzz_target.h"

namespace {

struct StatusRead {
  bool fails;
  uint32_t stateWord;
};

class CQuietBox : public IInstallBox {
 public:
  bool Open(const std::string&) override { return true; }
  void SetProgress(int) override {}
  void SetRange(int, int) override {}
  void PumpMessages() override {}
  void Close() override {}
};

// The longest a follow may take: its bound, then the poll that found it passed and the pause
// after the last progress.
constexpr uint32_t kLongestFollowMs =
    CUpdateFollower::kFollowLimitMs + CUpdateFollower::kPollMs + CUpdateFollower::kFinishPauseMs;
// More reads than a follow within its bound can make: the follower has run past it.
constexpr size_t kMostReads = 2 * (CUpdateFollower::kFollowLimitMs / CUpdateFollower::kPollMs + 2);

[[noreturn]] void Overran(const char* what) {
  std::fprintf(stderr, "the firmware follower ran past its bound: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFuzzInput in(data, size);
  std::vector<StatusRead> cycle;
  while (in.Left() >= 5) {
    const bool fails = in.Flag();
    cycle.push_back({fails, in.Word32()});
  }
  if (cycle.empty()) cycle.push_back({false, 0});

  testing::NiceMock<CFakeHVXController> machine;
  size_t reads = 0;
  ON_CALL(machine, GetStatus(testing::_, testing::_))
      .WillByDefault([&](uint32_t* state, uint32_t* handshake) {
        if (++reads > kMostReads) Overran("it kept reading the status");
        const StatusRead& read = cycle[(reads - 1) % cycle.size()];
        *state = read.fails ? kStatusNotRead : read.stateWord;
        *handshake = read.fails ? kStatusNotRead : 0;
        return read.fails ? 0 : 1;
      });
  CPageMachine pageMachine([&machine] { return static_cast<CHVXController*>(&machine); });
  CFakeClock clock;
  CQuietBox box;
  const uint32_t start = clock.now;
  CUpdateFollower(pageMachine, clock).Follow(box);
  if (clock.now - start > kLongestFollowMs) Overran("it followed for longer");
  return 0;
}
