// Tab in the main window: which key chord moves the focus and which turns the pages.
#include <gtest/gtest.h>

#include "keyboard_navigation.h"

namespace {

const int kTab = 0x09;

TEST(KeyboardNavigation, TabMovesTheFocusCtrlTabTurnsPagesAndOtherKeysAreLeftAlone) {
  EXPECT_EQ(TabKeyActionFor(kTab, false, false, false), TabKeyAction::kNextControl);
  EXPECT_EQ(TabKeyActionFor(kTab, false, true, false), TabKeyAction::kPreviousControl);
  EXPECT_EQ(TabKeyActionFor(kTab, true, false, false), TabKeyAction::kNextPage);
  EXPECT_EQ(TabKeyActionFor(kTab, true, true, false), TabKeyAction::kPreviousPage);
  EXPECT_EQ(TabKeyActionFor(kTab, false, false, true), TabKeyAction::kNone) << "Alt+Tab";
  for (int key : {0x0D, 0x1B, int{'X'}, int{'I'}, 0x25}) {
    EXPECT_EQ(TabKeyActionFor(key, true, true, false), TabKeyAction::kNone) << key;
  }
}

TEST(KeyboardNavigation, PagesTurnAroundAtBothEnds) {
  EXPECT_EQ(PageAfter(0, 4, true), 1);
  EXPECT_EQ(PageAfter(3, 4, true), 0);
  EXPECT_EQ(PageAfter(0, 4, false), 3);
  EXPECT_EQ(PageAfter(2, 4, false), 1);
  EXPECT_EQ(PageAfter(-1, 4, true), 0) << "no tab selected";
  EXPECT_EQ(PageAfter(-1, 4, false), 3);
  EXPECT_EQ(PageAfter(0, 0, true), 0);
}

}  // namespace
