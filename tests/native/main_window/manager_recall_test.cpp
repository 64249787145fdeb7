// When the main window brings up the device manager by itself: once per loss of the wrapper,
// never from inside its own Device Manager action, and again after the engineer reconnected.
#include <gtest/gtest.h>

#include "manager_recall.h"

namespace {

const bool kWrapper = true;
const bool kNoWrapper = false;
const bool kByEngineer = true;
const bool kAutomatic = false;

TEST(ManagerRecall, OpensOncePerLossNeverFromInsideItsOwnAction) {
  CManagerRecall recall;
  EXPECT_FALSE(recall.ShouldOpen(kWrapper));
  ASSERT_TRUE(recall.ShouldOpen(kNoWrapper));
  recall.ActionStarted(kAutomatic);
  EXPECT_FALSE(recall.ShouldOpen(kNoWrapper)) << "the action's own status refresh would recurse";
  recall.ActionEnded(kNoWrapper);
  EXPECT_FALSE(recall.ShouldOpen(kNoWrapper)) << "an automatic opening is not repeated every tick";
}

TEST(ManagerRecall, TheEngineersOwnOpeningOrANewWrapperArmsItAgain) {
  CManagerRecall afterEngineer;
  afterEngineer.ActionStarted(kAutomatic);
  afterEngineer.ActionEnded(kNoWrapper);
  afterEngineer.ActionStarted(kByEngineer);
  afterEngineer.ActionEnded(kNoWrapper);
  EXPECT_TRUE(afterEngineer.ShouldOpen(kNoWrapper))
      << "the engineer's own closing without a wrapper must not silence the next loss";

  CManagerRecall afterReconnect;
  afterReconnect.ActionStarted(kAutomatic);
  afterReconnect.ActionEnded(kNoWrapper);
  EXPECT_FALSE(afterReconnect.ShouldOpen(kWrapper));
  EXPECT_TRUE(afterReconnect.ShouldOpen(kNoWrapper)) << "a wrapper that came and went again";
}

}  // namespace
