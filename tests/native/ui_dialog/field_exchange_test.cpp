// Dialog fields with validation: what is stored, the refusal texts, and that one refusal stops.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "ui/dialog/field_exchange.h"

namespace {

class FakeFields : public CFieldAccess {
 public:
  std::map<int, std::string> text;
  std::vector<int> read;
  std::vector<std::pair<int, std::string>> refusals;

  std::string ReadField(int id) override {
    read.push_back(id);
    return text[id];
  }
  void WriteField(int id, const std::string& value) override { text[id] = value; }
  void RefuseField(int id, const std::string& message) override { refusals.push_back({id, message}); }
};

const char kRange[] = "Please enter a number between 99.5 and 100.5.";

TEST(FieldTransfer, SavingStoresNumbersInsideTheRangeBoundsIncludedAndTextAsTyped) {
  FakeFields fields;
  fields.text = {{1005, "99.5"}, {1006, "100.5"}, {1007, " 100.1 "}, {1002, " 12 34 "}};
  double x = 0, y = 0, z = 0;
  std::string serial;
  CFieldExchange fx(fields, true);
  fx.Number(1005, x, 99.5, 100.5);
  fx.Number(1006, y, 99.5, 100.5);
  fx.Number(1007, z, 99.5, 100.5);
  fx.Text(1002, serial);
  EXPECT_FALSE(fx.Failed());
  EXPECT_TRUE(fields.refusals.empty());
  EXPECT_DOUBLE_EQ(99.5, x);
  EXPECT_DOUBLE_EQ(100.5, y);
  EXPECT_DOUBLE_EQ(100.1, z);
  EXPECT_EQ(" 12 34 ", serial);
}

TEST(FieldTransfer, OutOfRangeIsHeldAndANonNumberKeptEachWithItsText) {
  struct Row { const char* typed; double kept; const char* message; };
  for (const Row& row : {Row{"99.4", 99.4, kRange}, Row{"abc", 100.2, "Please enter a number."}}) {
    FakeFields fields;
    fields.text = {{1002, row.typed}};
    double value = 100.2;
    CFieldExchange fx(fields, true);
    fx.Number(1002, value, 99.5, 100.5);
    EXPECT_TRUE(fx.Failed());
    EXPECT_DOUBLE_EQ(row.kept, value);
    ASSERT_EQ(1u, fields.refusals.size());
    EXPECT_EQ(1002, fields.refusals[0].first);
    EXPECT_EQ(row.message, fields.refusals[0].second);
  }
}

TEST(FieldTransfer, TheFirstRefusalStopsTheTransfer) {
  FakeFields fields;
  fields.text = {{1005, "101"}, {1006, "xyz"}, {1, "serial"}};
  double x = 0, y = 100;
  std::string serial = "old";
  CFieldExchange fx(fields, true);
  fx.Number(1005, x, 99.5, 100.5);
  fx.Number(1006, y, 99.5, 100.5);
  fx.Text(1, serial);
  EXPECT_EQ(std::vector<int>{1005}, fields.read);
  ASSERT_EQ(1u, fields.refusals.size());
  EXPECT_EQ(1005, fields.refusals[0].first);
  EXPECT_DOUBLE_EQ(100, y);
  EXPECT_EQ("old", serial);
}

TEST(FieldTransfer, AnUnboundedNumberRefusesOnlyNonNumbers) {
  FakeFields fields;
  fields.text = {{7, "-12345.5"}, {8, ""}};
  double a = 0, b = 3;
  CFieldExchange fx(fields, true);
  fx.Number(7, a);
  EXPECT_FALSE(fx.Failed());
  EXPECT_DOUBLE_EQ(-12345.5, a);
  fx.Number(8, b);
  EXPECT_TRUE(fx.Failed());
  EXPECT_DOUBLE_EQ(3, b);
  ASSERT_EQ(1u, fields.refusals.size());
  EXPECT_EQ("Please enter a number.", fields.refusals[0].second);
}

TEST(FieldTransfer, ShowingWritesFormattedNumbersAndTextWithoutValidation) {
  FakeFields fields;
  double x = 100.0, y = 99.80, out = 250;
  std::string serial = "AB12345";
  CFieldExchange fx(fields, false);
  fx.Number(1005, x, 99.5, 100.5);
  fx.Number(1006, y, 99.5, 100.5);
  fx.Number(1007, out, 99.5, 100.5);
  fx.Text(1002, serial);
  EXPECT_FALSE(fx.Failed());
  EXPECT_TRUE(fields.refusals.empty());
  EXPECT_EQ("100", fields.text[1005]);
  EXPECT_EQ("99.8", fields.text[1006]);
  EXPECT_EQ("250", fields.text[1007]);
  EXPECT_EQ("AB12345", fields.text[1002]);
}

}  // namespace
