// An in-memory registry: subkeys in insertion order, the caller's capacities applied, planned
// failures, and a count of the keys still open.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "registry_reader.h"

class CFakeRegistry : public CRegistryReader {
 public:
  CFakeRegistry();
  ~CFakeRegistry() override;

  void Clear();
  void AddKey(const std::string& path);
  void SetString(const std::string& path, const std::string& valueName, const std::string& value);
  // A value that is not a string (REG_DWORD, say).
  void SetNumber(const std::string& path, const std::string& valueName);
  void FailOpen(const std::string& path);
  void FailEnumAt(const std::string& path, unsigned index);

  int openKeyCount() const { return static_cast<int>(open_.size()); }
  int badCloseCount() const { return badCloses_; }
  const std::set<size_t>& capacitiesSeen() const { return capacities_; }

  RegKey OpenKey(RegKey parent, const std::string& subkey) override;
  RegEnum EnumSubkey(RegKey key, uint32_t index, size_t capacity, std::string& name) override;
  bool QueryString(RegKey key, const std::string& valueName, size_t capacity,
                   std::string& value) override;
  void CloseKey(RegKey key) override;

 private:
  struct Node;
  struct Handle;

  Node* Walk(Node* from, const std::string& path, bool create);
  Node* NodeOf(RegKey key);

  std::unique_ptr<Node> root_;
  std::set<Handle*> open_;
  std::set<size_t> capacities_;
  int badCloses_ = 0;
};
