// The same spooler checks through the library's exported tables, as the tool reaches them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hvx40_api.h"
#include "wine_queue_fixture.h"

namespace {

const char kQueue[] = "HVX Library Test";
const char kOtherQueue[] = "Other Library Test";
const char kPortFile[] = "usb_library_port.bin";
const char kJobFile[] = "usb_library_job.bin";

template <typename Table>
Table* TableOf(HMODULE library, const char* getter) {
  typedef Table* (*Getter)();
  const auto get = reinterpret_cast<Getter>(reinterpret_cast<void*>(GetProcAddress(library, getter)));
  return get == nullptr ? nullptr : get();
}

class LibraryTables : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(kPortFile);
    ASSERT_TRUE(queues.AddQueue(kQueue, kModelDriver, UnixPathInWorkingDirectory(kPortFile)));
    ASSERT_TRUE(queues.AddQueue(kOtherQueue, "Other Model",
                                UnixPathInWorkingDirectory("usb_library_other.bin")));
    library = LoadLibraryA("HVX40ServiceAPI.dll");
    ASSERT_NE(library, nullptr);
    connect = TableOf<CRemoteConnectAPI>(library, "GetRemoteConnectAPI");
    control = TableOf<CHVX40ControlAPI>(library, "GetHVX40ControlAPI");
    ASSERT_NE(connect, nullptr);
    ASSERT_NE(control, nullptr);
  }
  void TearDown() override {
    if (library) FreeLibrary(library);
    DeleteFileA(kPortFile);
    DeleteFileA(kJobFile);
  }

  CQueueFixture queues;
  HMODULE library = nullptr;
  CRemoteConnectAPI* connect = nullptr;
  CHVX40ControlAPI* control = nullptr;
};

TEST_F(LibraryTables, EnumerateDevicesListsTheModelsQueuesOnly) {
  const int count = connect->EnumerateDevices();
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(connect->GetDeviceNameAt(i));
  EXPECT_EQ(connect->GetDeviceNameAt(count), nullptr);
  EXPECT_EQ(std::count(names.begin(), names.end(), kQueue), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), kOtherQueue), 0);
}

TEST_F(LibraryTables, OutputFileSendsTheFileUnchangedToTheSelectedQueue) {
  // The queue's port is a file, so the connect fails, but the queue stays selected and takes
  // the job.
  EXPECT_FALSE(connect->Connect(kQueue));
  for (size_t size : {size_t(40000), size_t(0)}) {
    DeleteFileA(kPortFile);
    const std::string content = EveryByteValue(size);
    ASSERT_TRUE(WriteWholeFile(kJobFile, content));
    const char* path = kJobFile;
    EXPECT_TRUE(control->OutputFile(&path, size == 0 ? nullptr : "HVX job")) << size;
    EXPECT_TRUE(WaitForFile(kPortFile, size) == content) << size;
    EXPECT_TRUE(FileExists(kPortFile)) << size;
  }
}

}  // namespace
