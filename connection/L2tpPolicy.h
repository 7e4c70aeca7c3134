// The remote-access policy step run before an L2TP dial.
#pragma once

class CL2tpPolicy {
 public:
  // True when the dial goes on with the L2TP template.
  bool ApplyL2tpPolicy() { return true; }
};
