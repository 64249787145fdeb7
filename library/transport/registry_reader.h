// Read-only access to the system registry under HKEY_LOCAL_MACHINE, behind a seam so that the
// device discovery walks run against an in-memory registry in tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// An open registry key. Null is never a valid open key; as a parent it stands for
// HKEY_LOCAL_MACHINE itself.
typedef void* RegKey;

// How enumerating one subkey ended.
enum class RegEnum {
  kName,    // the subkey name at that index was read
  kNoMore,  // ERROR_NO_MORE_ITEMS: the level is done
  kError,   // any other error, including a name that does not fit the buffer
};

class CRegistryReader {
 public:
  virtual ~CRegistryReader() {}

  // Opens subkey (a path, components separated by backslashes) below parent with KEY_READ;
  // parent null means HKEY_LOCAL_MACHINE. Null on failure. Every key opened is closed with
  // CloseKey.
  virtual RegKey OpenKey(RegKey parent, const std::string& subkey) = 0;
  // The name of the subkey at index into a buffer of capacity bytes (terminator included).
  virtual RegEnum EnumSubkey(RegKey key, uint32_t index, size_t capacity, std::string& name) = 0;
  // The string value of that name, read into a buffer of capacity bytes (terminator included).
  // False when the value is missing, is not a string, or does not fit.
  virtual bool QueryString(RegKey key, const std::string& valueName, size_t capacity,
                           std::string& value) = 0;
  virtual void CloseKey(RegKey key) = 0;
};

#ifdef _WIN32
// HKEY_LOCAL_MACHINE of the running system.
CRegistryReader& SystemRegistry();
#endif
