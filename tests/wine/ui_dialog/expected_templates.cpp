#include "expected_templates.h"

#include <windows.h>

#include "resources/resource.h"

namespace {

const char kButton[] = "Button";
const char kEdit[] = "Edit";
const char kStatic[] = "Static";
const char kCombo[] = "ComboBox";

ExpectedControl Shown(int id, const char* text, const char* className) {
  return {id, text, className, true};
}
ExpectedControl Hidden(int id, const char* text, const char* className) {
  return {id, text, className, false};
}

ExpectedTemplate MainWindow() {
  return {IDD_HVX40MEK_DIALOG, "102_main", "HVX40MEK", false,
          {Shown(IDC_MAIN_DEVICE_MANAGER, "Device Manager", kButton),
           Shown(IDC_MAIN_TAB, nullptr, "SysTabControl32"),
           Shown(IDC_MAIN_DEVICE_NAME, "---", kStatic), Shown(IDC_MAIN_SERIAL, "", kEdit),
           Shown(IDC_MAIN_STATUS_LABEL, "Status: unsetup/busy/ready...", kStatic),
           Shown(IDC_MAIN_STATUS, "", kEdit),
           Shown(IDC_MAIN_FIRMWARE_LABEL, "Firmware Ver.", kStatic),
           Shown(IDC_MAIN_FIRMWARE, "", kEdit), Shown(IDC_MAIN_USB_ID_LABEL, "USB ID:", kStatic),
           Shown(IDC_MAIN_USB_ID, "", kEdit),
           Shown(IDC_MAIN_X_LIMIT, "---", kStatic), Shown(IDC_MAIN_Y_LIMIT, "---", kStatic),
           Shown(IDC_MAIN_Z_LIMIT, "---", kStatic), Shown(IDC_MAIN_COVER, "---", kStatic),
           Hidden(IDC_MAIN_A_LIMIT, "---", kStatic), Hidden(IDC_MAIN_ATC_TOP, "---", kStatic),
           Hidden(IDC_MAIN_ATC_BOTTOM, "---", kStatic), Hidden(IDC_MAIN_SENSING, "---", kStatic),
           Hidden(IDC_MAIN_TOOL, "---", kStatic), Hidden(IDC_MAIN_VACUUM, "---", kStatic),
           Shown(IDC_MAIN_POS_X, "", kEdit), Shown(IDC_MAIN_POS_Y, "", kEdit),
           Shown(IDC_MAIN_POS_Z, "", kEdit), Shown(IDC_MAIN_SPINDLE_SPEED, "", kEdit),
           Hidden(IDC_MAIN_POS_A, "", kEdit), Hidden(IDC_MAIN_POS_B, "", kEdit),
           Hidden(IDC_MAIN_SPINDLE_CURRENT, "", kEdit),
           Shown(IDC_MAIN_JOG_X_PLUS, "+X", kButton), Shown(IDC_MAIN_JOG_X_MINUS, "-X", kButton),
           Shown(IDC_MAIN_JOG_Y_PLUS, "+Y", kButton), Shown(IDC_MAIN_JOG_Y_MINUS, "-Y", kButton),
           Shown(IDC_MAIN_JOG_Z_PLUS, "+Z", kButton), Shown(IDC_MAIN_JOG_Z_MINUS, "-Z", kButton),
           Hidden(IDC_MAIN_JOG_A_MINUS, "-A", kButton), Hidden(IDC_MAIN_JOG_A_PLUS, "+A", kButton),
           Hidden(IDC_MAIN_JOG_B_PLUS, "+B", kButton), Hidden(IDC_MAIN_JOG_B_MINUS, "-B", kButton),
           Shown(IDC_MAIN_SPINDLE_LABEL, "Spindle", kStatic),
           Shown(IDC_MAIN_SPINDLE_UP, "+", kButton), Shown(IDC_MAIN_SPINDLE_DOWN, "-", kButton),
           Shown(IDC_MAIN_SPINDLE_ON, "", kButton), Shown(IDC_MAIN_SPINDLE_STATE, "OFF", kStatic),
           Shown(IDC_MAIN_STEP_1, "1 Step", kButton), Shown(IDC_MAIN_STEP_10, "10 Step", kButton),
           Shown(IDC_MAIN_STEP_100, "100 Step", kButton),
           Shown(IDC_MAIN_LOW_SPEED, "Low Speed", kButton),
           Shown(IDC_MAIN_HIGH_SPEED, "High Speed", kButton), Shown(IDC_MAIN_STOP, "STOP", kButton)}};
}

ExpectedTemplate DeviceManager() {
  return {IDD_DEVICE_MANAGER, "129_device_manager", "Device Manager", false,
          {Hidden(IDC_DEVMGR_LIST, nullptr, "SysListView32"),
           Shown(IDC_DEVMGR_REFRESH, "Refresh", kButton),
           Shown(IDC_DEVMGR_CONNECT, "Connect", kButton), Shown(IDC_DEVMGR_OK, "OK", kButton),
           Shown(IDC_DEVMGR_CLOSE, "Close", kButton)}};
}

ExpectedTemplate Calibration() {
  return {IDD_AUTO_CALIB, "130_calibration", "Calibration", false,
          {Shown(IDC_CALIB_OUTPUT_X, "Output", kButton), Shown(IDC_CALIB_X_LENGTH, "", kEdit),
           Shown(IDC_CALIB_OUTPUT_Y, "Output", kButton), Shown(IDC_CALIB_Y_LENGTH, "", kEdit),
           Shown(IDC_CALIB_SET, "Set", kButton), Shown(IDCANCEL, "Close", kButton),
           Hidden(IDOK, "OK", kButton)}};
}

ExpectedTemplate AxisPage() {
  return {IDD_AXIS_PAGE, "131_axis_page", nullptr, true,
          {Shown(IDC_AXIS_AXIS_LIST, nullptr, kCombo), Shown(IDC_AXIS_CURRENT_LIST, nullptr, kCombo),
           Shown(IDC_AXIS_LOAD_START, "Start", kButton),
           Shown(IDC_AXIS_WITH_SPINDLE, "With Spindle On", kButton),
           Shown(IDC_AXIS_AGING_START, "Start", kButton)}};
}

ExpectedTemplate OutputPage() {
  return {IDD_OUTPUT_PAGE, "133_output_page", nullptr, true,
          {Shown(IDC_OUTPUT_DATA_PATH, "", kEdit), Shown(IDC_OUTPUT_BROWSE_DATA, "...", kButton),
           Shown(IDC_OUTPUT_SEND, "Send", kButton), Shown(IDC_OUTPUT_FIRMWARE_PATH, "", kEdit),
           Shown(IDC_OUTPUT_BROWSE_FIRMWARE, "...", kButton),
           Shown(IDC_OUTPUT_UPGRADE, "Upgrade", kButton)}};
}

ExpectedTemplate InfoPage() {
  return {IDD_INFO_PAGE, "134_info_page", nullptr, true,
          {Shown(IDC_INFO_REPORT_GET, "Get", kButton), Shown(IDC_INFO_PARAM_GET, "Get", kButton),
           Shown(IDC_INFO_PARAM_PUT, "Put", kButton), Shown(IDC_INFO_CLEAR_ALL, "Clear All", kButton),
           Shown(IDC_INFO_CLEAR_USER, "Clear User", kButton), Shown(IDC_INFO_SERIAL, "", kEdit),
           Shown(IDC_INFO_SERIAL_WRITE, "Write", kButton)}};
}

ExpectedTemplate Report() {
  return {IDD_REPORT, "136_report", "Report", false,
          {Shown(IDC_REPORT_TEXT, "", kEdit), Shown(IDC_REPORT_SAVE, "Save", kButton),
           Shown(IDOK, "Close", kButton)}};
}

ExpectedTemplate SubPage() {
  return {IDD_SUB_PAGE, "137_sub_page", nullptr, true,
          {Shown(IDC_SUB_SENSOR_START, "Start", kButton), Shown(IDC_SUB_AUTO, "Auto", kButton),
           Shown(IDC_SUB_MANUAL, "Manual", kButton), Shown(IDC_SUB_CALIB_START, "Start", kButton),
           Shown(IDC_SUB_X_PERCENT, "", kEdit), Shown(IDC_SUB_Y_PERCENT, "", kEdit),
           Shown(IDC_SUB_Z_PERCENT, "", kEdit), Shown(IDC_SUB_SET, "Set", kButton)}};
}

ExpectedTemplate Process() {
  return {IDD_PROCESS, "146_process", "Now Processsing", false,
          {Shown(IDC_PROCESS_TEXT, "", kEdit), Shown(IDC_PROCESS_ELAPSED, "", kStatic),
           Shown(IDCANCEL, "Cancel", kButton)}};
}

ExpectedTemplate UpFirm() {
  return {IDD_UP_FIRM, "147_up_firm", "Now Installing...", false,
          {Shown(IDC_UPFIRM_TEXT, "", kEdit), Shown(IDC_UPFIRM_PROGRESS, nullptr, "msctls_progress32"),
           Shown(IDCANCEL, "Cancel", kButton)}};
}

ExpectedTemplate SensorCheck() {
  return {IDD_SENSOR_CHECK, "151_sensor_check", "Senser Check", false,
          {Shown(IDOK, "Start", kButton), Shown(IDCANCEL, "Exit", kButton),
           Shown(IDC_SENSOR_X_LIMIT, "---", kStatic), Shown(IDC_SENSOR_Y_LIMIT, "---", kStatic),
           Shown(IDC_SENSOR_Z_LIMIT, "---", kStatic), Shown(IDC_SENSOR_COVER, "---", kStatic),
           Shown(IDC_SENSOR_REPORT, "", kEdit), Shown(IDC_SENSOR_ELAPSED, "", kStatic),
           Shown(IDC_SENSOR_X_CHECKED, "", kButton), Shown(IDC_SENSOR_Y_CHECKED, "", kButton),
           Shown(IDC_SENSOR_Z_CHECKED, "", kButton), Shown(IDC_SENSOR_COVER_CHECKED, "", kButton),
           Hidden(IDC_SENSOR_A_LIMIT, "---", kStatic), Hidden(IDC_SENSOR_ATC_TOP, "---", kStatic),
           Hidden(IDC_SENSOR_ATC_BOTTOM, "---", kStatic), Hidden(IDC_SENSOR_SENSING, "---", kStatic),
           Hidden(IDC_SENSOR_TOOL, "---", kStatic), Hidden(IDC_SENSOR_VACUUM, "---", kStatic),
           Hidden(IDC_SENSOR_A_CHECKED, "", kButton), Hidden(IDC_SENSOR_ATC_TOP_CHECKED, "", kButton),
           Hidden(IDC_SENSOR_ATC_BOTTOM_CHECKED, "", kButton),
           Hidden(IDC_SENSOR_SENSING_CHECKED, "", kButton),
           Hidden(IDC_SENSOR_TOOL_CHECKED, "", kButton),
           Hidden(IDC_SENSOR_VACUUM_CHECKED, "", kButton)}};
}

ExpectedTemplate LogPanel() {
  return {IDD_LOG, "152_log", nullptr, true, {Shown(IDC_LOG_TEXT, "", kEdit)}};
}

}  // namespace

const std::vector<ExpectedTemplate>& ExpectedTemplates() {
  static const std::vector<ExpectedTemplate> all = {
      MainWindow(), DeviceManager(), Calibration(), AxisPage(),  OutputPage(), InfoPage(),
      Report(),     SubPage(),       Process(),     UpFirm(),    SensorCheck(), LogPanel()};
  return all;
}
