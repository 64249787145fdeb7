// What each dialog template of the tool must carry: caption, controls with their texts and
// window classes, and which controls start hidden.
#pragma once

#include <vector>

struct ExpectedControl {
  int id;
  const char* text;       // null: the text is not checked (edits, lists)
  const char* className;  // null: any class
  bool visible;
};

struct ExpectedTemplate {
  int id;
  const char* name;       // screenshot file name
  const char* caption;    // null for the child pages
  bool child;
  std::vector<ExpectedControl> controls;
};

const std::vector<ExpectedTemplate>& ExpectedTemplates();
