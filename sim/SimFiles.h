// The files port of a simulated process, over the machine's drive C:.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/Files.h"
#include "sim/IniReader.h"

namespace sim {

class Machine;
struct Process;

class SimFiles final : public plat::IFiles {
 public:
  SimFiles(Machine& machine, Process& process) : m_machine(machine), m_process(process) {}

  std::unique_ptr<plat::IFile> Open(std::string_view path, unsigned mode) override;
  bool Delete(std::string_view path) override;
  bool Replace(std::string_view source, std::string_view target) override;
  DWORD GetAttributes(std::string_view path) override;
  bool SetAttributes(std::string_view path, DWORD attributes) override;
  bool RestrictToAdministrators(std::string_view path) override;
  bool IsRestrictedToAdministrators(std::string_view path) override;
  bool RestrictToAdministratorsAndUser(std::string_view path) override;
  bool IsRestrictedToAdministratorsAndUser(std::string_view path) override;
  bool MakeProtectedFolder(std::string_view path) override;
  UINT GetProfileInt(std::string_view section, std::string_view key, int defaultValue,
                     std::string_view path) override;
  DWORD GetProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                         std::string& out, DWORD bufferSize, std::string_view path) override;

 private:
  struct CachedProfile {
    std::uint64_t generation = 0;
    int codePage = 0;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written;
    std::shared_ptr<const ProfileFile> file;
  };

  std::shared_ptr<const ProfileFile> ReadProfile(std::string_view path);
  std::optional<std::string> ProfileValue(std::string_view section, std::string_view key,
                                          std::string_view path);

  Machine& m_machine;
  Process& m_process;
  std::map<std::string, CachedProfile> m_profiles;  // by host path
};

}  // namespace sim
