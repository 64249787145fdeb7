#include "axis_texts.h"

const char kLoadCheckQuestion[] =
    "Remove the following parts.\n1) tool installed in spindle\n2) Any piece of cutting "
    "material\n*If those parts are not removed, spindle may hit the parts*";
const char kAgeingQuestion[] =
    "Remve the following parts.\n1) tool installed in spindle\n2) Cramp installed in Mouting "
    "part\n3) Tools set on Stocker\n*If those parts are not removed, spindle may hit the parts*";
const char kSelectAxisText[] = "Select Axis from the list.";
const char kSelectCurrentAndAxisText[] = "Select current and axis from the lists.";
const char kStopHintText[] = "When you want to stop, please click the cancel button.";
const char kLoadSuccessText[] = "Success to load.";
const char kLoadFailureText[] = "Failed to load.\r\nPush the operation button to restore.";
