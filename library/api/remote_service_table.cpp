#include "remote_service_table.h"

#include "hvx40_facts.h"
#include "table_forwarding.h"

const char* CRemoteServiceTable::GetVersion() { return kRemoteServiceApiVersion; }

// The list's other rows, by their shapes.
#define HVX_TABLE CRemoteServiceTable
#define HVX_OP HVX_TABLE_BODY
#include "remote_service_ops.def"
#undef HVX_TABLE
