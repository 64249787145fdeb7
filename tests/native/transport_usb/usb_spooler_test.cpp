// Raw print jobs and the printer-queue list of the USB transport.
#include <gtest/gtest.h>

#include "fake_usb_system.h"
#include "memory_file.h"
#include "usb_print_transport.h"

namespace {

const char kMachine[] = "HVX on USB001";
const char kModel[] = "Varnel HVX-40";

class UsbSpoolerTest : public ::testing::Test {
 protected:
  UsbSpoolerTest() : transport(nullptr, system) { transport.SetDeviceName(kMachine); }

  CFakeUsbSystem system;
  CUsbPrintTransport transport;
};

typedef std::vector<std::string> Calls;

TEST_F(UsbSpoolerTest, AFileGoesAsOneRawJobIn32KChunks) {
  CMemoryFile file(Pattern(70000));
  ASSERT_TRUE(transport.SendFile(file, "cutdata"));
  EXPECT_EQ(system.spooler, (Calls{std::string("open ") + kMachine, "doc cutdata", "page",
                                   "write 32768", "write 32768", "write 4464", "endpage",
                                   "enddoc", "close"}));
  EXPECT_EQ(system.job, Pattern(70000));
  EXPECT_TRUE(system.opened.empty());  // the spooler, not the device handle, carries the job
}

TEST_F(UsbSpoolerTest, PartialWritesAreResumedWhereTheyStopped) {
  system.spoolerTakesAtMost = 10000;
  CMemoryFile file(Pattern(40000));
  ASSERT_TRUE(transport.SendFile(file, "job"));
  EXPECT_EQ(system.job, Pattern(40000));
  EXPECT_EQ(Calls(system.spooler.begin() + 3, system.spooler.begin() + 7),
            (Calls{"write 32768", "write 22768", "write 12768", "write 2768"}));
}

TEST_F(UsbSpoolerTest, AFailedWriteStopsReadingButStillEndsTheJob) {
  system.failWriteNumber = 1;
  CMemoryFile file(Pattern(100000));
  EXPECT_FALSE(transport.SendFile(file, "job"));
  EXPECT_EQ(file.reads, 2);
  const Calls tail(system.spooler.end() - 3, system.spooler.end());
  EXPECT_EQ(tail, (Calls{"endpage", "enddoc", "close"}));

  system.spoolerTakesAtMost = 0;  // a write that takes nothing fails instead of spinning
  CMemoryFile small(Pattern(100));
  EXPECT_FALSE(transport.SendFile(small, "job"));
  EXPECT_EQ(system.spooler.back(), "close");
}

TEST_F(UsbSpoolerTest, AnEmptyFileIsAnEmptyJobUnderTheDefaultName) {
  CMemoryFile file({});
  ASSERT_TRUE(transport.SendFile(file, nullptr));
  EXPECT_EQ(system.spooler, (Calls{std::string("open ") + kMachine, "doc RireveZirariduda", "page",
                                   "endpage", "enddoc", "close"}));
}

TEST_F(UsbSpoolerTest, JobsThatCannotStartOrReadFail) {
  system.queueOpenFails = true;
  CMemoryFile file(Pattern(10));
  EXPECT_FALSE(transport.SendFile(file, "job"));
  EXPECT_EQ(system.spooler.size(), 1u);

  system.queueOpenFails = false;
  system.startDocFails = true;
  system.spooler.clear();
  EXPECT_FALSE(transport.SendFile(file, "job"));
  EXPECT_EQ(system.spooler, (Calls{std::string("open ") + kMachine, "doc job", "close"}));

  system.startDocFails = false;
  CMemoryFile broken(Pattern(10));
  broken.failRead = true;
  EXPECT_FALSE(transport.SendFile(broken, "job"));
}

TEST_F(UsbSpoolerTest, NoLocalQueuesIsAFailureNotAnEmptyList) {
  system.listResult = QueueList::kNoSizeAsked;
  EXPECT_EQ(transport.EnumerateDevices(kModel, false), -1);
  system.listResult = QueueList::kOutOfMemory;
  EXPECT_EQ(transport.EnumerateDevices(kModel, false), -1);
  system.listResult = QueueList::kReadFailed;
  EXPECT_EQ(transport.EnumerateDevices(kModel, false), 0);
}

TEST_F(UsbSpoolerTest, QueuesOfTheModelAreListedInSpoolerOrderIgnoringCase) {
  system.queues = {{"Office laser", "HP LaserJet"},
                   {"Mill A", "VARNEL hvx-40"},
                   {"Mill B", "Varnel HVX-40"},
                   {"Mill C", "Varnel HVX-400"}};
  ASSERT_EQ(transport.EnumerateDevices(kModel, false), 2);
  EXPECT_STREQ(transport.GetDeviceNameAt(0), "Mill A");
  EXPECT_STREQ(transport.GetDeviceNameAt(1), "Mill B");
  EXPECT_EQ(transport.GetDeviceNameAt(2), nullptr);
  EXPECT_EQ(transport.GetDeviceNameAt(static_cast<unsigned>(-1)), nullptr);
  EXPECT_TRUE(system.opened.empty());

  EXPECT_EQ(transport.EnumerateDevices(nullptr, false), 4);

  system.queues = {{"Office laser", "HP LaserJet"}};
  EXPECT_EQ(transport.EnumerateDevices(kModel, false), 0);
  EXPECT_EQ(transport.GetDeviceNameAt(0), nullptr);
}

TEST_F(UsbSpoolerTest, OnlyOpenableQueuesAreProbedAndClosedAgain) {
  system.queues = {{"Mill A", kModel}, {"Mill B", kModel}, {"Mill C", kModel}};
  system.paths = {{"Mill A", "\\\\?\\a"}, {"Mill B", "\\\\?\\b"}};  // C has no device
  system.unopenablePaths.insert("\\\\?\\b");                        // B is held elsewhere
  ASSERT_EQ(transport.EnumerateDevices(kModel, true), 1);
  EXPECT_STREQ(transport.GetDeviceNameAt(0), "Mill A");
  EXPECT_EQ(system.opened, (Calls{"\\\\?\\a", "\\\\?\\b"}));
  EXPECT_EQ(system.closed.size(), 1u);
  EXPECT_EQ(transport.deviceHandle(), kInvalidDeviceHandle);
}

}  // namespace
