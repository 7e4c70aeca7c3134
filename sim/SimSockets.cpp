#include "sim/SimSockets.h"

#include "sim/Machine.h"

namespace sim {

int SimSockets::Resolve(std::string_view host, std::vector<DWORD>& addresses) {
  auto lock = m_machine.Lock();
  return m_machine.Net().Resolve(host, addresses);
}

}  // namespace sim
