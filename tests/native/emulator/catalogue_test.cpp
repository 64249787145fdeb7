#include <gtest/gtest.h>

#include "machine_host.h"

namespace {

struct Sent { uint16_t code; int payload; };
struct Asked { uint16_t code; size_t reply; };

const Sent kCommands[] = {
    {0x0206, 8},  {0x0209, 4},  {0x020B, 4},  {0x020E, 12}, {0x0210, 6},  {0x0231, 2},
    {0x023F, 4},  {0x0240, 4},  {0x0241, 4},  {0x0258, 1},  {0x025A, 1},  {0x025F, 24},
    {0x0260, 28}, {0x0262, 28}, {0x0263, 28}, {0x0264, 28}, {0x0270, 0},  {0x0271, 0},
    {0x0272, 0},  {0x0273, 0},  {0x0274, 0},  {0x0275, 4},  {0x0276, 1},  {0x027D, 4},
    {0x0290, 12}, {0x029A, 1},  {0x029B, 0},  {0x029C, 0},  {0x02C4, 0},  {0x02E3, 0},
    {0x02E5, 0},  {0x02E6, 0},  {0x0337, 0},  {0x0350, 8},  {0x0351, 8},  {0x0352, 8},
    {0x0FFB, 0},  {0x0FFD, 2},  {0x3002, 4},  {0x3004, 4},  {0x3006, 1},  {0x3101, 1},
    {0x3107, 24}, {0x3201, 3},  {0x3335, 24}, {0x3336, 24}, {0x333B, 24}, {0x333C, 24},
    {0x3467, 24}, {0x3469, 1},  {0x347B, 4},  {0x3483, 4},  {0x3500, 2},  {0x3501, 6},
};

const Asked kQueries[] = {
    {0x0205, 4},  {0x0207, 4},  {0x0208, 4},  {0x020A, 4},  {0x020D, 12}, {0x020F, 6},
    {0x0230, 4},  {0x023A, 4},  {0x0251, 24}, {0x0253, 24}, {0x025B, 48}, {0x025E, 24},
    {0x0265, 24}, {0x027C, 4},  {0x0280, 24}, {0x0282, 24}, {0x02C3, 4},  {0x02C8, 4},
    {0x02E0, 4},  {0x02F0, 4},  {0x0327, 16}, {0x0FFC, 16}, {0x0FFE, 1},  {0x0FFF, 1},
    {0x3000, 4},  {0x3001, 4},  {0x3003, 8},  {0x3005, 1},  {0x3100, 1},  {0x3106, 24},
    {0x3200, 3},  {0x3202, 24}, {0x3203, 24}, {0x3208, 24}, {0x3209, 24}, {0x3334, 24},
    {0x346B, 4},  {0x3473, 4},
};

using CatalogueTest = EmulatorTest;

// Non-zero denominators, zero bytes for texts.
Bytes Payload(const CMachineHost& host, int length) {
  Bytes payload;
  while (static_cast<int>(payload.size()) + 4 <= length) {
    Bytes word = host.Words32({1000000});
    payload.insert(payload.end(), word.begin(), word.end());
  }
  payload.resize(length, 0);
  return payload;
}

TEST_F(CatalogueTest, EveryCommandIsTakenWithItsLengthAndRefusedOneByteLongerOrShorter) {
  for (const Sent& command : kCommands) {
    SCOPED_TRACE(command.code);
    EXPECT_TRUE(host_.Send(command.code, Payload(host_, command.payload)));
    EXPECT_FALSE(host_.Send(command.code, Payload(host_, command.payload + 1)));
    if (command.payload > 0) {
      EXPECT_FALSE(host_.Send(command.code, Payload(host_, command.payload - 1)));
    }
    machine_.motion().Stop();
  }
}

TEST_F(CatalogueTest, EveryQueryRepliesWithItsLengthAndTextsEndInTheirZeroByte) {
  for (const Asked& query : kQueries) {
    SCOPED_TRACE(query.code);
    EXPECT_EQ(query.reply, host_.Query(query.code).size());
  }
  for (uint16_t code : {0x0101, 0x0102, 0x01FF, 0x0200, 0x0202, 0x0211}) {
    SCOPED_TRACE(code);
    Bytes reply = host_.Query(code);
    ASSERT_FALSE(reply.empty());
    EXPECT_EQ(0, reply.back());
  }
  EXPECT_EQ("0102", host_.QueryText(0x0101));
}

TEST_F(CatalogueTest, DirectWritesNeedNoAcceptanceBulkCommandsAreTakenOthersRefused) {
  host_.Write(kCmd0004);
  EXPECT_EQ(0u, host_.ReadStatus().handshake);
  host_.Write(kCmdSendZero0279, host_.Words32({0}));
  EXPECT_EQ(0u, host_.ReadStatus().handshake);
  for (uint16_t code : {0x02C0, 0x02E1, 0x02E2, 0x02F1}) EXPECT_TRUE(host_.Send(code)) << code;
  for (uint16_t code : {0x0000, 0x0005, 0x0204, 0x020C, 0x0261, 0x0278, 0x02E4, 0x0353, 0x3468,
                        0x348B, 0x3502})
    EXPECT_FALSE(host_.Send(code)) << code;
}

}  // namespace
