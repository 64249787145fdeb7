#include "fake_registry.h"

#include <sstream>

#include "discovery_text.h"

struct CFakeRegistry::Node {
  std::string name;
  std::map<std::string, std::string> strings;  // by upper-case value name
  std::set<std::string> numbers;
  std::vector<std::unique_ptr<Node>> children;
  bool failOpen = false;
  long failEnumIndex = -1;
};

struct CFakeRegistry::Handle {
  Node* node;
};

namespace {
std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::stringstream stream(path);
  std::string part;
  while (std::getline(stream, part, '\\')) parts.push_back(part);
  return parts;
}
}  // namespace

CFakeRegistry::CFakeRegistry() : root_(new Node) {}

CFakeRegistry::~CFakeRegistry() {
  for (Handle* handle : open_) delete handle;
}

CFakeRegistry::Node* CFakeRegistry::Walk(Node* from, const std::string& path, bool create) {
  Node* node = from;
  for (const std::string& part : SplitPath(path)) {
    Node* next = nullptr;
    for (auto& child : node->children) {
      if (discovery_text::EqualsIgnoringCase(child->name, part)) next = child.get();
    }
    if (next == nullptr) {
      if (!create) return nullptr;
      node->children.emplace_back(new Node);
      next = node->children.back().get();
      next->name = part;
    }
    node = next;
  }
  return node;
}

CFakeRegistry::Node* CFakeRegistry::NodeOf(RegKey key) {
  if (key == nullptr) return root_.get();
  Handle* handle = static_cast<Handle*>(key);
  return open_.count(handle) ? handle->node : nullptr;
}

void CFakeRegistry::Clear() { root_.reset(new Node); }

void CFakeRegistry::AddKey(const std::string& path) { Walk(root_.get(), path, true); }

void CFakeRegistry::SetString(const std::string& path, const std::string& valueName,
                              const std::string& value) {
  Walk(root_.get(), path, true)->strings[discovery_text::ToUpper(valueName)] = value;
}

void CFakeRegistry::SetNumber(const std::string& path, const std::string& valueName) {
  Walk(root_.get(), path, true)->numbers.insert(discovery_text::ToUpper(valueName));
}

void CFakeRegistry::FailOpen(const std::string& path) {
  Walk(root_.get(), path, true)->failOpen = true;
}

void CFakeRegistry::FailEnumAt(const std::string& path, unsigned index) {
  Walk(root_.get(), path, true)->failEnumIndex = static_cast<long>(index);
}

RegKey CFakeRegistry::OpenKey(RegKey parent, const std::string& subkey) {
  Node* from = NodeOf(parent);
  Node* node = from ? Walk(from, subkey, false) : nullptr;
  if (node == nullptr || node->failOpen) return nullptr;
  Handle* handle = new Handle{node};
  open_.insert(handle);
  return handle;
}

RegEnum CFakeRegistry::EnumSubkey(RegKey key, uint32_t index, size_t capacity,
                                  std::string& name) {
  capacities_.insert(capacity);
  Node* node = NodeOf(key);
  if (node == nullptr || node->failEnumIndex == static_cast<long>(index)) return RegEnum::kError;
  if (index >= node->children.size()) return RegEnum::kNoMore;
  const std::string& found = node->children[index]->name;
  if (found.size() + 1 > capacity) return RegEnum::kError;  // ERROR_MORE_DATA
  name = found;
  return RegEnum::kName;
}

bool CFakeRegistry::QueryString(RegKey key, const std::string& valueName, size_t capacity,
                                std::string& value) {
  capacities_.insert(capacity);
  Node* node = NodeOf(key);
  if (node == nullptr) return false;
  auto found = node->strings.find(discovery_text::ToUpper(valueName));
  if (found == node->strings.end() || found->second.size() + 1 > capacity) return false;
  value = found->second;
  return true;
}

void CFakeRegistry::CloseKey(RegKey key) {
  Handle* handle = static_cast<Handle*>(key);
  if (open_.erase(handle) == 0) {
    ++badCloses_;
    return;
  }
  delete handle;
}
