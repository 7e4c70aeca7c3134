// One scenario command: its name, how it is written, and what it does.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <typeindex>

#include "sim/Driver.h"
#include "sim/scenario/Arguments.h"

namespace sim::scenario {

// What a command works on; lives for one scenario or console session.
class Context {
 public:
  Context(Machine& machine, Driver& driver, std::ostream& out) : machine(machine), driver(driver), out(out) {}

  Machine& machine;
  Driver& driver;
  std::ostream& out;  // transcript: anything a command wants to say
  // Dialer processes started by the script, by name ("main" is the first).
  std::map<std::string, int> processes;

  // State a command family keeps for the session (a web server, a record of
  // requests...), made on first use and destroyed before the machine.
  template <typename T>
  T& State() {
    auto& slot = m_states[std::type_index(typeid(T))];
    if (!slot) slot = std::make_shared<T>();
    return *static_cast<T*>(slot.get());
  }

 private:
  std::map<std::type_index, std::shared_ptr<void>> m_states;
};

enum class Group { SetUp, Action, Time, Expectation };

// Returns an empty text on success, else what went wrong; for an
// expectation, what the state actually is.
using Handler = std::function<std::string(Arguments& args, Context& context)>;

struct Command {
  std::string name;     // one or more words: "click", "menu choose", "expect no timer"
  std::string syntax;   // arguments after the name, e.g. "ID \"TEXT\""
  std::string summary;  // one sentence
  std::string example;  // a full line as written in a script
  Group group;
  Handler handler;
};

}  // namespace sim::scenario
