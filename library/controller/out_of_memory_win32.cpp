#include <windows.h>

#include "out_of_memory.h"

void ReportOutOfMemory() { MessageBoxA(nullptr, "Out of memory.", nullptr, MB_OK | MB_ICONHAND); }
