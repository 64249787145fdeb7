// The test-cut programs carried in the program's own module as resources of type "CutData".
#pragma once

#include "../../../service/procedures/calibration/auto_calibration.h"

class CCutDataResource : public ICutDataSource {
 public:
  bool Read(int resourceId, std::vector<uint8_t>& bytes) override;
};
