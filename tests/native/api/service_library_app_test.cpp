// The library's start-up: a socket layer that will not start stops the load with a message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "service_library_app.h"

namespace {

class CFakeSockets : public CSocketLayer {
 public:
  bool Start() override {
    ++starts;
    return startResult;
  }
  bool startResult = true;
  int starts = 0;
};

class CFakeMessages : public CUserMessage {
 public:
  void Show(const char* text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

TEST(ServiceLibraryAppTest, StartsTheSocketLayerOrRefusesTheLoadWithSocketError) {
  for (bool starts : {true, false}) {
    CServiceLibraryApp app;
    CFakeSockets sockets;
    sockets.startResult = starts;
    CFakeMessages messages;
    EXPECT_EQ(starts, app.InitInstance(sockets, messages));
    EXPECT_EQ(sockets.starts, 1);
    EXPECT_EQ(messages.shown, starts ? std::vector<std::string>{}
                                     : std::vector<std::string>{"Socket error."});
  }
}

}  // namespace
