#include "manual_compensation.h"

#include "../common/compensation_percent.h"

CalibrationModeView CManualCompensation::ApplyMode(bool isAuto) {
  if (!isAuto && ReadFromMachine()) log_.AddLog("Get user compensation");
  return CalibrationModeView{isAuto, !isAuto};
}

bool CManualCompensation::ReadFromMachine() {
  int x = 0, y = 0, z = 0;
  if (!machine_.GetUserCompensation(x, y, z)) return false;
  percents_.x = PercentFromPpm(x);
  percents_.y = PercentFromPpm(y);
  percents_.z = PercentFromPpm(z);
  return true;
}

bool CManualCompensation::Set(const CompensationPercents& entered, bool entryAccepted) {
  percents_ = entered;
  if (!entryAccepted) return false;
  if (!machine_.SetUserCompensation(PpmFromPercent(entered.x), PpmFromPercent(entered.y),
                                    PpmFromPercent(entered.z)))
    return false;
  log_.AddLog("Set user compensation");
  return true;
}
