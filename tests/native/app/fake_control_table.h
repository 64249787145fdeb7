// The recording fake of the machine-specific control table; included by fake_tables.h.
#pragma once

#include <fstream>
#include <iterator>

std::string HostPath(const std::string& winPath);

class FakeControl : public RecordingControl {
 public:
  std::string version = "V100";
  bool outputResult = true;
  std::string sentPath;
  std::string sentJob;
  std::vector<uint8_t> sentBytes;  // the file's content at the moment it was handed over
  const char* GetVersion() override { return version.c_str(); }
  bool OutputFile(const char* const* path, const char* job) override {
    Hit<bool>("Control.OutputFile", path, job);
    sentPath = *path;
    sentJob = job ? job : "";
    std::ifstream in(HostPath(sentPath), std::ios::binary);
    sentBytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return outputResult;
  }
};
