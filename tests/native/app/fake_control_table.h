// The recording fake of the machine-specific control table; included by fake_tables.h.
#pragma once

#include <fstream>
#include <iterator>

std::string HostPath(const std::string& winPath);

class FakeControl : public CHVX40ControlAPI {
 public:
  std::string version = "V100";
  bool outputResult = true;
  std::string sentPath;
  std::string sentJob;
  std::vector<uint8_t> sentBytes;  // the file's content at the moment it was handed over
  const char* GetVersion() override { return version.c_str(); }
  bool OutputFile(const char* const* path, const char* job) override {
    Hit<bool>("Control.OutputFile", path, job);
    sentPath = *path;
    sentJob = job ? job : "";
    std::ifstream in(HostPath(sentPath), std::ios::binary);
    sentBytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return outputResult;
  }
  FAKE(bool, "Control", SendData, (const void* d, int n), d, n)
  FAKE(bool, "Control", Command_0004, ())
  FAKE(bool, "Control", ReadDeviceRecord, (void* r), r)
  FAKE(bool, "Control", GetPair_0248, (int* a, int* b), a, b)
  FAKE(bool, "Control", GetVector_0251, (AxisVector* o), o)
  FAKE(bool, "Control", GetCurrentPosition, (AxisVector* o), o)
  FAKE(bool, "Control", SetByte_0258, (int v), v)
  FAKE(bool, "Control", SetByte_025A, (int v), v)
  FAKE(bool, "Control", GetVectorPair_025B, (AxisVector* a, AxisVector* b), a, b)
  FAKE(bool, "Control", GetVector_025E, (AxisVector* o), o)
  FAKE(int, "Control", SetVector_025F, (const AxisVector* i), i)
  FAKE(bool, "Control", GetVector_0265, (AxisVector* o), o)
  FAKE(bool, "Control", Move_0260, (const AxisVector* t, int s), t, s)
  FAKE(bool, "Control", Move_0262, (const AxisVector* t, int s), t, s)
  FAKE(bool, "Control", MoveTo, (const AxisVector* t, int s), t, s)
  FAKE(bool, "Control", Move_0264, (const AxisVector* t, int a, int b), t, a, b)
  FAKE(bool, "Control", SetSwitch_0270, (int v), v)
  FAKE(bool, "Control", Command_0272, ())
  FAKE(bool, "Control", StopMotion, ())
  FAKE(bool, "Control", Command_0276_02, ())
  FAKE(bool, "Control", Command_0276_03, ())
  FAKE(bool, "Control", Command_0276_FF, ())
  FAKE(bool, "Control", SendZero_0279, ())
  FAKE(int, "Control", GetValue_027C, ())
  FAKE(bool, "Control", SetValue_027D, (int v), v)
  FAKE(bool, "Control", GetUserCompensation, (int* x, int* y, int* z), x, y, z)
  FAKE(int, "Control", SetUserCompensation, (int x, int y, int z), x, y, z)
  FAKE(bool, "Control", SetByte_029A, (int v), v)
  FAKE(bool, "Control", Command_029B, ())
  FAKE(int, "Control", GetSystemReport, (char* b, int s), b, s)
  FAKE(bool, "Control", GetHalfPair_02C3, (int16_t* a, int16_t* b), a, b)
  FAKE(bool, "Control", Command_02C4, ())
  FAKE(bool, "Control", GetHalfPair_02C8, (int16_t* a, int16_t* b), a, b)
  FAKE(bool, "Control", GetRecord_0327, (DeviceRecord16* o), o)
  FAKE(int, "Control", Command_0337, ())
  FAKE(bool, "Control", MoveAxisX, (int t, int s, int c), t, s, c)
  FAKE(bool, "Control", MoveAxisY, (int t, int s, int c), t, s, c)
  FAKE(bool, "Control", MoveAxisZ, (int t, int s, int c), t, s, c)
  FAKE(int, "Control", GetSpindleSpeed, ())
  FAKE(int, "Control", GetValue_3001, ())
  FAKE(bool, "Control", SetValue_3002, (int v), v)
  FAKE(bool, "Control", GetPair_3003, (int* a, int* b), a, b)
  FAKE(bool, "Control", SetSpindleSpeed, (int v), v)
  FAKE(int, "Control", GetSpindleOverride, ())
  FAKE(bool, "Control", SetSpindleOverride, (int v), v)
  FAKE(int, "Control", GetByte_3100, ())
  FAKE(int, "Control", SetByte_3101, (int v), v)
  FAKE(bool, "Control", GetVector_3106, (AxisVector* o), o)
  FAKE(int, "Control", SetVector_3107, (const AxisVector* i), i)
  FAKE(bool, "Control", GetTriple_3200, (int* a, int* b, int* c), a, b, c)
  FAKE(int, "Control", SetTriple_3201, (int a, int b, int c), a, b, c)
  FAKE(bool, "Control", GetVector_3202, (AxisVector* o), o)
  FAKE(int, "Control", SetVector_3335, (const AxisVector* i), i)
  FAKE(bool, "Control", GetWorkCoordinate, (int n, AxisVector* o), n, o)
  FAKE(bool, "Control", SetWorkCoordinate, (int n, const AxisVector* i), n, i)
  FAKE(bool, "Control", GetExtWorkCoordinate, (int n, AxisVector* o), n, o)
  FAKE(bool, "Control", SetExtWorkCoordinate, (int n, const AxisVector* i), n, i)
  FAKE(bool, "Control", SetFlag_3469, (int v), v)
  FAKE(bool, "Control", GetIndexedValue_346B, (int i, int* o), i, o)
  FAKE(int, "Control", SetIndexedValue_347B, (int i, int v), i, v)
  FAKE(bool, "Control", SetHalf_3500, (int v), v)
  FAKE(bool, "Control", SetHalfTriple_3501, (int a, int b, int c), a, b, c)
  FAKE(int, "Control", GetByte_0FFE, ())
  FAKE(bool, "Control", SetBytePair_0FFD, (int a, int b), a, b)
  FAKE(bool, "Control", GetRecord_0FFC, (DeviceRecord16* o), o)
  FAKE(int, "Control", Command_0FFB, ())
  FAKE(int, "Control", GetByte_0FFF, ())
  FAKE(bool, "Control", ConnectSimulator, (int w), w)
  FAKE(bool, "Control", ConnectSimulatorNamed, (const char* n, int w), n, w)
};
