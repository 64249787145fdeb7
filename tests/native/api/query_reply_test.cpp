// Every query slot: the command number it asks with, and how the reply is decoded in both byte
// orders; a short reply fails.
#include <functional>
#include <string>

#include "table_fixture.h"

namespace {

// What a query gave: success and the values it wrote out.
struct Outcome {
  bool ok;
  std::vector<int64_t> values;
};

struct QueryCase {
  const char* name;
  std::function<Outcome(Tables&)> call;
  uint16_t code;
  Fields reply;
  std::vector<int64_t> expected;
};

Outcome Value(int value) { return {value != -1, {value}}; }
Outcome Vector(bool ok, const AxisVector& v) {
  return {ok, {v.value[0], v.value[1], v.value[2], v.value[3], v.value[4], v.value[5]}};
}
Outcome Record(bool ok, const DeviceRecord16& r) {
  return {ok, {r.a, r.b, r.c, r.d[0], r.d[1], r.d[2]}};
}
// By reference: the outputs are read only after the query has written them.
template <typename T>
Outcome Three(bool ok, const T& a, const T& b, const T& c) { return {ok, {a, b, c}}; }

const std::vector<int64_t> kSampleValues = {203200, 152400, -60500, 0x01020304, -1, 7};
const Fields kRecordReply = {{4, 0x01020304}, {4, 0xFFFFFFFE}, {2, 0x0A0B},
                             {2, 1},          {2, 0x0203},     {2, 0xFFFF}};
const std::vector<int64_t> kRecordValues = {0x01020304, 0xFFFFFFFE, 0x0A0B, 1, 0x0203, 0xFFFF};

#define VECTOR_QUERY(table, slot, code)                                           \
  {#slot, [](Tables& t) { AxisVector v{}; return Vector(t.table.slot(&v), v); }, \
   code, SampleVectorWords(), kSampleValues}
#define NUMBERED_QUERY(slot, n, code)                                                      \
  {#slot " " #n, [](Tables& t) { AxisVector v{}; return Vector(t.hvx.slot(n, &v), v); }, code, \
   SampleVectorWords(), kSampleValues}
#define TRIPLE_QUERY(name, table, slot, T, code, reply, ...)                          \
  {name, [](Tables& t) { T a = 0, b = 0, c = 0; return Three(t.table.slot(&a, &b, &c), a, b, c); }, \
   code, reply, {__VA_ARGS__}}
#define PAIR_QUERY(table, slot, T, code, reply, ...) \
  {#slot, [](Tables& t) { T a = 0, b = 0; return Outcome{t.table.slot(&a, &b), {a, b}}; }, \
   code, reply, {__VA_ARGS__}}
#define INDEXED_QUERY(n, code, value)                                                         \
  {"GetIndexedValue_346B " #n,                                                               \
   [](Tables& t) { int v = 0; return Outcome{t.hvx.GetIndexedValue_346B(n, &v), {v}}; }, code, \
   Words({value}), {value}}
#define RECORD_QUERY(slot, code) \
  {#slot, [](Tables& t) { DeviceRecord16 r{}; return Record(t.hvx.slot(&r), r); }, code, \
   kRecordReply, kRecordValues}
#define VALUE_QUERY(table, slot, code, reply, expected) \
  {#slot, [](Tables& t) { return Value(t.table.slot()); }, code, reply, {expected}}

const std::vector<QueryCase>& Cases() {
  static const std::vector<QueryCase> cases = {
      VALUE_QUERY(control, GetValue_0207, 0x0207, Words({123456}), 123456),
      VALUE_QUERY(control, GetValue_0230, 0x0230, Words({-7}), -7),
      VALUE_QUERY(control, GetInputState, 0x023A, Words({0x47}), 0x47),
      VALUE_QUERY(service, GetValue_0205, 0x0205, Words({0x01020304}), 0x01020304),
      VALUE_QUERY(service, GetValue_0208, 0x0208, Words({8}), 8),
      VALUE_QUERY(service, GetValue_020A, 0x020A, Words({10}), 10),
      VALUE_QUERY(hvx, GetValue_027C, 0x027C, Words({0x7C}), 0x7C),
      VALUE_QUERY(hvx, GetSpindleSpeed, 0x3000, Words({7000}), 7000),
      VALUE_QUERY(hvx, GetValue_3001, 0x3001, Words({0x10000}), 0x10000),
      VALUE_QUERY(hvx, GetSpindleOverride, 0x3005, RawBytes({200}), 200),
      VALUE_QUERY(hvx, GetByte_3100, 0x3100, RawBytes({0xFF}), 255),
      VALUE_QUERY(hvx, GetByte_0FFE, 0x0FFE, RawBytes({0x80}), 0x80),
      VALUE_QUERY(hvx, GetByte_0FFF, 0x0FFF, RawBytes({0}), 0),
      VECTOR_QUERY(hvx, GetVector_0251, 0x0251),
      VECTOR_QUERY(hvx, GetCurrentPosition, 0x0253),
      VECTOR_QUERY(hvx, GetVector_025E, 0x025E),
      VECTOR_QUERY(hvx, GetVector_0265, 0x0265),
      VECTOR_QUERY(hvx, GetVector_3106, 0x3106),
      VECTOR_QUERY(hvx, GetVector_3202, 0x3202),
      NUMBERED_QUERY(GetWorkCoordinate, 54, 0x3203),
      NUMBERED_QUERY(GetWorkCoordinate, 59, 0x3208),
      NUMBERED_QUERY(GetExtWorkCoordinate, 1, 0x3209),
      NUMBERED_QUERY(GetExtWorkCoordinate, 300, 0x3334),
      {"GetVectorPair_025B",
       [](Tables& t) {
         AxisVector a{}, b{};
         const bool ok = t.hvx.GetVectorPair_025B(&a, &b);
         return Outcome{ok, {a.value[0], a.value[5], b.value[0], b.value[5]}};
       },
       0x025B, Words({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -12}), {1, 6, 7, -12}},
      PAIR_QUERY(hvx, GetPair_3003, int, 0x3003, Words({5, -5}), 5, -5),
      PAIR_QUERY(service, GetHalfPair_02C3, int16_t, 0x02C3, Halves({0xFFFE, 0x0102}), -2, 0x0102),
      PAIR_QUERY(hvx, GetHalfPair_02C8, int16_t, 0x02C8, Halves({7, 0x8000}), 7, -32768),
      TRIPLE_QUERY("GetUserCompensation", hvx, GetUserCompensation, int, 0x0280,
                   Words({1000050, 999990, 1000000, 1000000, 1000000, 1000000}), 50, -10, 0),
      TRIPLE_QUERY("GetCompensation2 with other denominators", production, GetCompensation2, int,
                   0x0282, Words({1000000, 2000000, 500, 1000000, 1000000, 1000}), 0, 1000000,
                   -500000),
      TRIPLE_QUERY("GetTriple_3200", hvx, GetTriple_3200, int, 0x3200, RawBytes({1, 128, 255}),
                   1, 128, 255),
      TRIPLE_QUERY("GetBlock12_020D travels raw", service, GetBlock12_020D, int, 0x020D,
                   RawBytes({4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 9, 0, 0, 0}), 0x01020304, -2, 9),
      {"GetBlock6_020F",
       [](Tables& t) {
         uint8_t block[6] = {};
         const bool ok = t.service.GetBlock6_020F(block);
         return Outcome{ok, {block[0], block[1], block[2], block[3], block[4], block[5]}};
       },
       0x020F, RawBytes({6, 5, 4, 3, 2, 0xFF}), {6, 5, 4, 3, 2, 255}},
      RECORD_QUERY(GetRecord_0327, 0x0327),
      RECORD_QUERY(GetRecord_0FFC, 0x0FFC),
      INDEXED_QUERY(1, 0x346C, -300),
      INDEXED_QUERY(8, 0x3473, 8),
  };
  return cases;
}

class QueryReplyTest : public TableTest {};

TEST_F(QueryReplyTest, EachQueryAsksWithItsNumberAndDecodesTheReplyInBothByteOrders) {
  for (bool bigEndian : {false, true}) {
    for (const QueryCase& c : Cases()) {
      SCOPED_TRACE(std::string(c.name) + (bigEndian ? " big-endian" : " little-endian"));
      machine.writes.clear();
      machine.replies.clear();
      UseBigEndianMachine(bigEndian);
      machine.replies[c.code] = Encode(c.reply, bigEndian);
      const Outcome outcome = c.call(tables);
      EXPECT_TRUE(outcome.ok);
      EXPECT_EQ(outcome.values, c.expected);
      ASSERT_EQ(machine.writes.size(), 1u);
      EXPECT_EQ(machine.writes[0].code, c.code);
      EXPECT_TRUE(machine.writes[0].data.empty());
      EXPECT_EQ(machine.lockDepth, 0);
    }
  }
}

TEST_F(QueryReplyTest, AReplyOneByteShortFails) {
  for (const QueryCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    Bytes reply = Encode(c.reply, false);
    reply.pop_back();
    machine.replies[c.code] = reply;
    EXPECT_FALSE(c.call(tables).ok);
  }
}

TEST_F(QueryReplyTest, AFailedQueryLeavesTheCallersRecordAlone) {
  machine.replies[0x0253] = Encode(Words({1, 2, 3, 4, 5}), false);
  AxisVector position = SampleVector();
  EXPECT_FALSE(tables.hvx.GetCurrentPosition(&position));
  EXPECT_EQ(position.value[0], 203200);
  EXPECT_EQ(position.value[5], 7);

  machine.replies[0x0280] = Encode(Words({1, 2, 3}), false);
  int x = 11, y = 12, z = 13;
  EXPECT_FALSE(tables.hvx.GetUserCompensation(&x, &y, &z));
  EXPECT_EQ(x, 11);
  EXPECT_EQ(z, 13);

  machine.replies[0x3200] = Encode(RawBytes({9, 9}), false);
  int a = -1, b = -1, c = -1;  // except GetTriple_3200, which writes zeros
  EXPECT_FALSE(tables.hvx.GetTriple_3200(&a, &b, &c));
  EXPECT_EQ(std::vector<int>({a, b, c}), std::vector<int>({0, 0, 0}));
}

TEST_F(QueryReplyTest, NumbersOutsideTheirRangeFailWithoutTouchingTheMachine) {
  AxisVector v = SampleVector();
  // Index 16 of the getter would be the setter 0x347B, and -0x3188 would be 0x02E3, which
  // clears every parameter.
  int value = 0;
  for (int index : {-1, 16, -0x3188, 0x10000}) {
    SCOPED_TRACE(index);
    EXPECT_FALSE(tables.hvx.GetIndexedValue_346B(index, &value));
    EXPECT_EQ(tables.hvx.SetIndexedValue_347B(index, 0), 0);
  }
  EXPECT_FALSE(tables.hvx.GetWorkCoordinate(53, &v));
  EXPECT_FALSE(tables.hvx.GetWorkCoordinate(60, &v));
  EXPECT_FALSE(tables.hvx.SetWorkCoordinate(53, &v));
  EXPECT_FALSE(tables.hvx.SetWorkCoordinate(60, &v));
  EXPECT_FALSE(tables.hvx.GetExtWorkCoordinate(0, &v));
  EXPECT_FALSE(tables.hvx.GetExtWorkCoordinate(301, &v));
  EXPECT_FALSE(tables.hvx.SetExtWorkCoordinate(0, &v));
  EXPECT_FALSE(tables.hvx.SetExtWorkCoordinate(301, &v));
  EXPECT_TRUE(machine.writes.empty());
  EXPECT_EQ(machine.statusReads, 0);
}

TEST_F(QueryReplyTest, ABlockWithNowhereToGoFailsWithoutTouchingTheMachine) {
  EXPECT_FALSE(tables.service.GetBlock6_020F(nullptr));
  EXPECT_TRUE(machine.writes.empty());
  EXPECT_EQ(machine.statusReads, 0);
}

TEST_F(QueryReplyTest, IndexedValuesReachTheirOwnSixteenCodes) {
  machine.replies[0x346B] = Encode(Words({-7}), false);
  machine.replies[0x347A] = Encode(Words({9}), false);
  int value = 0;
  ASSERT_TRUE(tables.hvx.GetIndexedValue_346B(0, &value));
  EXPECT_EQ(value, -7);
  ASSERT_TRUE(tables.hvx.GetIndexedValue_346B(15, &value));
  EXPECT_EQ(value, 9);
  EXPECT_EQ(tables.hvx.SetIndexedValue_347B(15, 3), 1);
  EXPECT_EQ(machine.WrittenCodes(), (std::vector<uint16_t>{0x346B, 0x347A, 0x348A}));
}

// The machine may offer more than asked for; only what was asked is read.
TEST_F(QueryReplyTest, ALongerReplyIsReadOnlyAsFarAsAsked) {
  machine.replies[0x3003] = Encode(Words({5, 6, 7}), false);
  int a = 0, b = 0;
  EXPECT_TRUE(tables.hvx.GetPair_3003(&a, &b));
  EXPECT_EQ(a, 5);
  EXPECT_EQ(b, 6);
}

}  // namespace
