// Reads back the one-line JSON objects of hvx40ctl --json, as a script would: strings, numbers,
// true, false, null, lists and nested objects. Every value is kept as its text: a string
// without quotes and escapes, anything else as written. Header-only, so that the native tests
// and the Windows test programs share it.
#pragma once

#include <cctype>
#include <map>
#include <string>

class CJsonReader {
 public:
  // False when the text is not one well-formed object (trailing blanks and a line break allowed).
  bool Parse(const std::string& text) {
    text_ = text;
    at_ = 0;
    values_.clear();
    if (!Object("")) return false;
    Blanks();
    return at_ == text_.size();
  }

  bool Has(const std::string& key) const { return values_.count(key) != 0; }
  // "machine", "states.Varnel HVX-40", "machines[0]"; empty when missing.
  std::string operator[](const std::string& key) const {
    auto found = values_.find(key);
    return found == values_.end() ? std::string() : found->second;
  }

 private:
  void Blanks() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }
  bool Take(char c) {
    Blanks();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  bool String(std::string& out) {
    if (!Take('"')) return false;
    out.clear();
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (c == '\\') {
        if (at_ >= text_.size()) return false;
        char e = text_[at_++];
        if (e == 'n') c = '\n';
        else if (e == 'r') c = '\r';
        else if (e == 't') c = '\t';
        else if (e == 'u') {
          if (at_ + 4 > text_.size()) return false;
          c = static_cast<char>(std::stoi(text_.substr(at_, 4), nullptr, 16));
          at_ += 4;
        } else c = e;
      } else if (static_cast<unsigned char>(c) < 0x20) {
        return false;
      }
      out += c;
    }
    return Take('"');
  }
  bool Value(const std::string& key) {
    Blanks();
    if (at_ >= text_.size()) return false;
    if (text_[at_] == '{') return Object(key + ".");
    if (text_[at_] == '[') return List(key);
    if (text_[at_] == '"') return String(values_[key]);
    size_t start = at_;
    while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) ||
                                  text_[at_] == '-' || text_[at_] == '.')) {
      ++at_;
    }
    const std::string word = text_.substr(start, at_ - start);
    if (word.empty()) return false;
    if (word != "true" && word != "false" && word != "null" &&
        word.find_first_not_of("-0123456789") != std::string::npos) {
      return false;
    }
    values_[key] = word;
    return true;
  }
  bool List(const std::string& key) {
    Take('[');
    int index = 0;
    if (Take(']')) return true;
    do {
      if (!Value(key + "[" + std::to_string(index++) + "]")) return false;
    } while (Take(','));
    return Take(']');
  }
  bool Object(const std::string& prefix) {
    if (!Take('{')) return false;
    if (Take('}')) return true;
    do {
      std::string key;
      if (!String(key) || !Take(':') || !Value(prefix + key)) return false;
    } while (Take(','));
    return Take('}');
  }

  std::string text_;
  size_t at_ = 0;
  std::map<std::string, std::string> values_;
};
