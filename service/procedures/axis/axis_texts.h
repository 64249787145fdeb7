// The Axis page's fixed texts, as the engineer sees them.
#pragma once

extern const char kLoadCheckQuestion[];
extern const char kAgeingQuestion[];
extern const char kSelectAxisText[];           // "Select Axis from the list."
extern const char kSelectCurrentAndAxisText[];  // "Select current and axis from the lists."
extern const char kStopHintText[];             // shown in the progress box
extern const char kLoadSuccessText[];          // "Success to load."
extern const char kLoadFailureText[];
