#include "console/DialerProgram.h"

#include "app/ClientApp.h"
#include "framework/Resources.h"

sim::Program DialerProgram() {
  return sim::Program{DialerMain, AfxGetBitmapSize};
}
