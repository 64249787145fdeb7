#include "service_library_app.h"

bool CServiceLibraryApp::InitInstance(CSocketLayer& sockets, CUserMessage& messages) {
  if (sockets.Start()) return true;
  messages.Show(kSocketErrorText);
  return false;
}
