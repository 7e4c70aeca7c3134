// The interactive console: the dialer on a simulated machine.
#include <iostream>

#include "sim/Driver.h"

int main() {
  sim::Machine machine;
  sim::Driver driver(machine);
  driver.Start();
  std::cout << "Dorvanta on the simulated machine\n";
  return 0;
}
