#include "hvx40_service_table.h"

#include "hvx40_facts.h"
#include "table_forwarding.h"

const char* CHVX40ServiceTable::GetVersion() { return kApiVersion; }

// The list's other rows, by their shapes.
#define HVX_TABLE CHVX40ServiceTable
#define HVX_OP HVX_TABLE_BODY
#include "hvx40_service_ops.def"
#undef HVX_TABLE
