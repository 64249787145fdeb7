// The one message the library itself shows: memory ran out while a command was being prepared.
#pragma once

void ReportOutOfMemory();
