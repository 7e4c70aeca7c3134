// The demo service's directory server and files: the server lists, the
// banner page, Server.ini and Route.txt.
#pragma once

namespace sim {

class Machine;

void SetUpDemoDirectory(Machine& machine);

}  // namespace sim
