// Every operation of the six tables, called once through its slot against the emulator: the
// result it reports and the exact request the machine received for it.
//
// Not called here:
//   Disconnect      ends the connection the other rows need; the fixture calls it on unloading.
//   OutputFile      needs a file on disk; handing one over is checked in the operations test.
// EnumerateDevices lists the printer queues of the system, which Wine may not list at all (-1),
// so only its count-or-(-1) convention and its silence towards the machine are checked;
// GetDeviceNameAt is asked one past the end of that list.
// EnterUpdateMode runs alone, in its own test, since the machine leaves normal operation.
#include <algorithm>
#include <functional>
#include <sstream>

#include "e2e_fixture.h"

namespace {

std::string W32(int32_t value) { return Hex32(static_cast<uint32_t>(value), false); }
std::string H16(int value) { return Hex16(static_cast<unsigned>(value) & 0xFFFF, false); }
std::string VectorHex(const AxisVector& v) {
  std::string hex;
  for (int32_t value : v.value) hex += W32(value);
  return hex;
}
// Compensation in ppm travels as three numerators around one million and three denominators.
std::string CompensationHex(int x, int y, int z) {
  return W32(1000000 + x) + W32(1000000 + y) + W32(1000000 + z) + W32(1000000) + W32(1000000) +
         W32(1000000);
}

const AxisVector kTarget = {{1000, 2000, -300, 0, 0, 0}};
const AxisVector kValues = {{11, -22, 33, -44, 55, 0x01020304}};
const int kA = 0x11223344, kB = -2, kC = 7;
const uint8_t kSix[6] = {1, 2, 3, 0xfd, 0xfe, 0xff};
const uint16_t kWords[2] = {0x1234, 0xabcd};
const uint8_t kData[3] = {0x01, 0x7f, 0xee};
std::vector<uint8_t> gArea(2048);  // the emulator's parameter area 0 is 2048 bytes

// The slots' scratch outputs.
AxisVector gV1, gV2;
int gI1, gI2, gI3;
int16_t gH1, gH2;
DeviceRecord16 gRecord;
uint8_t gBytes[64];
char gText[512];
uint16_t gTable[64];
uint32_t gS1, gS2;

using L = CServiceLibrary;

struct Operation {
  const char* name;
  std::function<bool(L&)> call;  // true when the slot reports success by its result convention
  bool succeeds;
  std::string line;  // the request the machine must have received; empty: none at all
};

const std::vector<Operation> kRemoteConnect = {
    {"GetVersion", [](L& l) { return std::string(l.connect->GetVersion()) == "V100"; }, true, ""},
    {"Connect", [](L& l) { return l.connect->Connect("Varnel HVX-40"); }, true, "R 0002 4"},
    {"Reconnect", [](L& l) { return l.connect->Reconnect(); }, true, "R 0002 4"},
    {"CheckConnection", [](L& l) { return l.connect->CheckConnection(); }, true, "ID"},
    {"EnumerateDevices", [](L& l) { return l.connect->EnumerateDevices() >= -1; }, true, ""},
    {"GetDeviceNameAt", [](L& l) { return l.connect->GetDeviceNameAt(l.connect->EnumerateDevices()) != nullptr; }, false, ""},
    {"GetDeviceName", [](L& l) { return l.connect->GetDeviceName(gText, sizeof gText) == 14; }, true, ""},
    {"GetStatus", [](L& l) { return l.connect->GetStatus(&gS1, &gS2) == 1; }, true, "R 0001 8"},
};

const std::vector<Operation> kRemoteControl = {
    {"GetVersion", [](L& l) { return std::string(l.remoteControl->GetVersion()) == "V100"; }, true, ""},
    {"GetStatus", [](L& l) { return l.remoteControl->GetStatus(&gS1, &gS2) == 1; }, true, "R 0001 8"},
    {"ReadDeviceBlock", [](L& l) { return l.remoteControl->ReadDeviceBlock(gBytes, 56) > 0; }, true, "R 0100 56"},
    {"GetString_0211", [](L& l) { return l.remoteControl->GetString_0211(gText, sizeof gText) > 0; }, true, "W 0211"},
    {"GetFirmwareVersion", [](L& l) { return l.remoteControl->GetFirmwareVersion(gText, sizeof gText) == 5; }, true, "W 0101"},
    {"GetSerialNumber", [](L& l) { return l.remoteControl->GetSerialNumber(gText, sizeof gText) == 8; }, true, "W 0200"},
    {"GetShortCode", [](L& l) { return l.remoteControl->GetShortCode(gText, sizeof gText) == 2; }, true, "W 0202"},
    {"GetValue_0207", [](L& l) { return l.remoteControl->GetValue_0207() != -1; }, true, "W 0207"},
    {"GetDeviceId", [](L& l) { return l.remoteControl->GetDeviceId(gText, sizeof gText) > 1; }, true, "ID"},
    {"GetValue_0230", [](L& l) { return l.remoteControl->GetValue_0230() != -1; }, true, "W 0230"},
    {"GetInputState", [](L& l) { return l.remoteControl->GetInputState() != -1; }, true, "W 023a"},
    {"SetValue_023F", [](L& l) { return l.remoteControl->SetValue_023F(kA); }, true, "W 023f " + W32(kA)},
    {"SetValue_0240", [](L& l) { return l.remoteControl->SetValue_0240(kB); }, true, "W 0240 " + W32(kB)},
    {"SetValue_0241", [](L& l) { return l.remoteControl->SetValue_0241(kC); }, true, "W 0241 " + W32(kC)},
    {"SendZero_0275", [](L& l) { return l.remoteControl->SendZero_0275(); }, true, "W 0275 00000000"},
    {"Command_0274", [](L& l) { return l.remoteControl->Command_0274(); }, true, "W 0274"},
    {"SetTriple_0290", [](L& l) { return l.remoteControl->SetTriple_0290(kA, kB, kC); }, true, "W 0290 " + W32(kA) + W32(kB) + W32(kC)},
    {"Unsupported", [](L& l) { return l.remoteControl->Unsupported(1, 2) != -1; }, false, ""},
    {"Command_02E6", [](L& l) { return l.remoteControl->Command_02E6(); }, true, "W 02e6"},
};

const std::vector<Operation> kRemoteService = {
    {"GetVersion", [](L& l) { return std::string(l.remoteService->GetVersion()) == "V102"; }, true, ""},
    {"GetStatus", [](L& l) { return l.remoteService->GetStatus(&gS1, &gS2) == 1; }, true, "R 0001 8"},
    {"SetSerialNumber", [](L& l) { return l.remoteService->SetSerialNumber("HVX-9"); }, true, "W 0201 " + Hex("HVX-9", 6)},
    {"SetShortCode", [](L& l) { return l.remoteService->SetShortCode("B"); }, true, "W 0203 " + Hex("B", 2)},
    {"GetValue_0205", [](L& l) { return l.remoteService->GetValue_0205() != -1; }, true, "W 0205"},
    {"SetPair_0206", [](L& l) { return l.remoteService->SetPair_0206(kA, kB) == 1; }, true, "W 0206 " + W32(kA) + W32(kB)},
    {"GetValue_0208", [](L& l) { return l.remoteService->GetValue_0208() != -1; }, true, "W 0208"},
    {"SetValue_0209", [](L& l) { return l.remoteService->SetValue_0209(kC) == 1; }, true, "W 0209 " + W32(kC)},
    {"GetValue_020A", [](L& l) { return l.remoteService->GetValue_020A() != -1; }, true, "W 020a"},
    {"SetValue_020B", [](L& l) { return l.remoteService->SetValue_020B(kB) == 1; }, true, "W 020b " + W32(kB)},
    {"GetBlock12_020D", [](L& l) { return l.remoteService->GetBlock12_020D(&gI1, &gI2, &gI3); }, true, "W 020d"},
    {"SetBlock12_020E", [](L& l) { return l.remoteService->SetBlock12_020E(&kA, &kB, &kC); }, true, "W 020e " + W32(kA) + W32(kB) + W32(kC)},
    {"GetBlock6_020F", [](L& l) { return l.remoteService->GetBlock6_020F(gBytes); }, true, "W 020f"},
    {"SetBlock6_0210", [](L& l) { return l.remoteService->SetBlock6_0210(kSix); }, true, "W 0210 " + Hex(kSix, 6)},
    {"SendZero_0279", [](L& l) { return l.remoteService->SendZero_0279(); }, true, "W 0279 00000000"},
    {"SetByte_029A", [](L& l) { return l.remoteService->SetByte_029A(0x1fe); }, true, "W 029a fe"},
    {"Command_029B", [](L& l) { return l.remoteService->Command_029B(); }, true, "W 029b"},
    {"Command_029C", [](L& l) { return l.remoteService->Command_029C() == 1; }, true, "W 029c"},
    {"ReadWords_02C1", [](L& l) { return l.remoteService->ReadWords_02C1(gTable, 64); }, true, "W 02c1"},
    {"GetHalfPair_02C3", [](L& l) { return l.remoteService->GetHalfPair_02C3(&gH1, &gH2); }, true, "W 02c3"},
    {"Command_02C4", [](L& l) { return l.remoteService->Command_02C4(); }, true, "W 02c4"},
    {"GetHalfPair_02C8", [](L& l) { return l.remoteService->GetHalfPair_02C8(&gH1, &gH2); }, true, "W 02c8"},
    {"GetSystemReport", [](L& l) { return l.remoteService->GetSystemReport(nullptr, 0) > 1; }, true, "W 02c0"},
    {"GetParameters", [](L& l) { return l.remoteService->GetParameters(nullptr, 0) == 2048; }, true, "W 02e1"},
    {"PutParameters", [](L& l) { return l.remoteService->PutParameters(gArea.data(), 2048); }, true, "W 02e2"},
    {"Command_02E5", [](L& l) { return l.remoteService->Command_02E5(); }, true, "W 02e5"},
    {"GetParameters2", [](L& l) { return l.remoteService->GetParameters2(nullptr, 0) == 1024; }, true, "W 02f1"},
};

const std::vector<Operation> kControl = {
    {"GetVersion", [](L& l) { return std::string(l.control->GetVersion()) == "V100"; }, true, ""},
    {"SendData", [](L& l) { return l.control->SendData(kData, 3); }, true, "BO " + Hex(kData, 3)},
    {"Command_0004", [](L& l) { return l.control->Command_0004(); }, true, "W 0004"},
    {"ReadDeviceRecord", [](L& l) { return l.control->ReadDeviceRecord(gBytes); }, true, "R 0100 56"},
    {"GetPair_0248", [](L& l) { return l.control->GetPair_0248(&gI1, &gI2); }, true, "R 0248 8"},
    {"GetVector_0251", [](L& l) { return l.control->GetVector_0251(&gV1); }, true, "W 0251"},
    {"GetCurrentPosition", [](L& l) { return l.control->GetCurrentPosition(&gV1); }, true, "W 0253"},
    {"SetByte_0258", [](L& l) { return l.control->SetByte_0258(300); }, true, "W 0258 ff"},
    {"SetByte_025A", [](L& l) { return l.control->SetByte_025A(-4); }, true, "W 025a 00"},
    {"GetVectorPair_025B", [](L& l) { return l.control->GetVectorPair_025B(&gV1, &gV2); }, true, "W 025b"},
    {"GetVector_025E", [](L& l) { return l.control->GetVector_025E(&gV1); }, true, "W 025e"},
    {"SetVector_025F", [](L& l) { return l.control->SetVector_025F(&kValues) == 1; }, true, "W 025f " + VectorHex(kValues)},
    {"GetVector_0265", [](L& l) { return l.control->GetVector_0265(&gV1); }, true, "W 0265"},
    {"Move_0260", [](L& l) { return l.control->Move_0260(&kTarget, 10000); }, true, "W 0260 " + H16(10000) + H16(0) + VectorHex(kTarget)},
    {"Move_0262", [](L& l) { return l.control->Move_0262(&kTarget, 10000); }, true, "W 0262 " + H16(10000) + H16(0) + VectorHex(kTarget)},
    {"MoveTo", [](L& l) { return l.control->MoveTo(&kTarget, 100); }, true, "W 0263 " + H16(100) + H16(0) + VectorHex(kTarget)},
    {"Move_0264", [](L& l) { return l.control->Move_0264(&kTarget, 10000, 9); }, true, "W 0264 " + H16(10000) + H16(9) + VectorHex(kTarget)},
    {"SetSwitch_0270", [](L& l) { return l.control->SetSwitch_0270(1); }, true, "W 0270"},
    {"Command_0272", [](L& l) { return l.control->Command_0272(); }, true, "W 0272"},
    {"StopMotion", [](L& l) { return l.control->StopMotion(); }, true, "W 0273"},
    {"Command_0276_02", [](L& l) { return l.control->Command_0276_02(); }, true, "W 0276 02"},
    {"Command_0276_03", [](L& l) { return l.control->Command_0276_03(); }, true, "W 0276 03"},
    {"Command_0276_FF", [](L& l) { return l.control->Command_0276_FF(); }, true, "W 0276 ff"},
    {"SendZero_0279", [](L& l) { return l.control->SendZero_0279(); }, true, "W 0279 00000000"},
    {"GetValue_027C", [](L& l) { return l.control->GetValue_027C() != -1; }, true, "W 027c"},
    {"SetValue_027D", [](L& l) { return l.control->SetValue_027D(kA); }, true, "W 027d " + W32(kA)},
    {"GetUserCompensation", [](L& l) { return l.control->GetUserCompensation(&gI1, &gI2, &gI3); }, true, "W 0280"},
    {"SetUserCompensation", [](L& l) { return l.control->SetUserCompensation(5, -7, 0) == 1; }, true, "W 0281 " + CompensationHex(5, -7, 0)},
    {"SetByte_029A", [](L& l) { return l.control->SetByte_029A(0x42); }, true, "W 029a 42"},
    {"Command_029B", [](L& l) { return l.control->Command_029B(); }, true, "W 029b"},
    {"GetSystemReport", [](L& l) { return l.control->GetSystemReport(nullptr, 0) > 1; }, true, "W 02c0"},
    {"GetHalfPair_02C3", [](L& l) { return l.control->GetHalfPair_02C3(&gH1, &gH2); }, true, "W 02c3"},
    {"Command_02C4", [](L& l) { return l.control->Command_02C4(); }, true, "W 02c4"},
    {"GetHalfPair_02C8", [](L& l) { return l.control->GetHalfPair_02C8(&gH1, &gH2); }, true, "W 02c8"},
    {"GetRecord_0327", [](L& l) { return l.control->GetRecord_0327(&gRecord); }, true, "W 0327"},
    {"Command_0337", [](L& l) { return l.control->Command_0337() == 1; }, true, "W 0337"},
    {"MoveAxisX", [](L& l) { return l.control->MoveAxisX(500, 100, 80); }, true, "W 0350 " + H16(80) + H16(100) + W32(500)},
    {"MoveAxisY", [](L& l) { return l.control->MoveAxisY(600, 200, 90); }, true, "W 0351 " + H16(90) + H16(200) + W32(600)},
    {"MoveAxisZ", [](L& l) { return l.control->MoveAxisZ(-700, 300, 100); }, true, "W 0352 " + H16(100) + H16(300) + W32(-700)},
    {"GetSpindleSpeed", [](L& l) { return l.control->GetSpindleSpeed() != -1; }, true, "W 3000"},
    {"GetValue_3001", [](L& l) { return l.control->GetValue_3001() != -1; }, true, "W 3001"},
    {"SetValue_3002", [](L& l) { return l.control->SetValue_3002(kB); }, true, "W 3002 " + W32(kB)},
    {"GetPair_3003", [](L& l) { return l.control->GetPair_3003(&gI1, &gI2); }, true, "W 3003"},
    {"SetSpindleSpeed", [](L& l) { return l.control->SetSpindleSpeed(12000); }, true, "W 3004 " + W32(12000)},
    {"GetSpindleOverride", [](L& l) { return l.control->GetSpindleOverride() != -1; }, true, "W 3005"},
    {"SetSpindleOverride", [](L& l) { return l.control->SetSpindleOverride(120); }, true, "W 3006 78"},
    {"GetByte_3100", [](L& l) { return l.control->GetByte_3100() != -1; }, true, "W 3100"},
    {"SetByte_3101", [](L& l) { return l.control->SetByte_3101(0x142) == 1; }, true, "W 3101 42"},
    {"GetVector_3106", [](L& l) { return l.control->GetVector_3106(&gV1); }, true, "W 3106"},
    {"SetVector_3107", [](L& l) { return l.control->SetVector_3107(&kValues) == 1; }, true, "W 3107 " + VectorHex(kValues)},
    {"GetTriple_3200", [](L& l) { return l.control->GetTriple_3200(&gI1, &gI2, &gI3); }, true, "W 3200"},
    {"SetTriple_3201", [](L& l) { return l.control->SetTriple_3201(1, 2, 0x103) == 1; }, true, "W 3201 010203"},
    {"GetVector_3202", [](L& l) { return l.control->GetVector_3202(&gV1); }, true, "W 3202"},
    {"SetVector_3335", [](L& l) { return l.control->SetVector_3335(&kValues) == 1; }, true, "W 3335 " + VectorHex(kValues)},
    {"GetWorkCoordinate", [](L& l) { return l.control->GetWorkCoordinate(54, &gV1); }, true, "W 3203"},
    {"SetWorkCoordinate", [](L& l) { return l.control->SetWorkCoordinate(59, &kValues); }, true, "W 333b " + VectorHex(kValues)},
    {"GetExtWorkCoordinate", [](L& l) { return l.control->GetExtWorkCoordinate(1, &gV1); }, true, "W 3209"},
    {"SetExtWorkCoordinate", [](L& l) { return l.control->SetExtWorkCoordinate(300, &kValues); }, true, "W 3467 " + VectorHex(kValues)},
    {"SetFlag_3469", [](L& l) { return l.control->SetFlag_3469(7); }, true, "W 3469 01"},
    {"GetIndexedValue_346B", [](L& l) { return l.control->GetIndexedValue_346B(1, &gI1); }, true, "W 346c"},
    {"SetIndexedValue_347B", [](L& l) { return l.control->SetIndexedValue_347B(8, kA) == 1; }, true, "W 3483 " + W32(kA)},
    {"SetHalf_3500", [](L& l) { return l.control->SetHalf_3500(0x1234); }, true, "W 3500 " + H16(0x1234)},
    {"SetHalfTriple_3501", [](L& l) { return l.control->SetHalfTriple_3501(1, -2, 3); }, true, "W 3501 " + H16(1) + H16(-2) + H16(3)},
    {"GetByte_0FFE", [](L& l) { return l.control->GetByte_0FFE() != -1; }, true, "W 0ffe"},
    {"SetBytePair_0FFD", [](L& l) { return l.control->SetBytePair_0FFD(0x1ab, 5); }, true, "W 0ffd ab01"},
    {"GetRecord_0FFC", [](L& l) { return l.control->GetRecord_0FFC(&gRecord); }, true, "W 0ffc"},
    {"Command_0FFB", [](L& l) { return l.control->Command_0FFB() == 1; }, true, "W 0ffb"},
    {"GetByte_0FFF", [](L& l) { return l.control->GetByte_0FFF() != -1; }, true, "W 0fff"},
    {"ConnectSimulator", [](L& l) { return l.control->ConnectSimulator(0); }, true, "R 0002 4"},
};

const std::vector<Operation> kProduction = {
    {"GetVersion", [](L& l) { return std::string(l.production->GetVersion()) == "V100"; }, true, ""},
    {"Command_0231_FF", [](L& l) { return l.production->Command_0231_FF(); }, true, "W 0231 ff00"},
    {"Command_0231_00", [](L& l) { return l.production->Command_0231_00(); }, true, "W 0231 0000"},
    {"GetCompensation2", [](L& l) { return l.production->GetCompensation2(&gI1, &gI2, &gI3); }, true, "W 0282"},
    {"SetCompensation2", [](L& l) { return l.production->SetCompensation2(-3, 0, 9) == 1; }, true, "W 0283 " + CompensationHex(-3, 0, 9)},
    {"WriteWords_02C2", [](L& l) { return l.production->WriteWords_02C2(kWords, 2); }, true, "W 02c2 " + H16(kWords[0]) + H16(kWords[1])},
};

const std::vector<Operation> kService = {
    {"GetVersion", [](L& l) { return std::string(l.service->GetVersion()) == "V100"; }, true, ""},
    {"ClearAllParameters", [](L& l) { return l.service->ClearAllParameters(); }, true, "W 02e3"},
};

std::string Joined(const std::vector<std::string>& lines) {
  std::ostringstream text;
  for (const std::string& line : lines) text << "\n  " << line;
  return text.str();
}

class EveryOperationTest : public EmulatorTest {
 protected:
  void RunAll(const std::vector<Operation>& operations) {
    for (const Operation& operation : operations) {
      SCOPED_TRACE(operation.name);
      journal.Mark();
      EXPECT_EQ(operation.call(library), operation.succeeds);
      const std::vector<std::string> lines = journal.LinesSinceMark();
      if (operation.line.empty()) {
        EXPECT_TRUE(lines.empty()) << Joined(lines);
      } else {
        EXPECT_NE(std::find(lines.begin(), lines.end(), operation.line), lines.end())
            << "expected " << operation.line << ", the journal has" << Joined(lines);
      }
    }
  }
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
  RunAll({{"EnterUpdateMode", [](L& l) { return l.remoteService->EnterUpdateMode(1); }, true, "W 0277 01"}});
  EXPECT_TRUE(emulator.Send("restart"));
}

}  // namespace
