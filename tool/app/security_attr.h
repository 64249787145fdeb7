// Security attributes that give the group of all users full access, inherited by every file and
// folder created inside, so that a data folder and the log files one engineer's account created
// stay writable for every other account of the computer.
#pragma once

#include <windows.h>

class CSecurityAttr {
 public:
  CSecurityAttr() = default;
  ~CSecurityAttr();
  CSecurityAttr(const CSecurityAttr&) = delete;
  CSecurityAttr& operator=(const CSecurityAttr&) = delete;

  // Gives out the record, or null and 0 when it cannot be built whole (its entry included).
  int Build(SECURITY_ATTRIBUTES** attributes);

 private:
  void FreeParts();

  bool valid_ = false;
  SECURITY_ATTRIBUTES attributes_{};
  PSID sid_ = nullptr;
  PACL acl_ = nullptr;
  PSECURITY_DESCRIPTOR descriptor_ = nullptr;
};
