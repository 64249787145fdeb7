// Transfer between a dialog's fields and its members, with the validation the engineer sees.
// Portable: the fields are reached through CFieldAccess, which the dialog implements.
#pragma once

#include <string>

class CFieldAccess {
 public:
  virtual ~CFieldAccess() {}
  virtual std::string ReadField(int id) = 0;
  virtual void WriteField(int id, const std::string& text) = 0;
  // Tells the engineer why the field was refused and puts the caret back into it.
  virtual void RefuseField(int id, const std::string& message) = 0;
};

// One transfer in one direction. Saving stops at the first refused field: the fields after it
// are neither read nor refused, so the engineer hears about one field at a time.
class CFieldExchange {
 public:
  CFieldExchange(CFieldAccess& fields, bool saving) : fields_(fields), saving_(saving) {}

  bool IsSaving() const { return saving_; }
  bool Failed() const { return failed_; }

  void Text(int id, std::string& value);
  // A number without bounds: only a non-number is refused.
  void Number(int id, double& value);
  // A number in the closed range [min, max]. A number outside the range is still stored in value
  // before it is refused, so the caller can see what was typed.
  void Number(int id, double& value, double min, double max);

 private:
  bool ReadNumber(int id, double& value);
  void Refuse(int id, const std::string& message);

  CFieldAccess& fields_;
  const bool saving_;
  bool failed_ = false;
};
