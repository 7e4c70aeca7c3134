// One scenario command: its name, how it is written, and what it does.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "sim/Driver.h"
#include "sim/scenario/Arguments.h"

namespace sim::scenario {

struct Command;

// What runs the script's lines: commands that run another line use it.
class ILineRunner {
 public:
  virtual std::string RunLine(std::string_view line) = 0;
  // The command a line would run, or null with the reason in problem.
  virtual const Command* CommandOf(std::string_view line, std::string& problem) const = 0;

 protected:
  ~ILineRunner() = default;
};

// A line placed at an instant after the start of the next command.
struct PlacedLine {
  VirtualTime offset = 0;
  std::string line;
};

// What a command works on; lives for one scenario or console session.
class Context {
 public:
  Context(Machine& machine, Driver& driver, std::ostream& out) : machine(machine), driver(driver), out(out) {}

  Machine& machine;
  Driver& driver;
  std::ostream& out;  // transcript: anything a command wants to say
  // Dialer processes started by the script, by name ("main" is the first).
  std::map<std::string, int> processes;
  // The runner of the session's lines (set by the Runner).
  ILineRunner* lines = nullptr;
  // Lines placed with `at`, waiting for the next command to start.
  std::vector<PlacedLine> placed;

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
