#include "registry_walker.h"

CScopedRegKey::CScopedRegKey(CRegistryReader& reader, RegKey parent, const std::string& subkey)
    : reader_(reader), key_(reader.OpenKey(parent, subkey)) {}

CScopedRegKey::~CScopedRegKey() {
  if (key_ != nullptr) reader_.CloseKey(key_);
}

WalkResult CRegistryWalker::ForEachSubkey(RegKey parent, const KeyVisitor& visit) {
  std::string name;
  for (uint32_t index = 0;; ++index) {
    const RegEnum step = reader_.EnumSubkey(parent, index, kTextCapacity, name);
    if (step == RegEnum::kNoMore) return WalkResult::kContinue;
    if (step == RegEnum::kError) return WalkResult::kFailed;
    CScopedRegKey child(reader_, parent, name);
    if (!child.isOpen()) return WalkResult::kFailed;
    const WalkResult answer = visit(name, child.get());
    if (answer != WalkResult::kContinue) return answer;
  }
}

WalkResult CRegistryWalker::ForEachInstance(const std::string& path,
                                            const InstanceVisitor& visit) {
  CScopedRegKey root(reader_, nullptr, path);
  if (!root.isOpen()) return WalkResult::kFailed;
  return ForEachSubkey(root.get(), [&](const std::string& deviceName, RegKey device) {
    return ForEachSubkey(device, [&](const std::string& instanceName, RegKey instance) {
      return visit(deviceName, instanceName, instance);
    });
  });
}

WalkResult CRegistryWalker::FindSubkeyName(RegKey parent,
                                           const std::function<bool(const std::string&)>& match,
                                           std::string& found) {
  std::string name;
  for (uint32_t index = 0;; ++index) {
    const RegEnum step = reader_.EnumSubkey(parent, index, kTextCapacity, name);
    if (step == RegEnum::kNoMore) return WalkResult::kContinue;
    if (step == RegEnum::kError) return WalkResult::kFailed;
    if (match(name)) {
      found = name;
      return WalkResult::kFound;
    }
  }
}

bool CRegistryWalker::ReadString(RegKey key, const std::string& valueName, std::string& value) {
  return reader_.QueryString(key, valueName, kTextCapacity, value);
}
