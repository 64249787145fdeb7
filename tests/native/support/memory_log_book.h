// The log files kept in memory with an empty stamp, installed as AddLog's book for the life of
// the object: a test reads back what each prefix's current file received.
#pragma once

#include <map>
#include <string>

#include "../../../service/log/log_book.h"
#include "../../../service/log/log_window.h"

class ScratchLogBook : public CFileStore, public CLogClock {
 public:
  ScratchLogBook() { SetLogBook(&book_); }
  ~ScratchLogBook() override { SetLogBook(nullptr); }

  // What the current file of the prefix holds.
  std::string FileText(const std::string& prefix) { return files_[LogFileName("L", prefix, 0)]; }

  bool LocalNow(std::tm&) override { return false; }
  bool TempFolder(std::string&) override { return false; }
  bool Exists(const std::string& path) override { return files_.count(path) != 0; }
  FileFault ReadAll(const std::string&, std::vector<uint8_t>&) override { return FileFault::kGeneric; }
  FileFault WriteAll(const std::string&, const void*, size_t) override { return FileFault::kGeneric; }
  FileFault Remove(const std::string&) override { return FileFault::kGeneric; }
  FileFault Append(const std::string& path, const std::string& text) override {
    files_[path] += text;
    return FileFault::kNone;
  }
  int64_t Size(const std::string& path) override { return static_cast<int64_t>(files_[path].size()); }
  FileFault Rename(const std::string&, const std::string&) override { return FileFault::kGeneric; }

 private:
  std::map<std::string, std::string> files_;
  CLogBook book_{*this, *this, [](std::string& folder) {
                   folder = "L";
                   return true;
                 }};
};
