#include "cut_data_resource.h"

#include <windows.h>

bool CCutDataResource::Read(int resourceId, std::vector<uint8_t>& bytes) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), "CutData");
  if (found == nullptr) return false;
  const DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = size > 0 ? LoadResource(module, found) : nullptr;
  const uint8_t* data = loaded != nullptr ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  if (data == nullptr) return false;
  bytes.assign(data, data + size);
  return true;
}
