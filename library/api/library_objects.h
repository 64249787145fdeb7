// The library's one controller; every API table reaches the machine through it.
#pragma once

class CMachineController;

CMachineController& LibraryController();
