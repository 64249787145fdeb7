// Parameter Get and Put: byte-exact images, the 10,000-byte limits, and every outcome's text.
#include <cstring>

#include "../../../service/procedures/info/parameter_transfer.h"
#include "info_fixture.h"

using testing::_;
using testing::Return;

namespace {

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  return bytes;
}

auto DeliverArea(std::vector<uint8_t> area) {
  return [area](void* buffer, int size) {
    if (static_cast<int>(area.size()) > size) return -1;
    std::memcpy(buffer, area.data(), area.size());
    return static_cast<int>(area.size());
  };
}

class ParameterTransferTest : public InfoPageFixture {
 protected:
  CParameterTransfer transfer{Source(), windows, files, windows, windows, windows};
};

TEST_F(ParameterTransferTest, GetSavesTheDeliveredBytesUnchanged) {
  const std::vector<uint8_t> area = Pattern(2048);
  windows.chosenPath = "C:\\p\\machine.prm";
  EXPECT_CALL(fake, GetParameters(_, 10000)).WillOnce(DeliverArea(area));
  EXPECT_TRUE(transfer.Get());
  EXPECT_EQ(files.files["C:\\p\\machine.prm"], area);
  EXPECT_EQ(windows.lastFilter, "all *.*|*.*||");
  EXPECT_EQ(windows.lastDefaultExtension, "");
  EXPECT_EQ(journal, (Journal{"save box", "cursor: wait", "write C:\\p\\machine.prm 2048",
                              "log: Saved Parameter", "log: File written: C:\\p\\machine.prm",
                              "cursor: back"}));
}

// The chosen file may be the only backup of the machine's parameters: it is written only with
// the machine's area in hand.
TEST_F(ParameterTransferTest, GetWritesTheFileOnlyOnceTheMachineDeliveredTheArea) {
  EXPECT_CALL(fake, GetParameters(_, _))
      .WillOnce(DeliverArea(Pattern(16)))
      .WillOnce(Return(-1))
      .WillOnce(Return(0));
  EXPECT_FALSE(transfer.Get());  // cancelled: the machine is not asked
  windows.chosenPath = "Z:\\ro.prm";
  files.failing.push_back("Z:\\ro.prm");
  EXPECT_FALSE(transfer.Get());
  EXPECT_EQ(journal, (Journal{"save box", "save box", "cursor: wait",
                              "log: File not written: Z:\\ro.prm", "file error: Z:\\ro.prm",
                              "cursor: back"}));

  windows.chosenPath = "p.prm";
  files.files["p.prm"] = Pattern(10);
  EXPECT_FALSE(transfer.Get());
  EXPECT_FALSE(transfer.Get());
  EXPECT_EQ(files.files["p.prm"], Pattern(10)) << "a failed fetch touched the earlier backup";
  EXPECT_TRUE(EntriesStartingWith(journal, "write").empty());
  EXPECT_EQ(EntriesStartingWith(journal, "log"),
            (Journal{"log: File not written: Z:\\ro.prm", "log: Failed to get the parameter",
                     "log: File not written: p.prm", "log: Failed to get the parameter",
                     "log: File not written: p.prm"}));
}

TEST_F(ParameterTransferTest, GetSavesEvenAOneByteAreaAndNothingWithoutAWrapper) {
  windows.chosenPath = "one.prm";
  EXPECT_CALL(fake, GetParameters(_, _)).WillOnce(DeliverArea({0x5A}));
  EXPECT_TRUE(transfer.Get());
  EXPECT_EQ(files.files["one.prm"], std::vector<uint8_t>{0x5A});
  CParameterTransfer unbound{[] { return static_cast<CHVXController*>(nullptr); }, windows,
                             files, windows, windows, windows};
  windows.chosenPath = "none.prm";
  EXPECT_FALSE(unbound.Get());
  EXPECT_EQ(files.files.count("none.prm"), 0u);
}

TEST_F(ParameterTransferTest, PutSendsTheFileAndThenTellsAboutTheRestart) {
  const std::vector<uint8_t> image = Pattern(2048);
  files.files["in.prm"] = image;
  windows.chosenPath = "in.prm";
  std::vector<uint8_t> sent;
  EXPECT_CALL(fake, PutParameters(_, 2048)).WillOnce([&](const void* data, int length) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    sent.assign(bytes, bytes + length);
    return true;
  });
  EXPECT_TRUE(transfer.Put());
  EXPECT_EQ(sent, image);
  EXPECT_EQ(windows.lastFilter, "all *.*|*.*||");
  EXPECT_EQ(journal,
            (Journal{"open box", "cursor: wait", "log: Put Parameter", "log: File read: in.prm",
                     "inform: Put the parameter.\nthe machine restarts, then pramater will be "
                     "replaced.",
                     "cursor: back"}));
}

TEST_F(ParameterTransferTest, PutTakesAFileOfTheLimitWholeAndRefusesALongerOne) {
  files.files["full.prm"] = Pattern(10000);
  windows.chosenPath = "full.prm";
  EXPECT_CALL(fake, PutParameters(_, 10000)).WillOnce(Return(false));
  EXPECT_FALSE(transfer.Put());
  EXPECT_EQ(journal, (Journal{"open box", "cursor: wait", "log: Failed to put the parameter",
                              "log: File read: full.prm", "cursor: back"}));  // only logged

  journal.clear();
  files.files["long.prm"] = Pattern(10001);
  windows.chosenPath = "long.prm";
  EXPECT_CALL(fake, PutParameters(_, _)).Times(0);
  EXPECT_FALSE(transfer.Put());
  EXPECT_EQ(journal, (Journal{"open box", "log: Failed to put the parameter",
                              "log: File read: long.prm (The parameter file is larger than 10000 "
                              "bytes.)",
                              "tell: The parameter file is larger than 10000 bytes."}));
}

TEST_F(ParameterTransferTest, PutStopsOnAnUnreadableFileOrACancel) {
  EXPECT_CALL(fake, PutParameters(_, _)).Times(0);
  transfer.Put();
  windows.chosenPath = "missing.prm";
  transfer.Put();
  EXPECT_EQ(journal, (Journal{"open box", "open box", "file error: missing.prm"}));
}

}  // namespace
