// Printer queues in the prefix's spooler: the listing by driver name and whole files sent as raw
// jobs, which the queue's file port receives byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "file_source.h"
#include "usb_print_transport.h"
#include "wine_queue_fixture.h"

namespace {

const char kQueue[] = "HVX Spool Test";
const char kOtherQueue[] = "Other Spool Test";
const char kPortFile[] = "usb_spool_port.bin";
const char kJobFile[] = "usb_spool_job.bin";

class SpoolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(kPortFile);
    ASSERT_TRUE(queues.AddQueue(kQueue, kModelDriver, UnixPathInWorkingDirectory(kPortFile)));
    ASSERT_TRUE(queues.AddQueue(kOtherQueue, "Other Model",
                                UnixPathInWorkingDirectory("usb_other_port.bin")));
  }
  void TearDown() override {
    DeleteFileA(kPortFile);
    DeleteFileA(kJobFile);
  }

  static std::vector<std::string> Listed(CUsbPrintTransport& usb, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) names.push_back(usb.GetDeviceNameAt(i));
    EXPECT_EQ(usb.GetDeviceNameAt(count), nullptr);
    return names;
  }
  static bool Holds(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  }

  CQueueFixture queues;
};

TEST_F(SpoolTest, ListsTheQueuesOfTheModelDriverOnly) {
  CUsbPrintTransport usb(nullptr);
  const std::vector<std::string> names = Listed(usb, usb.EnumerateDevices("varnel hvx-40", false));
  EXPECT_TRUE(Holds(names, kQueue));
  EXPECT_FALSE(Holds(names, kOtherQueue));

  const std::vector<std::string> all = Listed(usb, usb.EnumerateDevices(nullptr, false));
  EXPECT_TRUE(Holds(all, kQueue));
  EXPECT_TRUE(Holds(all, kOtherQueue));

  // A file port is no USB printer port: the queue has no device to open.
  EXPECT_FALSE(Holds(Listed(usb, usb.EnumerateDevices(kModelDriver, true)), kQueue));
}

TEST_F(SpoolTest, AFileArrivesUnchangedAsOneRawJob) {
  // Across the 32768-byte chunks, and an empty file as an empty job.
  for (size_t size : {size_t(70000), size_t(1), size_t(0)}) {
    DeleteFileA(kPortFile);
    const std::string content = EveryByteValue(size);
    ASSERT_TRUE(WriteWholeFile(kJobFile, content));
    CStdioFileSource source(kJobFile);
    ASSERT_TRUE(source.isOpen());
    CUsbPrintTransport usb(nullptr);
    usb.SetDeviceName(kQueue);
    EXPECT_TRUE(usb.SendFile(source, size == 1 ? nullptr : "HVX job")) << size;
    EXPECT_TRUE(WaitForFile(kPortFile, size) == content) << size;
    EXPECT_TRUE(FileExists(kPortFile)) << size;
  }
}

TEST_F(SpoolTest, AQueueThatDoesNotExistTakesNoJob) {
  ASSERT_TRUE(WriteWholeFile(kJobFile, "data"));
  CStdioFileSource source(kJobFile);
  CUsbPrintTransport usb(nullptr);
  usb.SetDeviceName("No Such Queue");
  EXPECT_FALSE(usb.SendFile(source, "job"));
}

}  // namespace
