#include "platform/Ports.h"

namespace plat {

namespace {
thread_local const Ports* t_ports = nullptr;
const Ports* g_defaultPorts = nullptr;
}  // namespace

const Ports& Current() {
  return t_ports ? *t_ports : *g_defaultPorts;
}
void SetCurrent(const Ports* ports) {
  t_ports = ports;
}
void SetProcessDefault(const Ports* ports) {
  g_defaultPorts = ports;
}

ScopedPorts::ScopedPorts(const Ports& ports) : m_previousThread(t_ports), m_previousDefault(g_defaultPorts) {
  t_ports = &ports;
  g_defaultPorts = &ports;
}

ScopedPorts::~ScopedPorts() {
  t_ports = m_previousThread;
  g_defaultPorts = m_previousDefault;
}

}  // namespace plat
