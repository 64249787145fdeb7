#include "chord_gate.h"

#include <algorithm>
#include <cctype>

bool ChordsMayJog(const KeyboardScene& scene) {
  return scene.windowInFront && scene.windowEnabled && !scene.textFieldFocused &&
         !scene.longOperation;
}

bool IsTextFieldClass(const std::string& className) {
  std::string name = className;
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name == "edit" || name == "combobox" || name == "listbox" ||
         name.compare(0, 8, "richedit") == 0;
}
