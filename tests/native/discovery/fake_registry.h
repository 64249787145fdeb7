// An in-memory registry below HKEY_LOCAL_MACHINE that keeps subkeys in the order they were
// added, applies the caller's buffer capacities as the real one does, can be told to fail at a
// chosen key, and counts the keys still open.
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

  // Forgets every key and every planned failure.
  void Clear();
  // Creates the key at path (and its parents) if it does not exist yet.
  void AddKey(const std::string& path);
  void SetString(const std::string& path, const std::string& valueName, const std::string& value);
  // A value that is not a string (REG_DWORD, say).
  void SetNumber(const std::string& path, const std::string& valueName);
  // Opening the key at path fails from now on.
  void FailOpen(const std::string& path);
  // Enumerating the subkeys of path fails at index.
  void FailEnumAt(const std::string& path, unsigned index);

  int openKeyCount() const { return static_cast<int>(open_.size()); }
  int badCloseCount() const { return badCloses_; }
  // Every capacity the caller offered, for names and values.
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
