// A text read from the machine, handed to the caller by the StringOut convention.
#pragma once

#include <string>

#include "../controller/command_protocol.h"
#include "api_results.h"

namespace api {

template <typename Read>
int TextOut(CCommandProtocol& controller, Read read, char* buffer, int size) {
  return GuardAllocation([&] {
    std::string text;
    const bool obtained = read(controller, text);
    return StringOut(obtained, text, buffer, size);
  });
}

}  // namespace api
