#include "manager_recall.h"

bool CManagerRecall::ShouldOpen(bool wrapperExists) {
  if (wrapperExists) {
    // A wrapper came back (the engineer reconnected): a later loss may open the manager again.
    gaveUp_ = false;
    return false;
  }
  return !inAction_ && !gaveUp_;
}

void CManagerRecall::ActionStarted(bool byEngineer) {
  inAction_ = true;
  automatic_ = !byEngineer;
  if (byEngineer) gaveUp_ = false;
}

void CManagerRecall::ActionEnded(bool wrapperExists) {
  inAction_ = false;
  if (automatic_ && !wrapperExists) gaveUp_ = true;
  automatic_ = false;
}
