#include "sim/scenario/Helpers.h"

#include "sim/scenario/Tokens.h"

namespace sim::scenario {

std::string Differs(const std::string& subject, const std::string& actual, const std::string& expected) {
  return subject + " is " + actual + ", expected " + expected;
}

std::string QuoteList(const std::vector<std::string>& texts) {
  if (texts.empty()) return "(none)";
  std::string list;
  for (const std::string& text : texts) list += (list.empty() ? "" : " ") + Quote(text);
  return list;
}

std::optional<SimWnd> ControlOf(Context& context, int id, std::string& problem) {
  if (context.driver.ActiveWindow() == nullptr) {
    problem = "no window of the dialer is open";
    return std::nullopt;
  }
  auto control = context.driver.Control(id);
  if (!control) problem = "control " + std::to_string(id) + " does not exist";
  return control;
}

int ProcessNamed(Context& context, const std::string& name) {
  auto it = context.processes.find(name);
  if (it == context.processes.end()) throw ArgumentError("no process was started as \"" + name + "\"");
  return it->second;
}

}  // namespace sim::scenario
