#include "page_fixture.h"

#include <sstream>

using testing::_;
using testing::Invoke;

namespace {
std::string VectorText(const AxisVector& v) {
  std::ostringstream text;
  for (int i = 0; i < 6; ++i) text << (i ? "," : "") << v.value[i];
  return text.str();
}
}  // namespace

PageFixture::PageFixture() {
  // Each reading moves the clock 1 ms, as a real one does: a 100 ms slice leaves over 100 ms.
  clock.advancePerReading = 1;
  ON_CALL(fake, GetStatus(_, _)).WillByDefault(Invoke([this](uint32_t* s, uint32_t* h) {
    if (journalStatus && (journal.empty() || journal.back() != "status"))
      journal.push_back("status");
    std::pair<uint32_t, uint32_t> answer{kReady, 0};
    if (!statusScript.empty()) {
      answer = statusScript.front();
      if (statusScript.size() > 1) statusScript.pop_front();
    }
    return hvxtest::ReturnStatus(answer.first, answer.second)(s, h);
  }));
  ON_CALL(fake, GetCurrentPosition(_)).WillByDefault(Invoke([this](AxisVector* out) {
    journal.push_back("position");
    *out = position;
    return true;
  }));
  ON_CALL(fake, MoveTo(_, _)).WillByDefault(Invoke([this](const AxisVector* v, int speed) {
    journal.push_back("MoveTo " + VectorText(*v) + " @" + std::to_string(speed));
    position = *v;
    return true;
  }));
  auto axisMove = [this](const char* name, int axis) {
    return [this, name, axis](int target, int speed, int current) {
      position.value[axis] = target;
      journal.push_back(std::string(name) + " " + std::to_string(target) + " @" +
                        std::to_string(speed) + " " + std::to_string(current) + "%");
      return true;
    };
  };
  ON_CALL(fake, MoveAxisX(_, _, _)).WillByDefault(Invoke(axisMove("MoveAxisX", kAxisX)));
  ON_CALL(fake, MoveAxisY(_, _, _)).WillByDefault(Invoke(axisMove("MoveAxisY", kAxisY)));
  ON_CALL(fake, MoveAxisZ(_, _, _)).WillByDefault(Invoke(axisMove("MoveAxisZ", kAxisZ)));
  ON_CALL(fake, StopMotion()).WillByDefault(Invoke([this] {
    journal.push_back("StopMotion");
    return true;
  }));
  ON_CALL(fake, SetSpindleSpeed(_)).WillByDefault(Invoke([this](int rpm) {
    journal.push_back("SetSpindleSpeed " + std::to_string(rpm));
    return true;
  }));
  ON_CALL(fake, GetInputState()).WillByDefault(Invoke([this] { return inputWord; }));
  ON_CALL(fake, GetDeviceNameAt(1)).WillByDefault(testing::Return("Varnel HVX-40"));
}
