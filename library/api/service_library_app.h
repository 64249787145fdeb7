// The library's start-up object. Loading the library starts the socket layer; a library whose
// socket layer cannot start tells the engineer and refuses to load.
#pragma once

class CSocketLayer {
 public:
  virtual ~CSocketLayer() {}
  virtual bool Start() = 0;
};

class CUserMessage {
 public:
  virtual ~CUserMessage() {}
  virtual void Show(const char* text) = 0;
};

class CServiceLibraryApp {
 public:
  static constexpr const char* kSocketErrorText = "Socket error.";

  // The start-up work at library load; false refuses the load.
  bool InitInstance(CSocketLayer& sockets, CUserMessage& messages);
};
