#include "running_programs.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

std::string WithTrailingBackslash(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::vector<std::string> ProgramsRunningFrom(const std::string& folder,
                                             const std::vector<std::string>& imagePaths) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  const std::string prefix = WithTrailingBackslash(Lower(folder));
  std::vector<std::string> seen;
  for (const std::string& path : imagePaths) {
    const std::string lower = Lower(path);
    if (lower.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string name = path.substr(prefix.size());
    if (name.empty() || std::find(seen.begin(), seen.end(), Lower(name)) != seen.end()) continue;
    seen.push_back(Lower(name));
    names.push_back(name);
  }
  return names;
}

std::string RunningProgramsMessage(const std::vector<std::string>& fileNames) {
  std::string list;
  for (size_t i = 0; i < fileNames.size(); ++i) {
    if (i > 0) list += i + 1 == fileNames.size() ? " and " : ", ";
    list += fileNames[i];
  }
  return "HVX-40 Service cannot be removed or replaced while its programs run. Close " + list +
         " and try again; nothing was changed.";
}
