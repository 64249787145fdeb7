// Every operation of the six tables, called once through its slot against the emulator: the
// result it reports and the exact exchange the machine saw for it, waits included.
//
// The tables are reached through their own slot-by-slot declaration (raw_tables.h), not the
// library's header, so that each row also pins its operation to its slot.
//
// Not called here:
//   Disconnect      ends the connection the other rows need; the fixture calls it on unloading.
//   OutputFile      needs a file on disk; handing one over is checked in the operations test.
// EnumerateDevices lists the printer queues of the system, which Wine may not list at all (-1),
// so only its count-or-(-1) convention and its silence towards the machine are checked;
// GetDeviceNameAt is asked one past the end of that list.
// EnterUpdateMode runs alone, in its own test, since the machine leaves normal operation.
#include <functional>

#include "e2e_fixture.h"
#include "journal_exchange.h"
#include "raw_tables.h"

namespace {

std::string W32(int32_t value) { return Hex32(static_cast<uint32_t>(value), false); }
std::string H16(int value) { return Hex16(static_cast<unsigned>(value) & 0xFFFF, false); }
std::string VectorHex(const raw::Vector& v) {
  std::string hex;
  for (int32_t value : v.value) hex += W32(value);
  return hex;
}
// Compensation in ppm travels as three numerators around one million and three denominators.
std::string CompensationHex(int x, int y, int z) {
  return W32(1000000 + x) + W32(1000000 + y) + W32(1000000 + z) + W32(1000000) + W32(1000000) +
         W32(1000000);
}

const raw::Vector kTarget = {{1000, 2000, -300, 0, 0, 0}};
const raw::Vector kValues = {{11, -22, 33, -44, 55, 0x01020304}};
const int32_t kA = 0x11223344, kB = -2, kC = 7;
const uint8_t kSix[6] = {1, 2, 3, 0xfd, 0xfe, 0xff};
const uint16_t kWords[2] = {0x1234, 0xabcd};
const uint8_t kData[3] = {0x01, 0x7f, 0xee};
std::vector<uint8_t> gArea(2048);  // the emulator's parameter area 0 is 2048 bytes

// The slots' scratch outputs.
raw::Vector gV1, gV2;
int32_t gI1, gI2, gI3;
int16_t gH1, gH2;
raw::Record16 gRecord;
uint8_t gBytes[64];
char gText[512];
uint16_t gTable[64];
uint32_t gS1, gS2;

using R = raw::Tables;

struct Operation {
  const char* name;
  std::function<bool(R&)> call;  // true when the slot reports success by its result convention
  bool succeeds;
  Exchange exchange;  // what the machine must have seen
};

const std::vector<Operation> kRemoteConnect = {
    {"GetVersion", [](R& r) { return std::string(r.connect->GetVersion()) == "V100"; }, true, None()},
    {"Connect", [](R& r) { return r.connect->Connect("Varnel HVX-40"); }, true, Within("R 0002 4")},
    {"Reconnect", [](R& r) { return r.connect->Reconnect(); }, true, Within("R 0002 4")},
    {"CheckConnection", [](R& r) { return r.connect->CheckConnection(); }, true, Direct("ID")},
    {"EnumerateDevices", [](R& r) { return r.connect->EnumerateDevices() >= -1; }, true, None()},
    {"GetDeviceNameAt", [](R& r) { return r.connect->GetDeviceNameAt(r.connect->EnumerateDevices()) != nullptr; }, false, None()},
    {"GetDeviceName", [](R& r) { return r.connect->GetDeviceName(gText, sizeof gText) == 14; }, true, None()},
    {"GetStatus", [](R& r) { return r.connect->GetStatus(&gS1, &gS2) == 1; }, true, Direct("R 0001 8")},
};

const std::vector<Operation> kRemoteControl = {
    {"GetVersion", [](R& r) { return std::string(r.remoteControl->GetVersion()) == "V100"; }, true, None()},
    {"GetStatus", [](R& r) { return r.remoteControl->GetStatus(&gS1, &gS2) == 1; }, true, Direct("R 0001 8")},
    {"ReadDeviceBlock", [](R& r) { return r.remoteControl->ReadDeviceBlock(gBytes, 56) > 0; }, true, Direct("R 0100 56")},
    {"GetString_0211", [](R& r) { return r.remoteControl->GetString_0211(gText, sizeof gText) > 0; }, true, Query("W 0211")},
    {"GetFirmwareVersion", [](R& r) { return r.remoteControl->GetFirmwareVersion(gText, sizeof gText) == 5; }, true, Query("W 0101")},
    {"GetSerialNumber", [](R& r) { return r.remoteControl->GetSerialNumber(gText, sizeof gText) == 8; }, true, Query("W 0200")},
    {"GetShortCode", [](R& r) { return r.remoteControl->GetShortCode(gText, sizeof gText) == 2; }, true, Query("W 0202")},
    {"GetValue_0207", [](R& r) { return r.remoteControl->GetValue_0207() != -1; }, true, Query("W 0207")},
    {"GetDeviceId", [](R& r) { return r.remoteControl->GetDeviceId(gText, sizeof gText) > 1; }, true, Direct("ID")},
    {"GetValue_0230", [](R& r) { return r.remoteControl->GetValue_0230() != -1; }, true, Query("W 0230")},
    {"GetInputState", [](R& r) { return r.remoteControl->GetInputState() != -1; }, true, Query("W 023a")},
    {"SetValue_023F", [](R& r) { return r.remoteControl->SetValue_023F(kA); }, true, Accepted("W 023f " + W32(kA))},
    {"SetValue_0240", [](R& r) { return r.remoteControl->SetValue_0240(kB); }, true, Accepted("W 0240 " + W32(kB))},
    {"SetValue_0241", [](R& r) { return r.remoteControl->SetValue_0241(kC); }, true, Accepted("W 0241 " + W32(kC))},
    {"SendZero_0275", [](R& r) { return r.remoteControl->SendZero_0275(); }, true, Accepted("W 0275 00000000")},
    {"Command_0274", [](R& r) { return r.remoteControl->Command_0274(); }, true, Accepted("W 0274")},
    {"SetTriple_0290", [](R& r) { return r.remoteControl->SetTriple_0290(kA, kB, kC); }, true, Accepted("W 0290 " + W32(kA) + W32(kB) + W32(kC))},
    {"Unsupported", [](R& r) { return r.remoteControl->Unsupported(1, 2) != -1; }, false, None()},
    {"Command_02E6", [](R& r) { return r.remoteControl->Command_02E6(); }, true, Accepted("W 02e6")},
};

const std::vector<Operation> kRemoteService = {
    {"GetVersion", [](R& r) { return std::string(r.remoteService->GetVersion()) == "V102"; }, true, None()},
    {"GetStatus", [](R& r) { return r.remoteService->GetStatus(&gS1, &gS2) == 1; }, true, Direct("R 0001 8")},
    {"SetSerialNumber", [](R& r) { return r.remoteService->SetSerialNumber("HVX-9"); }, true, Completed("W 0201 " + Hex("HVX-9", 6))},
    {"SetShortCode", [](R& r) { return r.remoteService->SetShortCode("B"); }, true, Completed("W 0203 " + Hex("B", 2))},
    {"GetValue_0205", [](R& r) { return r.remoteService->GetValue_0205() != -1; }, true, Query("W 0205")},
    {"SetPair_0206", [](R& r) { return r.remoteService->SetPair_0206(kA, kB) == 1; }, true, Completed("W 0206 " + W32(kA) + W32(kB))},
    {"GetValue_0208", [](R& r) { return r.remoteService->GetValue_0208() != -1; }, true, Query("W 0208")},
    {"SetValue_0209", [](R& r) { return r.remoteService->SetValue_0209(kC) == 1; }, true, Completed("W 0209 " + W32(kC))},
    {"GetValue_020A", [](R& r) { return r.remoteService->GetValue_020A() != -1; }, true, Query("W 020a")},
    {"SetValue_020B", [](R& r) { return r.remoteService->SetValue_020B(kB) == 1; }, true, Completed("W 020b " + W32(kB))},
    {"GetBlock12_020D", [](R& r) { return r.remoteService->GetBlock12_020D(&gI1, &gI2, &gI3); }, true, Query("W 020d")},
    {"SetBlock12_020E", [](R& r) { return r.remoteService->SetBlock12_020E(&kA, &kB, &kC); }, true, Accepted("W 020e " + W32(kA) + W32(kB) + W32(kC))},
    {"GetBlock6_020F", [](R& r) { return r.remoteService->GetBlock6_020F(gBytes); }, true, Query("W 020f")},
    {"SetBlock6_0210", [](R& r) { return r.remoteService->SetBlock6_0210(kSix); }, true, Accepted("W 0210 " + Hex(kSix, 6))},
    {"SendZero_0279", [](R& r) { return r.remoteService->SendZero_0279(); }, true, Direct("W 0279 00000000")},
    {"SetByte_029A", [](R& r) { return r.remoteService->SetByte_029A(0x1fe); }, true, Accepted("W 029a fe")},
    {"Command_029B", [](R& r) { return r.remoteService->Command_029B(); }, true, Accepted("W 029b")},
    {"Command_029C", [](R& r) { return r.remoteService->Command_029C() == 1; }, true, Completed("W 029c")},
    {"ReadWords_02C1", [](R& r) { return r.remoteService->ReadWords_02C1(gTable, 64); }, true, Query("W 02c1")},
    {"GetHalfPair_02C3", [](R& r) { return r.remoteService->GetHalfPair_02C3(&gH1, &gH2); }, true, Query("W 02c3")},
    {"Command_02C4", [](R& r) { return r.remoteService->Command_02C4(); }, true, Accepted("W 02c4")},
    {"GetHalfPair_02C8", [](R& r) { return r.remoteService->GetHalfPair_02C8(&gH1, &gH2); }, true, Query("W 02c8")},
    {"GetSystemReport", [](R& r) { return r.remoteService->GetSystemReport(nullptr, 0) > 1; }, true, Within("W 02c0")},
    {"GetParameters", [](R& r) { return r.remoteService->GetParameters(nullptr, 0) == 2048; }, true, Within("W 02e1")},
    {"PutParameters", [](R& r) { return r.remoteService->PutParameters(gArea.data(), 2048); }, true, Within("W 02e2")},
    {"Command_02E5", [](R& r) { return r.remoteService->Command_02E5(); }, true, Accepted("W 02e5")},
    {"GetParameters2", [](R& r) { return r.remoteService->GetParameters2(nullptr, 0) == 1024; }, true, Within("W 02f1")},
};

const std::vector<Operation> kControl = {
    {"GetVersion", [](R& r) { return std::string(r.control->GetVersion()) == "V100"; }, true, None()},
    {"SendData", [](R& r) { return r.control->SendData(kData, 3); }, true, Direct("BO " + Hex(kData, 3))},
    {"Command_0004", [](R& r) { return r.control->Command_0004(); }, true, Direct("W 0004")},
    {"ReadDeviceRecord", [](R& r) { return r.control->ReadDeviceRecord(gBytes); }, true, Direct("R 0100 56")},
    {"GetPair_0248", [](R& r) { return r.control->GetPair_0248(&gI1, &gI2); }, true, Direct("R 0248 8")},
    {"GetVector_0251", [](R& r) { return r.control->GetVector_0251(&gV1); }, true, Query("W 0251")},
    {"GetCurrentPosition", [](R& r) { return r.control->GetCurrentPosition(&gV1); }, true, Query("W 0253")},
    {"SetByte_0258", [](R& r) { return r.control->SetByte_0258(300); }, true, Accepted("W 0258 ff")},
    {"SetByte_025A", [](R& r) { return r.control->SetByte_025A(-4); }, true, Accepted("W 025a 00")},
    {"GetVectorPair_025B", [](R& r) { return r.control->GetVectorPair_025B(&gV1, &gV2); }, true, Query("W 025b")},
    {"GetVector_025E", [](R& r) { return r.control->GetVector_025E(&gV1); }, true, Query("W 025e")},
    {"SetVector_025F", [](R& r) { return r.control->SetVector_025F(&kValues) == 1; }, true, Completed("W 025f " + VectorHex(kValues))},
    {"GetVector_0265", [](R& r) { return r.control->GetVector_0265(&gV1); }, true, Query("W 0265")},
    {"Move_0260", [](R& r) { return r.control->Move_0260(&kTarget, 10000); }, true, Accepted("W 0260 " + H16(10000) + H16(0) + VectorHex(kTarget))},
    {"Move_0262", [](R& r) { return r.control->Move_0262(&kTarget, 10000); }, true, Accepted("W 0262 " + H16(10000) + H16(0) + VectorHex(kTarget))},
    {"MoveTo", [](R& r) { return r.control->MoveTo(&kTarget, 100); }, true, Accepted("W 0263 " + H16(100) + H16(0) + VectorHex(kTarget))},
    {"Move_0264", [](R& r) { return r.control->Move_0264(&kTarget, 10000, 9); }, true, Accepted("W 0264 " + H16(10000) + H16(9) + VectorHex(kTarget))},
    {"SetSwitch_0270", [](R& r) { return r.control->SetSwitch_0270(1); }, true, Accepted("W 0270")},
    {"Command_0272", [](R& r) { return r.control->Command_0272(); }, true, Accepted("W 0272")},
    {"StopMotion", [](R& r) { return r.control->StopMotion(); }, true, Accepted("W 0273")},
    {"Command_0276_02", [](R& r) { return r.control->Command_0276_02(); }, true, Accepted("W 0276 02")},
    {"Command_0276_03", [](R& r) { return r.control->Command_0276_03(); }, true, Accepted("W 0276 03")},
    {"Command_0276_FF", [](R& r) { return r.control->Command_0276_FF(); }, true, Accepted("W 0276 ff")},
    {"SendZero_0279", [](R& r) { return r.control->SendZero_0279(); }, true, Direct("W 0279 00000000")},
    {"GetValue_027C", [](R& r) { return r.control->GetValue_027C() != -1; }, true, Query("W 027c")},
    {"SetValue_027D", [](R& r) { return r.control->SetValue_027D(kA); }, true, Accepted("W 027d " + W32(kA))},
    {"GetUserCompensation", [](R& r) { return r.control->GetUserCompensation(&gI1, &gI2, &gI3); }, true, Query("W 0280")},
    {"SetUserCompensation", [](R& r) { return r.control->SetUserCompensation(5, -7, 0) == 1; }, true, Completed("W 0281 " + CompensationHex(5, -7, 0))},
    {"SetByte_029A", [](R& r) { return r.control->SetByte_029A(0x42); }, true, Accepted("W 029a 42")},
    {"Command_029B", [](R& r) { return r.control->Command_029B(); }, true, Accepted("W 029b")},
    {"GetSystemReport", [](R& r) { return r.control->GetSystemReport(nullptr, 0) > 1; }, true, Within("W 02c0")},
    {"GetHalfPair_02C3", [](R& r) { return r.control->GetHalfPair_02C3(&gH1, &gH2); }, true, Query("W 02c3")},
    {"Command_02C4", [](R& r) { return r.control->Command_02C4(); }, true, Accepted("W 02c4")},
    {"GetHalfPair_02C8", [](R& r) { return r.control->GetHalfPair_02C8(&gH1, &gH2); }, true, Query("W 02c8")},
    {"GetRecord_0327", [](R& r) { return r.control->GetRecord_0327(&gRecord); }, true, Query("W 0327")},
    {"Command_0337", [](R& r) { return r.control->Command_0337() == 1; }, true, Completed("W 0337")},
    {"MoveAxisX", [](R& r) { return r.control->MoveAxisX(500, 100, 80); }, true, Accepted("W 0350 " + H16(80) + H16(100) + W32(500))},
    {"MoveAxisY", [](R& r) { return r.control->MoveAxisY(600, 200, 90); }, true, Accepted("W 0351 " + H16(90) + H16(200) + W32(600))},
    {"MoveAxisZ", [](R& r) { return r.control->MoveAxisZ(-700, 300, 100); }, true, Accepted("W 0352 " + H16(100) + H16(300) + W32(-700))},
    {"GetSpindleSpeed", [](R& r) { return r.control->GetSpindleSpeed() != -1; }, true, Query("W 3000")},
    {"GetValue_3001", [](R& r) { return r.control->GetValue_3001() != -1; }, true, Query("W 3001")},
    {"SetValue_3002", [](R& r) { return r.control->SetValue_3002(kB); }, true, Accepted("W 3002 " + W32(kB))},
    {"GetPair_3003", [](R& r) { return r.control->GetPair_3003(&gI1, &gI2); }, true, Query("W 3003")},
    {"SetSpindleSpeed", [](R& r) { return r.control->SetSpindleSpeed(12000); }, true, Accepted("W 3004 " + W32(12000))},
    {"GetSpindleOverride", [](R& r) { return r.control->GetSpindleOverride() != -1; }, true, Query("W 3005")},
    {"SetSpindleOverride", [](R& r) { return r.control->SetSpindleOverride(120); }, true, Accepted("W 3006 78")},
    {"GetByte_3100", [](R& r) { return r.control->GetByte_3100() != -1; }, true, Query("W 3100")},
    {"SetByte_3101", [](R& r) { return r.control->SetByte_3101(0x142) == 1; }, true, Completed("W 3101 42")},
    {"GetVector_3106", [](R& r) { return r.control->GetVector_3106(&gV1); }, true, Query("W 3106")},
    {"SetVector_3107", [](R& r) { return r.control->SetVector_3107(&kValues) == 1; }, true, Completed("W 3107 " + VectorHex(kValues))},
    {"GetTriple_3200", [](R& r) { return r.control->GetTriple_3200(&gI1, &gI2, &gI3); }, true, Query("W 3200")},
    {"SetTriple_3201", [](R& r) { return r.control->SetTriple_3201(1, 2, 0x103) == 1; }, true, Completed("W 3201 010203")},
    {"GetVector_3202", [](R& r) { return r.control->GetVector_3202(&gV1); }, true, Query("W 3202")},
    {"SetVector_3335", [](R& r) { return r.control->SetVector_3335(&kValues) == 1; }, true, Completed("W 3335 " + VectorHex(kValues))},
    {"GetWorkCoordinate", [](R& r) { return r.control->GetWorkCoordinate(54, &gV1); }, true, Query("W 3203")},
    {"SetWorkCoordinate", [](R& r) { return r.control->SetWorkCoordinate(59, &kValues); }, true, Completed("W 333b " + VectorHex(kValues))},
    {"GetExtWorkCoordinate", [](R& r) { return r.control->GetExtWorkCoordinate(1, &gV1); }, true, Query("W 3209")},
    {"SetExtWorkCoordinate", [](R& r) { return r.control->SetExtWorkCoordinate(300, &kValues); }, true, Completed("W 3467 " + VectorHex(kValues))},
    {"SetFlag_3469", [](R& r) { return r.control->SetFlag_3469(7); }, true, Accepted("W 3469 01")},
    {"GetIndexedValue_346B", [](R& r) { return r.control->GetIndexedValue_346B(1, &gI1); }, true, Query("W 346c")},
    {"SetIndexedValue_347B", [](R& r) { return r.control->SetIndexedValue_347B(8, kA) == 1; }, true, Completed("W 3483 " + W32(kA))},
    {"SetHalf_3500", [](R& r) { return r.control->SetHalf_3500(0x1234); }, true, Accepted("W 3500 " + H16(0x1234))},
    {"SetHalfTriple_3501", [](R& r) { return r.control->SetHalfTriple_3501(1, -2, 3); }, true, Accepted("W 3501 " + H16(1) + H16(-2) + H16(3))},
    {"GetByte_0FFE", [](R& r) { return r.control->GetByte_0FFE() != -1; }, true, Query("W 0ffe")},
    {"SetBytePair_0FFD", [](R& r) { return r.control->SetBytePair_0FFD(0x1ab, 5); }, true, Accepted("W 0ffd ab01")},
    {"GetRecord_0FFC", [](R& r) { return r.control->GetRecord_0FFC(&gRecord); }, true, Query("W 0ffc")},
    {"Command_0FFB", [](R& r) { return r.control->Command_0FFB() == 1; }, true, Completed("W 0ffb")},
    {"GetByte_0FFF", [](R& r) { return r.control->GetByte_0FFF() != -1; }, true, Query("W 0fff")},
    {"ConnectSimulator", [](R& r) { return r.control->ConnectSimulator(0); }, true, Within("R 0002 4")},
    {"ConnectSimulatorNamed", [](R& r) { return r.control->ConnectSimulatorNamed("Varnel HVX-40", 0); },
     true, Within("R 0002 4")},
};

const std::vector<Operation> kProduction = {
    {"GetVersion", [](R& r) { return std::string(r.production->GetVersion()) == "V100"; }, true, None()},
    {"Command_0231_FF", [](R& r) { return r.production->Command_0231_FF(); }, true, Accepted("W 0231 ff00")},
    {"Command_0231_00", [](R& r) { return r.production->Command_0231_00(); }, true, Accepted("W 0231 0000")},
    {"GetCompensation2", [](R& r) { return r.production->GetCompensation2(&gI1, &gI2, &gI3); }, true, Query("W 0282")},
    {"SetCompensation2", [](R& r) { return r.production->SetCompensation2(-3, 0, 9) == 1; }, true, Completed("W 0283 " + CompensationHex(-3, 0, 9))},
    {"WriteWords_02C2", [](R& r) { return r.production->WriteWords_02C2(kWords, 2); }, true, Within("W 02c2 " + H16(kWords[0]) + H16(kWords[1]))},
};

const std::vector<Operation> kService = {
    {"GetVersion", [](R& r) { return std::string(r.service->GetVersion()) == "V100"; }, true, None()},
    {"ClearAllParameters", [](R& r) { return r.service->ClearAllParameters(); }, true, Accepted("W 02e3")},
};

class EveryOperationTest : public EmulatorTest {
 protected:
  void SetUp() override {
    EmulatorTest::SetUp();
    ASSERT_TRUE(tables.Bind());
  }
  void RunAll(const std::vector<Operation>& operations) {
    for (const Operation& operation : operations) {
      SCOPED_TRACE(operation.name);
      journal.Mark();
      EXPECT_EQ(operation.call(tables), operation.succeeds);
      EXPECT_TRUE(HasShape(journal.LinesSinceMark(), operation.exchange));
    }
  }
  raw::Tables tables;
};

TEST_F(EveryOperationTest, RemoteConnectTable) { RunAll(kRemoteConnect); }
TEST_F(EveryOperationTest, RemoteControlTable) { RunAll(kRemoteControl); }
TEST_F(EveryOperationTest, RemoteServiceTable) { RunAll(kRemoteService); }
TEST_F(EveryOperationTest, ControlTable) { RunAll(kControl); }
TEST_F(EveryOperationTest, ProductionTable) { RunAll(kProduction); }
TEST_F(EveryOperationTest, ServiceTable) { RunAll(kService); }

// The hand-over to update mode is a bare write with the mode byte; the machine then waits for
// its image, so this runs on an emulator of its own.
TEST_F(EveryOperationTest, EnterUpdateModeLast) {
  RunAll({{"EnterUpdateMode", [](R& r) { return r.remoteService->EnterUpdateMode(1); }, true, Direct("W 0277 01")}});
  EXPECT_TRUE(emulator.Send("restart"));
}

}  // namespace
