// The bodies that the shapes of the operation lists (table_rows.h) give a table class holding
// the controller as controller_. A table's .cpp defines HVX_TABLE as its class and includes its
// list with HVX_OP defined as HVX_TABLE_BODY; Custom rows it writes by hand.
#pragma once

#include "../controller/machine_commands.h"
#include "api_results.h"
#include "block_out.h"
#include "table_rows.h"
#include "text_out.h"

#define HVX_TABLE_BODY(slot, result, name, params, args, shape) \
  HVX_BODY_##shape(HVX_TABLE, result, name, params, args)

#define HVX_BODY_Forward(Table, result, name, params, args) \
  result Table::name params { return machine::name(*controller_ HVX_COMMA_ARGS args); }
#define HVX_BODY_OneZero(Table, result, name, params, args) \
  result Table::name params {                               \
    return api::OneZero(machine::name(*controller_ HVX_COMMA_ARGS args)); \
  }
#define HVX_BODY_TextOut(Table, result, name, params, args) \
  result Table::name params {                               \
    return api::TextOut(*controller_, machine::name HVX_COMMA_ARGS args); \
  }
#define HVX_BODY_BlockOut(Table, result, name, params, args) \
  result Table::name params {                                \
    return api::ReadBlockOut(*controller_, machine::name HVX_COMMA_ARGS args); \
  }
#define HVX_BODY_StatusOut(Table, result, name, params, args) \
  result Table::name params { return api::StatusOut(*controller_ HVX_COMMA_ARGS args); }
#define HVX_BODY_Custom(Table, result, name, params, args)
