#include "sensor_check_start.h"

void StartSensorCheck(CPageMachine& machine, ILogSink& log, const std::function<void()>& runBox) {
  if (!machine.MayStartJob()) return;
  log.AddLog("Sensor Check Starts");
  runBox();
  log.AddLog("Checked Sensor");
}
