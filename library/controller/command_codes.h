// The numbers of the machine's commands. Each travels in the value field of a vendor control
// request with request code kVendorRequest and index 0.
#pragma once

#include <cstdint>

#include "../api/hvx40_facts.h"  // kVendorRequest

enum CommandCode : uint16_t {
  // Channel, status and device block.
  kCmdStatus = 0x0001,         // MachineStatus, 8 bytes
  kCmdProtocolCheck = 0x0002,  // protocol identifier and byte-order marker, 4 bytes
  kCmdReply = 0x0003,          // the reply the last query produced, 1 to 255 bytes
  kCmd0004 = 0x0004,
  kCmdDeviceBlock = 0x0100,
  kCmdIndexedStringFirst = 0x0101,  // + index 0..254; index 0 is the firmware version
  kCmdIndexedStringLast = 0x01FF,

  // Identity and service values.
  kCmdGetSerialNumber = 0x0200,
  kCmdSetSerialNumber = 0x0201,
  kCmdGetShortCode = 0x0202,
  kCmdSetShortCode = 0x0203,
  kCmdGetValue0205 = 0x0205,
  kCmdSetPair0206 = 0x0206,
  kCmdGetValue0207 = 0x0207,
  kCmdGetValue0208 = 0x0208,
  kCmdSetValue0209 = 0x0209,
  kCmdGetValue020A = 0x020A,
  kCmdSetValue020B = 0x020B,
  kCmdGetBlock12_020D = 0x020D,
  kCmdSetBlock12_020E = 0x020E,
  kCmdGetBlock6_020F = 0x020F,
  kCmdSetBlock6_0210 = 0x0210,
  kCmdGetString0211 = 0x0211,

  // Motion, inputs and compensation.
  kCmdGetValue0230 = 0x0230,
  kCmd0231 = 0x0231,
  kCmdGetInputState = 0x023A,
  kCmdSetValue023F = 0x023F,
  kCmdSetValue0240 = 0x0240,
  kCmdSetValue0241 = 0x0241,
  kCmdGetPair0248 = 0x0248,
  kCmdGetVector0251 = 0x0251,
  kCmdGetCurrentPosition = 0x0253,
  kCmdSetByte0258 = 0x0258,
  kCmdSetByte025A = 0x025A,
  kCmdGetVectorPair025B = 0x025B,
  kCmdGetVector025E = 0x025E,
  kCmdSetVector025F = 0x025F,
  kCmdMove0260 = 0x0260,
  kCmdMove0262 = 0x0262,
  kCmdMoveTo = 0x0263,
  kCmdMove0264 = 0x0264,
  kCmdGetVector0265 = 0x0265,
  kCmdSwitchOn0270 = 0x0270,
  kCmdSwitchOff0271 = 0x0271,
  kCmd0272 = 0x0272,
  kCmdStopMotion = 0x0273,
  kCmd0274 = 0x0274,
  kCmdSendZero0275 = 0x0275,
  kCmd0276 = 0x0276,
  kCmdEnterUpdateMode = 0x0277,
  kCmdSendZero0279 = 0x0279,
  kCmdGetValue027C = 0x027C,
  kCmdSetValue027D = 0x027D,
  kCmdGetUserCompensation = 0x0280,
  kCmdSetUserCompensation = 0x0281,
  kCmdGetCompensation2 = 0x0282,
  kCmdSetCompensation2 = 0x0283,
  kCmdSetTriple0290 = 0x0290,

  // Service actions, reports, tables and parameter areas.
  kCmdSetByte029A = 0x029A,
  kCmd029B = 0x029B,
  kCmd029C = 0x029C,
  kCmdSystemReport = 0x02C0,
  kCmdReadWordTable = 0x02C1,
  kCmdWriteWordTable = 0x02C2,
  kCmdGetHalfPair02C3 = 0x02C3,
  kCmd02C4 = 0x02C4,
  kCmdGetHalfPair02C8 = 0x02C8,
  kCmdArea0Size = 0x02E0,
  kCmdArea0Read = 0x02E1,
  kCmdArea0Write = 0x02E2,
  kCmdClearAllParameters = 0x02E3,
  kCmd02E5 = 0x02E5,
  kCmd02E6 = 0x02E6,
  kCmdArea1Size = 0x02F0,
  kCmdArea1Read = 0x02F1,
  kCmdGetRecord0327 = 0x0327,
  kCmd0337 = 0x0337,
  kCmdMoveAxisX = 0x0350,
  kCmdMoveAxisY = 0x0351,
  kCmdMoveAxisZ = 0x0352,
  kCmd0FFB = 0x0FFB,
  kCmdGetRecord0FFC = 0x0FFC,
  kCmdSetBytePair0FFD = 0x0FFD,
  kCmdGetByte0FFE = 0x0FFE,
  kCmdGetByte0FFF = 0x0FFF,

  // Spindle, sensors and user parameters.
  kCmdGetSpindleSpeed = 0x3000,
  kCmdGetValue3001 = 0x3001,
  kCmdSetValue3002 = 0x3002,
  kCmdGetPair3003 = 0x3003,
  kCmdSetSpindleSpeed = 0x3004,
  kCmdGetSpindleOverride = 0x3005,
  kCmdSetSpindleOverride = 0x3006,
  kCmdGetByte3100 = 0x3100,
  kCmdSetByte3101 = 0x3101,
  kCmdGetVector3106 = 0x3106,
  kCmdSetVector3107 = 0x3107,
  kCmdGetTriple3200 = 0x3200,
  kCmdSetTriple3201 = 0x3201,
  kCmdGetVector3202 = 0x3202,
  kCmdWorkCoordinateGetBase = 0x31CD,     // + set number 54..59 gives 0x3203..0x3208
  kCmdExtWorkCoordinateGetBase = 0x3208,  // + set number 1..300 gives 0x3209..0x3334
  kCmdSetVector3335 = 0x3335,
  kCmdWorkCoordinateSetBase = 0x3300,     // + set number 54..59 gives 0x3336..0x333B
  kCmdExtWorkCoordinateSetBase = 0x333B,  // + set number 1..300 gives 0x333C..0x3467
  kCmdSetFlag3469 = 0x3469,
  kCmdIndexedValueGetBase = 0x346B,  // + index
  kCmdIndexedValueSetBase = 0x347B,  // + index
  kCmdSetHalf3500 = 0x3500,
  kCmdSetHalfTriple3501 = 0x3501,
};

// In the coordinate group a setter's code is its getter's plus this.
constexpr uint16_t kCoordinateSetterOffset = 0x133;
