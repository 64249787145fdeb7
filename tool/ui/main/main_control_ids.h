// Control ids of the main window's machine controls, and the controls of each window that
// follow the connected flag.
#pragma once

#include <array>

namespace main_ids {

// Jog buttons, in the order the continuous-jog rule scans them: +X, -X, +Y, -Y, +Z, -Z, +A, -A.
constexpr int kJogXPlus = 1036;
constexpr int kJogXMinus = 1040;
constexpr int kJogYPlus = 1038;
constexpr int kJogYMinus = 1042;
constexpr int kJogZPlus = 1043;
constexpr int kJogZMinus = 1044;
constexpr int kJogAPlus = 1046;
constexpr int kJogAMinus = 1045;
constexpr int kJogBPlus = 1047;   // hidden, no action
constexpr int kJogBMinus = 1048;  // hidden, no action

constexpr std::array<int, 8> kScannedJogButtons = {kJogXPlus, kJogXMinus, kJogYPlus, kJogYMinus,
                                                   kJogZPlus, kJogZMinus, kJogAPlus, kJogAMinus};

constexpr int kSpindlePlus = 1049;
constexpr int kSpindleMinus = 1050;
constexpr int kSpindleBox = 1131;
constexpr int kSpindleLabel = 1132;
constexpr int kStop = 1093;
constexpr int kDeviceManager = 1006;

// "1 Step", "10 Step", "100 Step", "Low Speed", "High Speed": the order in which a jog looks
// for the checked one.
constexpr std::array<int, 5> kStepRadios = {1125, 1126, 1127, 1128, 1129};

// Status box and sensor fields.
constexpr int kDeviceNameField = 1084;
constexpr int kSerialEdit = 1086;
constexpr int kStatusEdit = 1087;
constexpr int kFirmwareEdit = 1088;
constexpr int kUsbIdEdit = 1005;
constexpr int kXLimitText = 1074;
constexpr int kYLimitText = 1075;
constexpr int kZLimitText = 1076;
constexpr int kCoverText = 1082;

// Position and spindle readouts.
constexpr int kXEdit = 1002;
constexpr int kYEdit = 1003;
constexpr int kZEdit = 1004;
constexpr int kAEdit = 1007;
constexpr int kSpindleSpeedEdit = 1009;
constexpr int kSpindleCurrentEdit = 1069;

// Controls that are usable only while a machine is reachable. "Device Manager", "STOP" and the
// tab control stay usable so that the engineer can always reconnect and always stop.
constexpr std::array<int, 19> kMainWindowMachineControls = {
    kJogXPlus, kJogXMinus, kJogYPlus, kJogYMinus, kJogZPlus, kJogZMinus, kJogAMinus,
    kJogAPlus, kJogBPlus, kJogBMinus, kSpindlePlus, kSpindleMinus, 1125, 1126, 1127, 1128, 1129,
    kSpindleBox, kSpindleLabel};
constexpr std::array<int, 4> kInfoPageMachineControls = {1007, 1008, 1009, 1011};
constexpr std::array<int, 2> kAxisPageMachineControls = {1016, 1013};
constexpr std::array<int, 2> kOutputPageMachineControls = {1013, 1020};
constexpr std::array<int, 1> kSubPageMachineControls = {1103};

}  // namespace main_ids
