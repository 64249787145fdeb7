#include "journal.h"

std::string HexBytes(const uint8_t* data, size_t length) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(length * 2);
  for (size_t i = 0; i < length; ++i) {
    hex.push_back(kDigits[data[i] >> 4]);
    hex.push_back(kDigits[data[i] & 0x0F]);
  }
  return hex;
}

namespace {

std::string Code(uint16_t code) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", code);
  return text;
}

}  // namespace

bool CJournal::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "w");
  return file_ != nullptr;
}

void CJournal::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

void CJournal::Line(const std::string& text) {
  if (!file_) return;
  if (clock_) std::fprintf(file_, "%lu ", static_cast<unsigned long>(clock_->TickCount()));
  std::fputs(text.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
}

void CJournal::ControlOut(uint16_t code, const std::vector<uint8_t>& payload) {
  std::string line = "W " + Code(code);
  if (!payload.empty()) line += " " + HexBytes(payload.data(), payload.size());
  Line(line);
}

void CJournal::ControlIn(uint16_t code, uint16_t length) {
  Line("R " + Code(code) + " " + std::to_string(length));
}

void CJournal::DeviceId() { Line("ID"); }

void CJournal::BulkOut(const uint8_t* data, size_t length) {
  Line("BO " + HexBytes(data, length));
}

void CJournal::BulkIn(size_t count) {
  if (count > 0) Line("BI " + std::to_string(count));
}

void CJournal::OutOfStep() { Line("STEP"); }

void CJournal::OutputFile(const std::string& path, const std::vector<uint8_t>& content) {
  Line("F " + path + " " + HexBytes(content.data(), content.size()));
}
