#include "json_object.h"

#include <cstdio>

std::string JsonQuoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    switch (c) {
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      case '\n': quoted += "\\n"; break;
      case '\r': quoted += "\\r"; break;
      case '\t': quoted += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          quoted += escape;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

void CJsonObject::SetRaw(const std::string& key, const std::string& json) {
  for (auto& member : members_) {
    if (member.first == key) {
      member.second = json;
      return;
    }
  }
  members_.emplace_back(key, json);
}

void CJsonObject::SetText(const std::string& key, const std::string& value) {
  SetRaw(key, JsonQuoted(value));
}

void CJsonObject::SetNumber(const std::string& key, long long value) {
  SetRaw(key, std::to_string(value));
}

void CJsonObject::SetFlag(const std::string& key, bool value) {
  SetRaw(key, value ? "true" : "false");
}

void CJsonObject::SetNull(const std::string& key) { SetRaw(key, "null"); }

void CJsonObject::SetTextList(const std::string& key, const std::vector<std::string>& values) {
  std::string list = "[";
  for (size_t i = 0; i < values.size(); ++i) list += (i ? "," : "") + JsonQuoted(values[i]);
  SetRaw(key, list + "]");
}

void CJsonObject::SetObject(const std::string& key, const CJsonObject& value) {
  SetRaw(key, value.Text());
}

std::string CJsonObject::Text() const {
  std::string text = "{";
  for (size_t i = 0; i < members_.size(); ++i) {
    text += (i ? "," : "") + JsonQuoted(members_[i].first) + ":" + members_[i].second;
  }
  return text + "}";
}
