// A session's world: the machine, the service and the dialer's files as
// set-up lines of the scenario language, drawn from the seed.
#pragma once

#include <string>
#include <vector>

#include "tools/explore/Random.h"

namespace explore {

struct World {
  std::vector<std::string> lines;      // set-up before the dialer starts
  int servers = 0;                     // entries of the server list
  int groups = 0;                      // groups of the server directory
  int relays = 0;                      // relay lines of the server directory
  std::vector<std::string> addresses;  // every address the world names
  bool l2tp = false;                   // the settings file turns L2TP mode on
  std::string modulePath;              // where the dialer is started from
};

World MakeWorld(Random& random);

// What a start of the dialer is followed by: the hidden controls of the
// commands the explorer reaches are shown.
std::vector<std::string> StartLines(const World& world);

// A scenario text quoted for a line: backslashes and quotes escaped, bytes
// outside printable ASCII as \xNN.
std::string Quoted(const std::string& bytes);

}  // namespace explore
