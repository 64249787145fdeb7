// The standard boxes' texts, file filters in system list form, and the dialogs' initial lists.
#include <gtest/gtest.h>

#include <vector>

#include "../../../service/texts/message_texts.h"
#include "ui/dialog/dialog_init.h"
#include "ui/dialog/file_filter.h"

namespace {

TEST(FileErrorBox, NamesTheFileInEveryText) {
  const std::string path = "C:\\Temp\\cutdata.prn";
  EXPECT_EQ("C:\\Temp\\cutdata.prn was not found.", FileErrorText(path, FileFault::kNotFound));
  EXPECT_EQ("Access to C:\\Temp\\cutdata.prn was denied.",
            FileErrorText(path, FileFault::kAccessDenied));
  EXPECT_EQ("A sharing violation occurred while accessing C:\\Temp\\cutdata.prn.",
            FileErrorText(path, FileFault::kSharingViolation));
  EXPECT_EQ("Disk full while accessing C:\\Temp\\cutdata.prn.", FileErrorText(path, FileFault::kDiskFull));
  EXPECT_EQ("An unexpected error occurred while accessing C:\\Temp\\cutdata.prn.",
            FileErrorText(path, FileFault::kGeneric));
}

TEST(FileErrorBox, SystemErrorsMapToTheirFault) {
  const std::vector<std::pair<unsigned, FileFault>> rows = {
      {2, FileFault::kNotFound},          {3, FileFault::kNotFound},  {5, FileFault::kAccessDenied},
      {32, FileFault::kSharingViolation}, {112, FileFault::kDiskFull}, {1117, FileFault::kGeneric}};
  for (const auto& row : rows) EXPECT_EQ(row.second, FileFaultFromSystemError(row.first)) << row.first;
}

TEST(BoxCaption, IsTheProgramNameWithoutFolderOrExtension) {
  EXPECT_EQ("HVX40MEK", BoxCaptionFromProgramPath("C:\\Program Files\\Varnel\\HVX40MEK.exe"));
  EXPECT_EQ("ui_dialog_test", BoxCaptionFromProgramPath("Z:/work/build/bin/ui_dialog_test.exe"));
  EXPECT_EQ("tool", BoxCaptionFromProgramPath("tool"));
}

TEST(FileFilter, BarsBecomeNulsAndTheListEndsWithTwo) {
  const std::string expected("Text file (*.txt)\0*.txt\0all \0*.*\0\0", 34);
  EXPECT_EQ(expected, FilterToSystemList("Text file (*.txt)|*.txt|all |*.*||"));
  EXPECT_EQ(std::string("rfw *.rfw\0*.rfw\0\0", 17), FilterToSystemList("rfw *.rfw|*.rfw||"));
  // A list without its closing bars is still terminated.
  EXPECT_EQ(std::string("all *.*\0*.*\0\0", 13), FilterToSystemList("all *.*|*.*"));
  EXPECT_EQ(std::string("\0\0", 2), FilterToSystemList(""));
}

std::vector<uint8_t> Record(int control, unsigned message, const std::string& text) {
  const uint32_t count = static_cast<uint32_t>(text.size() + 1);
  std::vector<uint8_t> bytes = {uint8_t(control), uint8_t(control >> 8), uint8_t(message),
                                uint8_t(message >> 8), uint8_t(count), 0, 0, 0};
  bytes.insert(bytes.end(), text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(InitialLists, RecordsComeBackInOrderUpToTheEndMark) {
  const auto data = Join({Record(1014, 0x403, "X"), Record(1015, 0x403, "100%"), {0, 0},
                          Record(1016, 0x403, "after the end")});
  const auto entries = ParseDialogInit(data.data(), data.size());
  ASSERT_EQ(2u, entries.size());
  EXPECT_EQ(1014, entries[0].controlId);
  EXPECT_EQ("X", entries[0].text);
  EXPECT_EQ(1015, entries[1].controlId);
  EXPECT_EQ("100%", entries[1].text);
  EXPECT_TRUE(IsComboAddString(entries[1].message));
}

TEST(InitialLists, ATruncatedRecordEndsTheParseWithoutReadingPastTheData) {
  auto data = Join({Record(1014, 0x403, "Y"), Record(1015, 0x403, "50%")});
  data.resize(data.size() - 2);
  const auto entries = ParseDialogInit(data.data(), data.size());
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ("Y", entries[0].text);
  EXPECT_TRUE(ParseDialogInit(data.data(), 5).empty());
}

TEST(InitialLists, OnlyComboAddStringRecordsFillComboBoxes) {
  EXPECT_TRUE(IsComboAddString(0x0143));
  EXPECT_FALSE(IsComboAddString(0x0401));
}

}  // namespace
