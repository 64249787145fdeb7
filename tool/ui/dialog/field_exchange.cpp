#include "field_exchange.h"

#include "../../../service/texts/number_text.h"

void CFieldExchange::Text(int id, std::string& value) {
  if (failed_) return;
  if (saving_)
    value = fields_.ReadField(id);
  else
    fields_.WriteField(id, value);
}

void CFieldExchange::Number(int id, double& value) {
  if (failed_) return;
  if (saving_)
    ReadNumber(id, value);
  else
    fields_.WriteField(id, FormatNumber(value));
}

void CFieldExchange::Number(int id, double& value, double min, double max) {
  if (failed_) return;
  if (!saving_) {
    fields_.WriteField(id, FormatNumber(value));
    return;
  }
  if (ReadNumber(id, value) && (value < min || value > max)) Refuse(id, NumberRangeText(min, max));
}

bool CFieldExchange::ReadNumber(int id, double& value) {
  if (ParseNumber(fields_.ReadField(id), value)) return true;
  Refuse(id, kNotANumberText);
  return false;
}

void CFieldExchange::Refuse(int id, const std::string& message) {
  failed_ = true;
  fields_.RefuseField(id, message);
}
