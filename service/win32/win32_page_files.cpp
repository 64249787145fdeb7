#include "win32_page_files.h"

#include "../../library/api/win32_file.h"
#include "../texts/message_texts.h"

namespace {

FileFault LastFault(const CWin32File& file) { return FileFaultFromSystemError(file.LastError()); }

}  // namespace

FileFault CWin32PageFiles::Write(const std::string& path, const void* data, size_t length) {
  CWin32File file(path, CWin32File::Access::kCreateForWriting);
  if (!file.IsOpen() || !file.WriteAll(data, length)) return LastFault(file);
  return FileFault::kNone;
}

FileFault CWin32PageFiles::ReadPrefix(const std::string& path, size_t maxBytes,
                                      std::vector<uint8_t>& bytes, bool& longer) {
  CWin32File file(path, CWin32File::Access::kReadExisting);
  if (!file.IsOpen()) return LastFault(file);
  // One byte more than wanted tells a file longer than the limit from one that fits exactly.
  bytes.assign(maxBytes + 1, 0);
  size_t total = 0;
  while (total < bytes.size()) {
    const int read = file.Read(bytes.data() + total, static_cast<uint32_t>(bytes.size() - total));
    if (read < 0) return LastFault(file);
    if (read == 0) break;
    total += static_cast<size_t>(read);
  }
  longer = total > maxBytes;
  bytes.resize(longer ? maxBytes : total);
  return FileFault::kNone;
}
