// One test body for both implementations of a port: each build supplies the
// environment (the simulated machine, or the real Windows services).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/WinTypes.h"

class ContractEnvironment {
 public:
  virtual ~ContractEnvironment() = default;
  // A Windows path of an empty scratch folder, without a trailing backslash.
  virtual std::string ScratchFolder() = 0;
  // True for the simulated machine (for gaps marked explicitly in a test).
  virtual bool IsSimulated() const = 0;
  // True for the Windows side running under Wine.
  virtual bool IsWine() const = 0;
  // Answers the calling thread's open message box with this caption as if
  // the user pressed button (IDOK, IDYES, IDNO); false when none is open.
  // Called from inside the box's modal loop, e.g. from a timer.
  virtual bool AnswerMessageBox(std::string_view caption, int button) = 0;

  // A registry key of the test's own under HKEY_CURRENT_USER (a path
  // without the root), removed with the environment; values written there
  // with the given type and bytes, in the system's ANSI code page.
  virtual std::string RegistryTestKey() = 0;
  virtual void PutRegistryValue(const std::string& name, DWORD type, const std::string& bytes) = 0;
  // A key of the test's own under HKEY_LOCAL_MACHINE\Software, made in both
  // views of a 64-bit Windows (32-bit Windows has one) for a 32-bit program
  // there, and removed with the environment; twoViews: there are two.
  virtual std::string RegistryViewsTestKey(bool& twoViews) = 0;

  // Sets a variable of the process's environment until the environment goes
  // (the simulated machine keeps none, so there it changes nothing).
  virtual void SetEnvironmentVariable(const std::string& name, const std::string& value) = 0;
};

// Installs the ports for the calling thread (plat::Current()) and returns
// the environment; the ports stay valid while the environment lives.
std::unique_ptr<ContractEnvironment> MakeContractEnvironment();

// The fixture of a contract test: each case runs in an environment of its own.
class ContractTest : public ::testing::Test {
 protected:
  std::unique_ptr<ContractEnvironment> m_env = MakeContractEnvironment();
};
