// A report or parameter area read from the machine, handed to the caller by the block-out
// convention.
#pragma once

#include <vector>

#include "../controller/command_protocol.h"
#include "api_results.h"

namespace api {

template <typename Byte>
int ReadBlockOut(CCommandProtocol& controller,
                 bool (*read)(CCommandProtocol&, std::vector<Byte>&), void* buffer, int size) {
  return GuardAllocation([&] {
    std::vector<Byte> data;
    const bool obtained = read(controller, data);
    return BlockOut(obtained, data, buffer, size);
  });
}

}  // namespace api
