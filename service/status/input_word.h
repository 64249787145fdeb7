// How the tool reads the machine's input word (GetInputState), on the bits the machine facts
// name: the limit sensors and the cover.
#pragma once

#include "../../library/api/hvx40_facts.h"

namespace input_word {

inline bool WasRead(int word) { return word != kReadFailed; }

}  // namespace input_word
