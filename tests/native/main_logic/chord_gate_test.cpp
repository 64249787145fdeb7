// Key chords jog only while the engineer is at the main window itself: typed into a text field,
// another program, a box or during a long operation they must move nothing.
#include <gtest/gtest.h>

#include "chord_gate.h"

TEST(ChordGateTest, OnlyTheMainWindowInFrontWithoutTextFocusBoxOrLongOperationJogs) {
  EXPECT_TRUE(ChordsMayJog({true, true, false, false}));
  EXPECT_FALSE(ChordsMayJog({false, true, false, false})) << "another program in front";
  EXPECT_FALSE(ChordsMayJog({true, false, false, false})) << "a box of the tool has disabled it";
  EXPECT_FALSE(ChordsMayJog({true, true, true, false})) << "typing into a field";
  EXPECT_FALSE(ChordsMayJog({true, true, false, true})) << "a long operation runs";
}

TEST(ChordGateTest, FieldsThatTakeLettersAreKnownByTheirClassInAnyCase) {
  for (const char* name : {"Edit", "EDIT", "ComboBox", "ListBox", "RichEdit20A", "RICHEDIT50W"})
    EXPECT_TRUE(IsTextFieldClass(name)) << name;
  for (const char* name : {"Button", "#32770", "SysTabControl32", "Static", "", "Edi"})
    EXPECT_FALSE(IsTextFieldClass(name)) << name;
}
