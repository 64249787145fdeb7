#include "fake_platform.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fake_tables.h"
#include "fake_library.h"

namespace fs = std::filesystem;

std::string HostPath(const std::string& winPath) {
  std::string host = winPath;
  std::replace(host.begin(), host.end(), '\\', '/');
  return host;
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "hvxapp.XXXXXX").string();
  char* made = mkdtemp(&pattern[0]);
  winPath_ = made ? made : pattern;
  std::replace(winPath_.begin(), winPath_.end(), '/', '\\');
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(HostPath(winPath_), ignored);
}

bool TestFileStore::TempFolder(std::string& folder) {
  if (noTempFolder) return false;
  folder = temp_ + "\\";
  return true;
}

bool TestFileStore::Exists(const std::string& path) { return fs::exists(HostPath(path)); }

FileFault TestFileStore::ReadAll(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(HostPath(path), std::ios::binary);
  if (!in) return FileFault::kNotFound;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return FileFault::kNone;
}

FileFault TestFileStore::WriteAll(const std::string& path, const void* data, size_t length) {
  if (lockedPaths.count(path)) return FileFault::kSharingViolation;
  std::ofstream out(HostPath(path), std::ios::binary | std::ios::trunc);
  if (!out) return FileFault::kAccessDenied;
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(length));
  return out ? FileFault::kNone : FileFault::kDiskFull;
}

FileFault TestFileStore::Remove(const std::string& path) {
  if (lockedPaths.count(path)) return FileFault::kSharingViolation;
  const auto fault = removeFaults.find(path);
  if (fault != removeFaults.end()) return fault->second;
  std::error_code error;
  return fs::remove(HostPath(path), error) ? FileFault::kNone : FileFault::kNotFound;
}

FileFault TestFileStore::Append(const std::string& path, const std::string& text) {
  if (lockedPaths.count(path)) return FileFault::kSharingViolation;
  std::ofstream out(HostPath(path), std::ios::binary | std::ios::app);
  if (!out) return FileFault::kAccessDenied;
  out << text;
  return FileFault::kNone;
}

int64_t TestFileStore::Size(const std::string& path) {
  std::error_code error;
  auto size = fs::file_size(HostPath(path), error);
  return error ? -1 : static_cast<int64_t>(size);
}

FileFault TestFileStore::Rename(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(HostPath(from), HostPath(to), error);
  if (error) return FileFault::kNotFound;
  renames.push_back(from + " -> " + to);
  return FileFault::kNone;
}

void* TestLoader::Load(const std::string& path) {
  loadedPaths.push_back(path);
  if (loadFails) return nullptr;
  ++loadedCount;
  return &g_fakeLibrary;
}

void* TestLoader::GetProc(void* module, const char* exportName) {
  if (module != &g_fakeLibrary || missingExports.count(exportName)) return nullptr;
  return FakeExport(exportName, nullTables.count(exportName) != 0);
}

void TestLoader::Free(void* module) {
  if (module == &g_fakeLibrary) --loadedCount;
}
