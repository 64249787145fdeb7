// A controller wrapper whose every operation is a gmock method; wrap it in testing::NiceMock to
// let unscripted calls answer zero, as an unbound wrapper would. Helper actions for the recurring
// reply shapes follow the class.
#pragma once

#include <gmock/gmock.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "../../../service/wrapper/hvx_controller.h"

class CFakeHVXController : public CHVXController {
 public:
#define HVX_WRAP(slot, result, name, params, args, table, operation) \
  MOCK_METHOD(result, name, params, (override));
#include "../../../service/wrapper/hvx_controller_ops.def"
};

namespace hvxtest {

// GetStatus writing both words; 0 when either reads 0xFFFFFFFF, as the library answers.
inline auto ReturnStatus(uint32_t stateWord, uint32_t handshakeWord = 0) {
  return [=](uint32_t* state, uint32_t* handshake) {
    if (state) *state = stateWord;
    if (handshake) *handshake = handshakeWord;
    return (stateWord == kStatusNotRead || handshakeWord == kStatusNotRead) ? 0 : 1;
  };
}

inline auto ReturnStatusNotRead() { return ReturnStatus(kStatusNotRead, kStatusNotRead); }

inline AxisVector MakeVector(std::initializer_list<int32_t> values) {
  AxisVector v{};
  int i = 0;
  for (int32_t value : values) {
    if (i < 6) v.value[i++] = value;
  }
  return v;
}

// Any AxisVector read (GetCurrentPosition, GetVector_…): writes the vector, answers true.
inline auto ReturnPosition(std::initializer_list<int32_t> values) {
  AxisVector v = MakeVector(values);
  return [v](AxisVector* out) {
    if (out) *out = v;
    return true;
  };
}

// A text read of the library's string-out shape (null: size; too small: -1, nothing written).
inline auto ReturnText(std::string text) {
  return [text](char* buffer, int size) -> int {
    int needed = static_cast<int>(text.size()) + 1;
    if (!buffer) return needed;
    if (size < needed) return -1;
    std::memcpy(buffer, text.c_str(), static_cast<size_t>(needed));
    return needed;
  };
}

// Matches an AxisVector pointer whose first values equal the given ones (X, Y, Z, ...).
MATCHER_P(PointsToAxesMatcher, expected, "points to an AxisVector starting with the given values") {
  if (!arg) return false;
  for (size_t i = 0; i < expected.size() && i < 6; ++i) {
    if (arg->value[i] != expected[i]) {
      *result_listener << "value[" << i << "] is " << arg->value[i];
      return false;
    }
  }
  return true;
}

inline auto AxesAre(std::vector<int32_t> expected) { return PointsToAxesMatcher(expected); }

}  // namespace hvxtest
