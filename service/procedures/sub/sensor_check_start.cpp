#include "sensor_check_start.h"

void StartSensorCheck(CPageMachine& machine, ILogSink& log,
                      const std::function<std::string()>& runBox) {
  if (!machine.MayStartJob()) return;
  log.AddLog("Sensor Check Starts");
  const std::string outcome = runBox();
  log.AddLog("Checked Sensor");
  log.AddLog(outcome);
}
