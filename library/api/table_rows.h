// The operation lists of the API tables (*_ops.def), one row per operation in slot order:
//
//   HVX_OP(slot, result, name, (params), (args), shape)
//
//   slot            the operation's place in its table, checked against the row's place in the
//                   list (api_slots.h): a moved row or a mistyped slot stops the build
//   result, name,   the operation's declaration; args names its parameters again, to pass them
//   (params)        on; () when it takes none
//   shape           how the library's table answers it (table_forwarding.h):
//     Forward       the catalogue's command of the same name: machine::name(controller, args)
//     OneZero       the same, its truth value as 1/0
//     TextOut       a text of the catalogue's, handed out by the StringOut convention
//     BlockOut      a report or area of the catalogue's, handed out by the block-out convention
//     StatusOut     both status words
//     Custom        written by hand in the table's .cpp
//
// Whoever includes a list defines HVX_OP first, usually as one of the macros below; the list
// undefines it at its end. A table has no overloads: some compilers group overloaded virtuals
// in the vtable, and the slot enumeration would hold the name twice.
#pragma once

// ", a, b" for the row arguments (a, b), nothing for (): a row's arguments after a first one.
#define HVX_COMMA_ARGS(...) __VA_OPT__(, ) __VA_ARGS__

// The slot of an abstract table, and its override in a class that implements or fakes it.
#define HVX_PURE_VIRTUAL(slot, result, name, params, args, shape) virtual result name params = 0;
#define HVX_OVERRIDE(slot, result, name, params, args, shape) result name params override;

// The slot checks: one enumerator per row in the list's order, then each row's slot against it.
#define HVX_SLOT_ENUMERATOR(slot, result, name, ...) name,
#define HVX_SLOT_CHECK(slot, result, name, ...) \
  static_assert(name == (slot), #name " is listed out of its slot " #slot);
