// Resource identifiers of the service tool. Control ids are reused across dialogs (1002 is the X
// position in the main window and the serial field on the Info page), so every control carries a
// name per dialog: IDC_<DIALOG>_<CONTROL>. The numbers are fixed; the names are ours.
#pragma once

// Icon, strings and embedded data.
#define IDR_MAINFRAME 128           // application icon
#define IDS_MODEL_NAME 110          // "HVX-40"
#define IDS_DATA_FOLDER_FORMAT 111  // "Mek for %s"
#define IDS_REPORT_FAILED 112       // "Failed to get system report"
#define IDS_SERIAL_LENGTH 113       // "Serial Number should be 7 letters"
#define IDR_SERVICE_LIBRARY 130     // type "DLL": the device service library image
#define IDR_CUTDATA_X 131           // type "CutData": test cut along X
#define IDR_CUTDATA_Y 132           // type "CutData": test cut along Y
#define RT_DIALOG_INIT 240          // initial combo box lists, one block per dialog

// Dialog templates.
#define IDD_HVX40MEK_DIALOG 102
#define IDD_DEVICE_MANAGER 129
#define IDD_AUTO_CALIB 130
#define IDD_AXIS_PAGE 131
#define IDD_OUTPUT_PAGE 133
#define IDD_INFO_PAGE 134
#define IDD_REPORT 136
#define IDD_SUB_PAGE 137
#define IDD_PROCESS 146
#define IDD_UP_FIRM 147
#define IDD_SENSOR_CHECK 151
#define IDD_LOG 152

// Main window (102).
#define IDC_MAIN_TAB 1001
#define IDC_MAIN_POS_X 1002
#define IDC_MAIN_POS_Y 1003
#define IDC_MAIN_POS_Z 1004
#define IDC_MAIN_USB_ID 1005
#define IDC_MAIN_DEVICE_MANAGER 1006
#define IDC_MAIN_POS_A 1007
#define IDC_MAIN_POS_B 1008
#define IDC_MAIN_SPINDLE_SPEED 1009
#define IDC_MAIN_JOG_X_PLUS 1036
#define IDC_MAIN_JOG_Y_PLUS 1038
#define IDC_MAIN_JOG_X_MINUS 1040
#define IDC_MAIN_JOG_Y_MINUS 1042
#define IDC_MAIN_JOG_Z_PLUS 1043
#define IDC_MAIN_JOG_Z_MINUS 1044
#define IDC_MAIN_JOG_A_MINUS 1045
#define IDC_MAIN_JOG_A_PLUS 1046
#define IDC_MAIN_JOG_B_PLUS 1047
#define IDC_MAIN_JOG_B_MINUS 1048
#define IDC_MAIN_SPINDLE_UP 1049
#define IDC_MAIN_SPINDLE_DOWN 1050
#define IDC_MAIN_SPINDLE_CURRENT 1069
#define IDC_MAIN_STATUS_LABEL 1071
#define IDC_MAIN_X_LIMIT 1074
#define IDC_MAIN_Y_LIMIT 1075
#define IDC_MAIN_Z_LIMIT 1076
#define IDC_MAIN_A_LIMIT 1077
#define IDC_MAIN_VACUUM 1078
#define IDC_MAIN_ATC_TOP 1079
#define IDC_MAIN_ATC_BOTTOM 1080
#define IDC_MAIN_TOOL 1081
#define IDC_MAIN_COVER 1082
#define IDC_MAIN_DEVICE_NAME 1084
#define IDC_MAIN_FIRMWARE_LABEL 1085
#define IDC_MAIN_SERIAL 1086
#define IDC_MAIN_STATUS 1087
#define IDC_MAIN_FIRMWARE 1088
#define IDC_MAIN_SENSING 1089
#define IDC_MAIN_USB_ID_LABEL 1090
#define IDC_MAIN_STOP 1093
#define IDC_MAIN_STEP_1 1125
#define IDC_MAIN_STEP_10 1126
#define IDC_MAIN_STEP_100 1127
#define IDC_MAIN_LOW_SPEED 1128
#define IDC_MAIN_HIGH_SPEED 1129
#define IDC_MAIN_SPINDLE_LABEL 1130
#define IDC_MAIN_SPINDLE_ON 1131
#define IDC_MAIN_SPINDLE_STATE 1132

// Device manager (129). The template's list is created hidden; the dialog builds its own list
// with the same id at run time.
#define IDC_DEVMGR_OK 1013
#define IDC_DEVMGR_REFRESH 1030
#define IDC_DEVMGR_CONNECT 1058
#define IDC_DEVMGR_LIST 1059
#define IDC_DEVMGR_CLOSE 1093

// Calibration box (130).
#define IDC_CALIB_X_LENGTH 1005
#define IDC_CALIB_Y_LENGTH 1006
#define IDC_CALIB_SET 1009
#define IDC_CALIB_OUTPUT_X 1093
#define IDC_CALIB_OUTPUT_Y 1103

// Axis page (131).
#define IDC_AXIS_AGING_START 1013
#define IDC_AXIS_AXIS_LIST 1014
#define IDC_AXIS_CURRENT_LIST 1015
#define IDC_AXIS_LOAD_START 1016
#define IDC_AXIS_WITH_SPINDLE 1131

// Output page (133).
#define IDC_OUTPUT_DATA_PATH 1002
#define IDC_OUTPUT_FIRMWARE_PATH 1003
#define IDC_OUTPUT_SEND 1013
#define IDC_OUTPUT_UPGRADE 1020
#define IDC_OUTPUT_BROWSE_DATA 1021
#define IDC_OUTPUT_BROWSE_FIRMWARE 1022

// Info page (134).
#define IDC_INFO_SERIAL 1002
#define IDC_INFO_REPORT_GET 1007
#define IDC_INFO_PARAM_GET 1008
#define IDC_INFO_PARAM_PUT 1009
#define IDC_INFO_SERIAL_WRITE 1011
#define IDC_INFO_CLEAR_ALL 1093
#define IDC_INFO_CLEAR_USER 1103

// Report viewer (136).
#define IDC_REPORT_TEXT 1069
#define IDC_REPORT_SAVE 1070

// Sub page (137).
#define IDC_SUB_AUTO 1001
#define IDC_SUB_X_PERCENT 1002
#define IDC_SUB_Y_PERCENT 1003
#define IDC_SUB_Z_PERCENT 1004
#define IDC_SUB_CALIB_START 1093
#define IDC_SUB_SENSOR_START 1103
#define IDC_SUB_SET 1133
#define IDC_SUB_MANUAL 1135

// Progress box (146).
#define IDC_PROCESS_TEXT 1107
#define IDC_PROCESS_ELAPSED 1141

// Firmware installation box (147).
#define IDC_UPFIRM_TEXT 1108
#define IDC_UPFIRM_PROGRESS 1109

// Sensor check box (151). Start and Exit are the standard ids 1 and 2.
#define IDC_SENSOR_REPORT 1002
#define IDC_SENSOR_X_LIMIT 1074
#define IDC_SENSOR_Y_LIMIT 1075
#define IDC_SENSOR_Z_LIMIT 1076
#define IDC_SENSOR_A_LIMIT 1077
#define IDC_SENSOR_VACUUM 1078
#define IDC_SENSOR_ATC_TOP 1079
#define IDC_SENSOR_ATC_BOTTOM 1080
#define IDC_SENSOR_TOOL 1081
#define IDC_SENSOR_COVER 1082
#define IDC_SENSOR_SENSING 1089
#define IDC_SENSOR_X_CHECKED 1131
#define IDC_SENSOR_Y_CHECKED 1132
#define IDC_SENSOR_Z_CHECKED 1133
#define IDC_SENSOR_A_CHECKED 1134
#define IDC_SENSOR_ATC_TOP_CHECKED 1135
#define IDC_SENSOR_ATC_BOTTOM_CHECKED 1136
#define IDC_SENSOR_SENSING_CHECKED 1137
#define IDC_SENSOR_TOOL_CHECKED 1138
#define IDC_SENSOR_COVER_CHECKED 1139
#define IDC_SENSOR_VACUUM_CHECKED 1140
#define IDC_SENSOR_ELAPSED 1142

// Log panel (152).
#define IDC_LOG_TEXT 1124

// Static texts that no code addresses.
#define IDC_STATIC -1
