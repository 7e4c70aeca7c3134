// The dialer's promises as named invariants, checked on the simulated
// machine every 100 ms of virtual time and after every step. It only reads:
// a session runs the same with or without it.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/Driver.h"

namespace explore {

struct Violation {
  std::string invariant;
  std::string detail;
  sim::VirtualTime at = 0;
};

// Every invariant the oracle checks, with the exceptions it states.
struct InvariantInfo {
  const char* name;
  const char* promise;
};
const std::vector<InvariantInfo>& Invariants();

class Oracle {
 public:
  Oracle(sim::Machine& machine, sim::Driver& driver);
  Oracle(const Oracle&) = delete;
  Oracle& operator=(const Oracle&) = delete;
  ~Oracle();

  // From the end of the world's set-up on (before the dialer starts).
  void Begin();
  void CheckStep();
  // The first violation, once there is one.
  const std::optional<Violation>& Found() const { return m_found; }
  std::uint64_t Checks() const { return m_checks; }

 private:
  // A caption that disagrees with the service: pumped is how long the
  // window thread has waited for its messages since the disagreement began.
  struct Disagreement {
    bool active = false;
    sim::VirtualTime pumped = 0;
  };
  struct Watch {
    int pid = 0;
    sim::VirtualTime started = 0;
    size_t firstDial = 0;  // the first dial record of this process
    size_t hangUpsSeen = 0;
    bool ended = false;
    Disagreement connect, relay;
    bool mainTimer = false, relayTimer = false;
    bool mainRefused = false, relayRefused = false;  // a Disconnect press found no line
    bool relayDropReset = false;
    int speedWindows = 0;
    int workersBefore = 0;  // before the speed-test window opened
    std::optional<sim::VirtualTime> speedClosedAt;
    // At the end: the main entry's name and the dials made until then; the
    // lines are looked at again once a hang-up would have been released.
    std::string mainName;
    size_t dialsAtEnd = 0;
    bool linesEnded = false;
    std::optional<sim::VirtualTime> endCheckAt;
  };

  void ScheduleSample();
  void Evaluate();  // all of these with the machine lock held
  bool Check(bool holds);
  void Fail(const char* invariant, const std::string& detail);
  Watch& WatchOf(int pid);

  void CheckMachine();
  void CheckFiles();
  void CheckLeftFiles();
  void CheckHangUps();
  void CheckProcess(Watch& watch);
  void CheckRunning(Watch& watch, sim::Process& process);
  void CheckCaptions(Watch& watch, sim::SimWnd& main);
  void Judge(Watch& watch, Disagreement& disagreement, bool agrees, bool excused, const char* invariant,
             const std::string& what);
  void CheckProbes(Watch& watch);
  void CheckEnded(Watch& watch, sim::Process& process);
  void CheckEndedLines(Watch& watch);

  bool Idle(int pid);
  // A file the machine refuses to delete, or one a process ended from outside left.
  bool Exempt(const std::string& path);
  std::string EntryInUse(const Watch& watch, const char* phonebook, const char* base) const;
  bool LineUp(const std::string& name) const;
  sim::SimWnd* MainWindow(int pid);
  const sim::SimMessageBox* LastAnswered(int pid, std::initializer_list<const char*> texts) const;

  sim::Machine& m_machine;
  sim::Driver& m_driver;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
  std::optional<Violation> m_found;
  std::uint64_t m_checks = 0;
  sim::VirtualTime m_lastSample = 0;
  int m_settleFailures = 0;
  std::map<int, Watch> m_watches;
  // Files: what the world left, and what was seen since.
  std::uint64_t m_generation = ~0ull;
  std::optional<std::string> m_serverIni, m_config;
  std::map<std::string, std::optional<std::string>> m_phonebooks;
  std::map<std::string, std::string> m_orphans;  // left by a process ended from outside
  bool m_configTemp = false;
  size_t m_hangUpsChecked = 0;
  struct PendingHangUp {
    sim::VirtualTime due;
    sim::RasHangUpRecord record;
  };
  std::vector<PendingHangUp> m_pendingHangUps;
};

}  // namespace explore
