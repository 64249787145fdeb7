// The library's entry point: the start-up object's work at load, on the system's socket layer
// and message box.
#include <winsock2.h>
#include <windows.h>

#include "service_library_app.h"

namespace {

class CWinsockLayer : public CSocketLayer {
 public:
  bool Start() override {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    return started_;
  }
  // Balances the start when the library is unloaded while the process goes on; at process
  // exit the system tears the layer down itself.
  void StopOnUnload() {
    if (started_) WSACleanup();
    started_ = false;
  }

 private:
  bool started_ = false;
};

class CMessageBoxMessage : public CUserMessage {
 public:
  void Show(const char* text) override {
    MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
  }
};

CServiceLibraryApp g_app;
CWinsockLayer g_sockets;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    CMessageBoxMessage messages;
    return g_app.InitInstance(g_sockets, messages) ? TRUE : FALSE;
  }
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) g_sockets.StopOnUnload();
  return TRUE;
}
