#include "info_fixture.h"

#include <algorithm>

bool CRecordedWindows::Ask(const std::string& text, bool informationIcon) {
  Note(std::string(informationIcon ? "ask(i): " : "ask: ") + text);
  return answer;
}

bool CRecordedWindows::AskDefaultNo(const std::string& text) {
  Note("ask(i, default No): " + text);
  return answer;
}

bool CRecordedWindows::AskOpenPath(const std::string& filter, std::string& path) {
  lastFilter = filter;
  Note("open box");
  if (chosenPath.empty()) return false;
  path = chosenPath;
  return true;
}

bool CRecordedWindows::AskSavePath(const std::string& filter, const std::string& defaultExtension,
                                   std::string& path) {
  lastDefaultExtension = defaultExtension;
  lastFilter = filter;
  Note("save box");
  if (chosenPath.empty()) return false;
  path = chosenPath;
  return true;
}

void CRecordedWindows::Show(const std::string& text) {
  Note("viewer");
  shownReports.push_back(text);
}

bool CRecordedWindows::Open(const std::string& text) {
  Note("box open: " + text);
  return true;
}

void CRecordedWindows::SetRange(int low, int high) {
  Note("range " + std::to_string(low) + ".." + std::to_string(high));
}

bool CMemoryFiles::Fails(const std::string& path) const {
  return std::find(failing.begin(), failing.end(), path) != failing.end();
}

FileFault CMemoryFiles::Write(const std::string& path, const void* data, size_t length) {
  if (Fails(path)) return FileFault::kAccessDenied;
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  files[path] = length == 0 ? std::vector<uint8_t>() : std::vector<uint8_t>(bytes, bytes + length);
  windows_.Note("write " + path + " " + std::to_string(length));
  return FileFault::kNone;
}

FileFault CMemoryFiles::ReadPrefix(const std::string& path, size_t maxBytes,
                                   std::vector<uint8_t>& bytes, bool& longer) {
  auto found = files.find(path);
  if (Fails(path) || found == files.end()) return FileFault::kNotFound;
  const std::vector<uint8_t>& all = found->second;
  const size_t count = std::min(maxBytes, all.size());
  bytes.assign(all.begin(), all.begin() + static_cast<long>(count));
  longer = all.size() > maxBytes;
  return FileFault::kNone;
}

Journal EntriesStartingWith(const Journal& journal, const std::string& prefix) {
  Journal found;
  for (const std::string& entry : journal) {
    if (entry.compare(0, prefix.size(), prefix) == 0) found.push_back(entry);
  }
  return found;
}
