// The controller, the protocol and the six API tables over the simulator link, the simulator a
// hostile process: its shared block has any size and contents, is rewritten at every
// handshake, and acknowledges or stays silent as the input says.
#include "support/fuzz_target.h"
#include "support/library_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFuzzInput input(data, size);
  CLibraryTables tables(input);
  tables.hvx.ConnectSimulator(input.Int());
  CallTableOperations(tables);
  return 0;
}
