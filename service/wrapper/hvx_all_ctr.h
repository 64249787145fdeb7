// The tool's controller wrapper: writes the device service library out of the tool's resources,
// loads it, binds five of its API tables and forwards every operation to the table it lives in.
// Each table pointer is checked at every call, so a wrapper that is partly bound serves the
// bound tables and answers zero for the others.
#pragma once

#include <string>

#include "../../library/api/hvx40_api.h"
#include "../../library/api/hvx40_facts.h"  // kModelName
#include "hvx_controller.h"
#include "tool_platform.h"

// Why loadController gave up; the value chooses the message the engineer sees.
enum DllInitError { kDllNotFound = 0, kDllFuncMissing = 1, kDllVersionMismatch = 2 };

extern const char* const kLibraryFileName;  // "HVX40CTR.DLL"

class CHVXAllCtr : public CHVXController {
 public:
  // Writes out and loads the library; failures are told by message boxes only.
  explicit CHVXAllCtr(CToolPlatform& platform);
  // An empty wrapper that does not touch the library until extractController is called.
  CHVXAllCtr(CToolPlatform& platform, bool deferLoading);
  // Loads the library installed at that full path (the console program's, beside it) instead of
  // writing one out; the file is the installation's and stays when the wrapper unloads.
  CHVXAllCtr(CToolPlatform& platform, const std::string& installedLibrary);
  ~CHVXAllCtr() override {}

  int extractController();
  int loadController();
  const std::string& LibraryPath() const { return libraryPath_; }
  bool IsLoaded() const { return module_ != nullptr; }
  bool IsBound() const { return AllTablesBound(); }

  // Zero of the result type when the table is not bound, the table's answer otherwise.
  template <class Table, class Result, class... Params, class... Args>
  static Result Forward(Table* table, Result (Table::*op)(Params...), Args... args) {
    if (table == nullptr) return Result();
    return (table->*op)(args...);
  }

  // Every row of the wrapper's list: forwarded to its table's operation, or (Custom) written
  // in hvx_all_ctr.cpp.
#define HVX_WRAP(slot, result, name, params, args, table, operation) \
  HVX_WRAPPER_##table(result, name, params, args, table, operation)
#define HVX_WRAPPER_Custom(result, name, params, args, table, operation) \
  result name params override;
#define HVX_WRAPPER_FORWARD(result, name, params, args, table, operation)                \
  result name params override {                                                          \
    return Forward(HVX_TABLE_##table, &HVX_API_##table::operation HVX_COMMA_ARGS args); \
  }
#define HVX_WRAPPER_Service HVX_WRAPPER_FORWARD
#define HVX_WRAPPER_Control HVX_WRAPPER_FORWARD
#define HVX_WRAPPER_Connect HVX_WRAPPER_FORWARD
#define HVX_WRAPPER_Remote HVX_WRAPPER_FORWARD
#define HVX_WRAPPER_RService HVX_WRAPPER_FORWARD
#define HVX_TABLE_Service service_
#define HVX_TABLE_Control control_
#define HVX_TABLE_Connect connect_
#define HVX_TABLE_Remote remoteControl_
#define HVX_TABLE_RService remoteService_
#define HVX_API_Service CHVX40ServiceAPI
#define HVX_API_Control CHVX40ControlAPI
#define HVX_API_Connect CRemoteConnectAPI
#define HVX_API_Remote CRemoteControlAPI
#define HVX_API_RService CRemoteServiceAPI
#include "hvx_controller_ops.def"
#undef HVX_WRAPPER_Custom
#undef HVX_WRAPPER_FORWARD

 private:
  CHVXAllCtr(const CHVXAllCtr&) = delete;
  CHVXAllCtr& operator=(const CHVXAllCtr&) = delete;

  bool AllTablesBound() const;
  bool ExistingFileMatches(const std::vector<uint8_t>& image);
  template <class Table>
  void Bind(const char* exportName, const char* expectedVersion, Table*& slot);
  void ClearFields();

  CToolPlatform& platform_;
  void* module_ = nullptr;
  std::string libraryPath_;
  bool ownsLibraryFile_ = true;
  CHVX40ServiceAPI* service_ = nullptr;
  CHVX40ControlAPI* control_ = nullptr;
  CRemoteConnectAPI* connect_ = nullptr;
  CRemoteControlAPI* remoteControl_ = nullptr;
  CRemoteServiceAPI* remoteService_ = nullptr;
};
