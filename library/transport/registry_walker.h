// Walking the registry level by level for device discovery: every key opened on the way is
// closed again, names and values are read into 256-byte buffers, and an error anywhere ends the
// whole walk.
#pragma once

#include <functional>
#include <string>

#include "registry_reader.h"

// How the visit of one key, or a whole walk, ended.
enum class WalkResult {
  kContinue,  // nothing found here; go on (for a whole walk: nothing found at all)
  kFound,     // stop: the visitor found what it looked for
  kFailed,    // stop: a registry error ends the walk without result
};

// A key that is closed when it goes out of scope.
class CScopedRegKey {
 public:
  CScopedRegKey(CRegistryReader& reader, RegKey parent, const std::string& subkey);
  ~CScopedRegKey();
  bool isOpen() const { return key_ != nullptr; }
  RegKey get() const { return key_; }

 private:
  CScopedRegKey(const CScopedRegKey&) = delete;
  CScopedRegKey& operator=(const CScopedRegKey&) = delete;

  CRegistryReader& reader_;
  RegKey key_;
};

class CRegistryWalker {
 public:
  // Registry names and string values are read into buffers of this many bytes; one that does
  // not fit counts as an error of the step that reads it.
  static constexpr size_t kTextCapacity = 256;

  typedef std::function<WalkResult(const std::string& name, RegKey key)> KeyVisitor;
  typedef std::function<WalkResult(const std::string& deviceName,
                                   const std::string& instanceName, RegKey instance)>
      InstanceVisitor;

  explicit CRegistryWalker(CRegistryReader& reader) : reader_(reader) {}

  CRegistryReader& reader() { return reader_; }

  // Visits each subkey of parent in enumeration order, opened for the visit and closed after.
  // The first answer other than kContinue ends the level and is returned; an enumeration error
  // or a subkey that cannot be opened gives kFailed.
  WalkResult ForEachSubkey(RegKey parent, const KeyVisitor& visit);
  // Visits each instance key of each device key below the key at path (under
  // HKEY_LOCAL_MACHINE); kFailed when that key cannot be opened.
  WalkResult ForEachInstance(const std::string& path, const InstanceVisitor& visit);
  // The first subkey name of parent for which match is true, without opening any subkey.
  WalkResult FindSubkeyName(RegKey parent, const std::function<bool(const std::string&)>& match,
                            std::string& found);
  // The string value, or false when it is missing or does not fit.
  bool ReadString(RegKey key, const std::string& valueName, std::string& value);

 private:
  CRegistryReader& reader_;
};
