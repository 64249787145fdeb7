// Keeping the window alive while a long operation runs inside a handler.
#pragma once

class CDialog;

// Dispatches every window message that is waiting, letting box (a modeless dialog) see each one
// first: its key filter, then its keyboard navigation, then our other dialogs on the way up.
// Stops when the box's window is gone. A quit request is put back for the outer loop.
void PumpMessages(CDialog& box);

// True while a long operation pumps the messages, that is for whatever those messages run.
bool InsideLongOperation();
