// When the jog key chords may move the machine. The keyboard state is global, so without this
// gate X with I typed into a serial number, a path or another program would jog the machine.
#pragma once

#include <string>

// What the window knows about the keyboard's whereabouts at a tick.
struct KeyboardScene {
  bool windowInFront;     // the main window itself is the foreground window
  bool windowEnabled;     // no box of the tool has disabled it
  bool textFieldFocused;  // the keyboard focus is in a field that takes typed letters
  bool longOperation;     // a long operation is pumping the messages
};

bool ChordsMayJog(const KeyboardScene& scene);

// Whether a control of this window class takes typed letters: edit fields, combo boxes and list
// boxes (which jump to the entry a letter starts), rich edits. The class name is compared
// without regard to case, as Windows does.
bool IsTextFieldClass(const std::string& className);
