// The controller, the protocol and the six API tables over the USB printer-class transport, a
// machine answering every read from the input: the device path and device ID, the protocol
// check and with it the byte order, status words, reply sizes, replies short and long, block
// reads, bulk report streams, and the counts the driver and the spooler claim.
#include "support/fuzz_target.h"
#include "support/library_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CFuzzInput input(data, size);
  CLibraryTables tables(input);
  // The tool's way in: the queues of the machine's driver, then one of them by name.
  tables.connect.EnumerateDevices();
  tables.connect.Connect(input.Text().c_str());
  CallTableOperations(tables);
  return 0;
}
