// Printer queues in the prefix's spooler, reached through the library's exported tables as the
// tool reaches them: the listing by driver name, and whole files sent as raw jobs, which the
// queue's file port receives byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hvx40_api.h"
#include "usb_print_transport.h"
#include "wine_queue_fixture.h"

namespace {

const char kQueue[] = "HVX Spool Test";
const char kOtherQueue[] = "Other Spool Test";
const char kPortFile[] = "usb_spool_port.bin";
const char kJobFile[] = "usb_spool_job.bin";

template <typename Table>
Table* TableOf(HMODULE library, const char* getter) {
  typedef Table* (*Getter)();
  const auto get =
      reinterpret_cast<Getter>(reinterpret_cast<void*>(GetProcAddress(library, getter)));
  return get == nullptr ? nullptr : get();
}

class Spooler : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(kPortFile);
    ASSERT_TRUE(queues.AddQueue(kQueue, kModelDriver, UnixPathInWorkingDirectory(kPortFile)));
    ASSERT_TRUE(queues.AddQueue(kOtherQueue, "Other Model",
                                UnixPathInWorkingDirectory("usb_other_port.bin")));
    library = LoadLibraryA("HVX40ServiceAPI.dll");
    ASSERT_NE(library, nullptr);
    connect = TableOf<CRemoteConnectAPI>(library, "GetRemoteConnectAPI");
    control = TableOf<CHVX40ControlAPI>(library, "GetHVX40ControlAPI");
    ASSERT_TRUE(connect != nullptr && control != nullptr);
  }
  void TearDown() override {
    if (library) FreeLibrary(library);
    DeleteFileA(kPortFile);
    DeleteFileA(kJobFile);
  }

  template <typename Source>
  static std::vector<std::string> Listed(Source& source, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back(source.GetDeviceNameAt(i));
    EXPECT_EQ(source.GetDeviceNameAt(count), nullptr);
    return names;
  }
  static int Count(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<int>(std::count(names.begin(), names.end(), name));
  }

  CQueueFixture queues;
  HMODULE library = nullptr;
  CRemoteConnectAPI* connect = nullptr;
  CHVX40ControlAPI* control = nullptr;
};

TEST_F(Spooler, ListsTheQueuesOfTheModelDriverOnly) {
  const std::vector<std::string> names = Listed(*connect, connect->EnumerateDevices());
  EXPECT_EQ(Count(names, kQueue), 1);
  EXPECT_EQ(Count(names, kOtherQueue), 0);

  CUsbPrintTransport usb(nullptr);
  EXPECT_EQ(Count(Listed(usb, usb.EnumerateDevices("varnel hvx-40", false)), kQueue), 1);
  EXPECT_EQ(Count(Listed(usb, usb.EnumerateDevices(nullptr, false)), kOtherQueue), 1);
  // A file port is no USB printer port: the queue has no device to open.
  EXPECT_EQ(Count(Listed(usb, usb.EnumerateDevices(kModelDriver, true)), kQueue), 0);
}

TEST_F(Spooler, OutputFileSendsTheFileUnchangedToTheSelectedQueue) {
  // The queue's port is a file, so the connect fails, but the queue stays selected and takes
  // the jobs: across the 32768-byte chunks, one byte, and an empty file as an empty job.
  EXPECT_FALSE(connect->Connect(kQueue));
  for (size_t size : {size_t(70000), size_t(1), size_t(0)}) {
    DeleteFileA(kPortFile);
    const std::string content = EveryByteValue(size);
    ASSERT_TRUE(WriteWholeFile(kJobFile, content));
    const char* path = kJobFile;
    EXPECT_TRUE(control->OutputFile(&path, size == 1 ? nullptr : "HVX job")) << size;
    EXPECT_TRUE(WaitForFile(kPortFile, size) == content) << size;
    EXPECT_TRUE(FileExists(kPortFile)) << size;
  }
}

}  // namespace
