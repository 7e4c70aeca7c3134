// The dialer as the simulated machine runs it.
#pragma once

#include "sim/Program.h"

sim::Program DialerProgram();
