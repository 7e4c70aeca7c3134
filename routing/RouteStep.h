// Routes through the tunnel after a connect in a split routing mode.
#pragma once

#include "framework/CString.h"

class CRouteStep {
 public:
  void ApplyRouteFile(const CString&) {}
};
