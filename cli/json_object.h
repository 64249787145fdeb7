// One JSON object, written on standard output per command with --json so that a script can
// parse the result. Members keep the order in which they were first set.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CJsonObject {
 public:
  void SetText(const std::string& key, const std::string& value);
  void SetNumber(const std::string& key, long long value);
  void SetFlag(const std::string& key, bool value);
  void SetNull(const std::string& key);
  void SetTextList(const std::string& key, const std::vector<std::string>& values);
  // A member whose value is another object.
  void SetObject(const std::string& key, const CJsonObject& value);

  // The object on one line.
  std::string Text() const;

 private:
  void SetRaw(const std::string& key, const std::string& json);

  std::vector<std::pair<std::string, std::string>> members_;
};

// The text as a JSON string, quotes included. Bytes outside ASCII are passed on unchanged (the
// machine's texts are ASCII); control characters are escaped.
std::string JsonQuoted(const std::string& text);
