#include "command_catalogue.h"

#include "command_codes.h"

namespace {

constexpr int kStringMax = 256;  // a text of up to 255 characters and its zero byte
constexpr int kWordTableMax = 254;

using S = CommandShape;

// One row per command or per run of commands of the same shape.
const CommandEntry kCatalogue[] = {
    {kCmdStatus, kCmdStatus, S::kDirectRead, 0, 0, 8},
    {kCmdProtocolCheck, kCmdProtocolCheck, S::kDirectRead, 0, 0, 4},
    {kCmdReply, kCmdReply, S::kDirectRead, 0, 0, 255},
    {kCmd0004, kCmd0004, S::kDirectWrite, 0, 0, 0},
    {kCmdDeviceBlock, kCmdDeviceBlock, S::kDirectRead, 0, 0, 56},
    {kCmdIndexedStringFirst, kCmdIndexedStringLast, S::kQuery, 0, 0, kReplyString},

    {kCmdGetSerialNumber, kCmdGetSerialNumber, S::kQuery, 0, 0, kReplyString},
    {kCmdSetSerialNumber, kCmdSetSerialNumber, S::kCommandDone, 1, kStringMax, 0},
    {kCmdGetShortCode, kCmdGetShortCode, S::kQuery, 0, 0, kReplyString},
    {kCmdSetShortCode, kCmdSetShortCode, S::kCommandDone, 1, kStringMax, 0},
    {kCmdGetValue0205, kCmdGetValue0205, S::kQuery, 0, 0, 4},
    {kCmdSetPair0206, kCmdSetPair0206, S::kCommandDone, 8, 8, 0},
    {kCmdGetValue0207, kCmdGetValue0208, S::kQuery, 0, 0, 4},
    {kCmdSetValue0209, kCmdSetValue0209, S::kCommandDone, 4, 4, 0},
    {kCmdGetValue020A, kCmdGetValue020A, S::kQuery, 0, 0, 4},
    {kCmdSetValue020B, kCmdSetValue020B, S::kCommandDone, 4, 4, 0},
    {kCmdGetBlock12_020D, kCmdGetBlock12_020D, S::kQuery, 0, 0, 12},
    {kCmdSetBlock12_020E, kCmdSetBlock12_020E, S::kCommand, 12, 12, 0},
    {kCmdGetBlock6_020F, kCmdGetBlock6_020F, S::kQuery, 0, 0, 6},
    {kCmdSetBlock6_0210, kCmdSetBlock6_0210, S::kCommand, 6, 6, 0},
    {kCmdGetString0211, kCmdGetString0211, S::kQuery, 0, 0, kReplyString},

    {kCmdGetValue0230, kCmdGetValue0230, S::kQuery, 0, 0, 4},
    {kCmd0231, kCmd0231, S::kCommand, 2, 2, 0},
    {kCmdGetInputState, kCmdGetInputState, S::kQuery, 0, 0, 4},
    {kCmdSetValue023F, kCmdSetValue0241, S::kCommand, 4, 4, 0},
    {kCmdGetPair0248, kCmdGetPair0248, S::kDirectRead, 0, 0, 8},
    {kCmdGetVector0251, kCmdGetVector0251, S::kQuery, 0, 0, 24},
    {kCmdGetCurrentPosition, kCmdGetCurrentPosition, S::kQuery, 0, 0, 24},
    {kCmdSetByte0258, kCmdSetByte0258, S::kCommand, 1, 1, 0},
    {kCmdSetByte025A, kCmdSetByte025A, S::kCommand, 1, 1, 0},
    {kCmdGetVectorPair025B, kCmdGetVectorPair025B, S::kQuery, 0, 0, 48},
    {kCmdGetVector025E, kCmdGetVector025E, S::kQuery, 0, 0, 24},
    {kCmdSetVector025F, kCmdSetVector025F, S::kCommandDone, 24, 24, 0},
    {kCmdMove0260, kCmdMove0260, S::kCommand, 28, 28, 0},
    {kCmdMove0262, kCmdMove0264, S::kCommand, 28, 28, 0},
    {kCmdGetVector0265, kCmdGetVector0265, S::kQuery, 0, 0, 24},
    {kCmdSwitchOn0270, kCmd0274, S::kCommand, 0, 0, 0},
    {kCmdSendZero0275, kCmdSendZero0275, S::kCommand, 4, 4, 0},
    {kCmd0276, kCmd0276, S::kCommand, 1, 1, 0},
    {kCmdEnterUpdateMode, kCmdEnterUpdateMode, S::kDirectWrite, 1, 1, 0},
    {kCmdSendZero0279, kCmdSendZero0279, S::kDirectWrite, 4, 4, 0},
    {kCmdGetValue027C, kCmdGetValue027C, S::kQuery, 0, 0, 4},
    {kCmdSetValue027D, kCmdSetValue027D, S::kCommand, 4, 4, 0},
    {kCmdGetUserCompensation, kCmdGetUserCompensation, S::kQuery, 0, 0, 24},
    {kCmdSetUserCompensation, kCmdSetUserCompensation, S::kCommandDone, 24, 24, 0},
    {kCmdGetCompensation2, kCmdGetCompensation2, S::kQuery, 0, 0, 24},
    {kCmdSetCompensation2, kCmdSetCompensation2, S::kCommandDone, 24, 24, 0},
    {kCmdSetTriple0290, kCmdSetTriple0290, S::kCommand, 12, 12, 0},

    {kCmdSetByte029A, kCmdSetByte029A, S::kCommand, 1, 1, 0},
    {kCmd029B, kCmd029B, S::kCommand, 0, 0, 0},
    {kCmd029C, kCmd029C, S::kCommandDone, 0, 0, 0},
    {kCmdSystemReport, kCmdSystemReport, S::kBulkText, 0, 0, 0},
    {kCmdReadWordTable, kCmdReadWordTable, S::kQuery, 0, 0, kReplyWordTable},
    {kCmdWriteWordTable, kCmdWriteWordTable, S::kCommandDone, 2, kWordTableMax, 0},
    {kCmdGetHalfPair02C3, kCmdGetHalfPair02C3, S::kQuery, 0, 0, 4},
    {kCmd02C4, kCmd02C4, S::kCommand, 0, 0, 0},
    {kCmdGetHalfPair02C8, kCmdGetHalfPair02C8, S::kQuery, 0, 0, 4},
    {kCmdArea0Size, kCmdArea0Size, S::kQuery, 0, 0, 4},
    {kCmdArea0Read, kCmdArea0Read, S::kBulkDump, 0, 0, 0},
    {kCmdArea0Write, kCmdArea0Write, S::kBulkUpload, 0, 0, 0},
    {kCmdClearAllParameters, kCmdClearAllParameters, S::kCommand, 0, 0, 0},
    {kCmd02E5, kCmd02E6, S::kCommand, 0, 0, 0},
    {kCmdArea1Size, kCmdArea1Size, S::kQuery, 0, 0, 4},
    {kCmdArea1Read, kCmdArea1Read, S::kBulkDump, 0, 0, 0},
    {kCmdGetRecord0327, kCmdGetRecord0327, S::kQuery, 0, 0, 16},
    {kCmd0337, kCmd0337, S::kCommandDone, 0, 0, 0},
    {kCmdMoveAxisX, kCmdMoveAxisZ, S::kCommand, 8, 8, 0},
    {kCmd0FFB, kCmd0FFB, S::kCommandDone, 0, 0, 0},
    {kCmdGetRecord0FFC, kCmdGetRecord0FFC, S::kQuery, 0, 0, 16},
    {kCmdSetBytePair0FFD, kCmdSetBytePair0FFD, S::kCommand, 2, 2, 0},
    {kCmdGetByte0FFE, kCmdGetByte0FFF, S::kQuery, 0, 0, 1},

    {kCmdGetSpindleSpeed, kCmdGetValue3001, S::kQuery, 0, 0, 4},
    {kCmdSetValue3002, kCmdSetValue3002, S::kCommand, 4, 4, 0},
    {kCmdGetPair3003, kCmdGetPair3003, S::kQuery, 0, 0, 8},
    {kCmdSetSpindleSpeed, kCmdSetSpindleSpeed, S::kCommand, 4, 4, 0},
    {kCmdGetSpindleOverride, kCmdGetSpindleOverride, S::kQuery, 0, 0, 1},
    {kCmdSetSpindleOverride, kCmdSetSpindleOverride, S::kCommand, 1, 1, 0},
    {kCmdGetByte3100, kCmdGetByte3100, S::kQuery, 0, 0, 1},
    {kCmdSetByte3101, kCmdSetByte3101, S::kCommandDone, 1, 1, 0},
    {kCmdGetVector3106, kCmdGetVector3106, S::kQuery, 0, 0, 24},
    {kCmdSetVector3107, kCmdSetVector3107, S::kCommandDone, 24, 24, 0},
    {kCmdGetTriple3200, kCmdGetTriple3200, S::kQuery, 0, 0, 3},
    {kCmdSetTriple3201, kCmdSetTriple3201, S::kCommandDone, 3, 3, 0},
    {kCmdGetVector3202, 0x3334, S::kQuery, 0, 0, 24},
    {kCmdSetVector3335, 0x3467, S::kCommandDone, 24, 24, 0},
    {kCmdSetFlag3469, kCmdSetFlag3469, S::kCommand, 1, 1, 0},
    // Sixteen indexed values; the setters lie 0x10 above their getters.
    {kCmdIndexedValueGetBase, kCmdIndexedValueSetBase - 1, S::kQuery, 0, 0, 4},
    {kCmdIndexedValueSetBase, kCmdIndexedValueSetBase + 15, S::kCommandDone, 4, 4, 0},
    {kCmdSetHalf3500, kCmdSetHalf3500, S::kCommand, 2, 2, 0},
    {kCmdSetHalfTriple3501, kCmdSetHalfTriple3501, S::kCommand, 6, 6, 0},
};

}  // namespace

const CommandEntry* FindCommand(uint16_t code) {
  for (const CommandEntry& entry : kCatalogue) {
    if (code >= entry.first && code <= entry.last) return &entry;
  }
  return nullptr;
}

bool IsQueryShape(CommandShape shape) { return shape == CommandShape::kQuery; }

bool IsAcceptedShape(CommandShape shape) {
  return shape != CommandShape::kQuery && shape != CommandShape::kDirectRead &&
         shape != CommandShape::kDirectWrite;
}
