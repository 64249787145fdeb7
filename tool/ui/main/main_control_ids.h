// The groups of controls that the main window treats alike: the jog buttons in scanning order,
// the step radios, and the controls of each window that follow the connected flag. The ids
// themselves are named once, in the resource header.
#pragma once

#include <array>

#include "../../resources/resource.h"

namespace main_ids {

// Jog buttons, in the order the continuous-jog rule scans them: +X, -X, +Y, -Y, +Z, -Z, +A, -A.
// The B buttons are hidden and have no action.
constexpr std::array<int, 8> kScannedJogButtons = {
    IDC_MAIN_JOG_X_PLUS, IDC_MAIN_JOG_X_MINUS, IDC_MAIN_JOG_Y_PLUS, IDC_MAIN_JOG_Y_MINUS,
    IDC_MAIN_JOG_Z_PLUS, IDC_MAIN_JOG_Z_MINUS, IDC_MAIN_JOG_A_PLUS, IDC_MAIN_JOG_A_MINUS};

// "1 Step", "10 Step", "100 Step", "Low Speed", "High Speed": the order in which a jog looks
// for the checked one.
constexpr std::array<int, 5> kStepRadios = {IDC_MAIN_STEP_1, IDC_MAIN_STEP_10, IDC_MAIN_STEP_100,
                                            IDC_MAIN_LOW_SPEED, IDC_MAIN_HIGH_SPEED};

// Controls that are usable only while a machine is reachable. "Device Manager", "STOP" and the
// tab control stay usable so that the engineer can always reconnect and always stop.
constexpr std::array<int, 19> kMainWindowMachineControls = {
    IDC_MAIN_JOG_X_PLUS, IDC_MAIN_JOG_X_MINUS, IDC_MAIN_JOG_Y_PLUS,   IDC_MAIN_JOG_Y_MINUS,
    IDC_MAIN_JOG_Z_PLUS, IDC_MAIN_JOG_Z_MINUS, IDC_MAIN_JOG_A_MINUS,  IDC_MAIN_JOG_A_PLUS,
    IDC_MAIN_JOG_B_PLUS, IDC_MAIN_JOG_B_MINUS, IDC_MAIN_SPINDLE_UP,   IDC_MAIN_SPINDLE_DOWN,
    IDC_MAIN_STEP_1,     IDC_MAIN_STEP_10,     IDC_MAIN_STEP_100,     IDC_MAIN_LOW_SPEED,
    IDC_MAIN_HIGH_SPEED, IDC_MAIN_SPINDLE_ON,  IDC_MAIN_SPINDLE_STATE};
constexpr std::array<int, 4> kInfoPageMachineControls = {
    IDC_INFO_REPORT_GET, IDC_INFO_PARAM_GET, IDC_INFO_PARAM_PUT, IDC_INFO_SERIAL_WRITE};
constexpr std::array<int, 2> kAxisPageMachineControls = {IDC_AXIS_LOAD_START,
                                                         IDC_AXIS_AGING_START};
constexpr std::array<int, 2> kOutputPageMachineControls = {IDC_OUTPUT_SEND, IDC_OUTPUT_UPGRADE};
constexpr std::array<int, 1> kSubPageMachineControls = {IDC_SUB_SENSOR_START};

}  // namespace main_ids
