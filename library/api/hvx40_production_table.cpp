#include "hvx40_production_table.h"

#include "hvx40_facts.h"
#include "table_forwarding.h"

const char* CHVX40ProductionTable::GetVersion() { return kApiVersion; }

// The list's other rows, by their shapes.
#define HVX_TABLE CHVX40ProductionTable
#define HVX_OP HVX_TABLE_BODY
#include "hvx40_production_ops.def"
#undef HVX_TABLE
