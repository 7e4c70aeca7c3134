#include "sim/ServiceManager.h"

#include <cctype>

namespace sim {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string Padded(std::string text, size_t width, bool right) {
  if (text.size() >= width) return text;
  std::string pad(width - text.size(), ' ');
  return right ? pad + text : text + pad;
}

constexpr size_t kImageWidth = 25;
constexpr size_t kPidWidth = 8;
constexpr size_t kServicesWidth = 44;

}  // namespace

void ServiceManager::SetService(std::string_view name, DWORD state, bool shared) {
  SimService* service = Find(name);
  if (service == nullptr) {
    m_services.push_back(SimService{std::string(name), state, shared});
    service = &m_services.back();
  }
  service->state = state;
  service->shared = shared;
  if (shared && state == plat::kServiceRunning) m_host.running = true;
}

SimService* ServiceManager::Find(std::string_view name) {
  for (SimService& service : m_services)
    if (SameName(service.name, name)) return &service;
  return nullptr;
}

// The table as Windows prints it with the services column: a blank line,
// the header, the rule, then the host's line; long service lists wrap
// within their column.
std::string ServiceManager::TaskList(std::string_view service) const {
  if (m_taskList.kind == TaskListOutput::Kind::kEmpty) return {};
  if (m_taskList.kind == TaskListOutput::Kind::kText) return m_taskList.text;
  bool carried = false;
  std::vector<std::string> names;
  for (const SimService& s : m_services) {
    if (!s.shared || s.state != plat::kServiceRunning) continue;
    names.push_back(s.name);
    carried = carried || SameName(s.name, service);
  }
  if (!m_host.running || !carried)
    return "INFO: No tasks are running which match the specified criteria.\r\n";
  std::string text = "\r\n" + Padded("Image Name", kImageWidth, false) + " " +
                     Padded("PID", kPidWidth, true) + " Services\r\n" + std::string(kImageWidth, '=') + " " +
                     std::string(kPidWidth, '=') + " " + std::string(kServicesWidth, '=') + "\r\n";
  std::string line = Padded(m_host.imageName, kImageWidth, false) + " " +
                     Padded(std::to_string(m_host.pid), kPidWidth, true) + " ";
  std::string column;
  const std::string indent(kImageWidth + kPidWidth + 2, ' ');
  for (size_t i = 0; i < names.size(); ++i) {
    std::string item = names[i] + (i + 1 < names.size() ? "," : "");
    if (!column.empty() && column.size() + 1 + item.size() > kServicesWidth) {
      text += line + column + "\r\n";
      line = indent;
      column.clear();
    }
    column += (column.empty() ? "" : " ") + item;
  }
  return text + line + column + "\r\n";
}

bool ServiceManager::Kill(int pid) {
  if (!m_host.running || pid != m_host.pid) return false;
  m_host.running = false;
  for (SimService& service : m_services)
    if (service.shared) service.state = plat::kServiceStopped;
  return true;
}

int ServiceManager::Start(std::string_view name) {
  SimService* service = Find(name);
  if (service == nullptr || service->state == plat::kServiceRunning) return 2;
  if (service->shared && !m_host.running) {
    m_host.running = true;
    m_host.pid = m_nextHostPid += 4;
  }
  service->state = plat::kServiceRunning;
  return 0;
}

}  // namespace sim
