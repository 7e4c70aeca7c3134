#include "log/ProgramLines.h"

#include "resources/Texts.h"

namespace {

#if defined(__x86_64__) || defined(_M_X64)
constexpr const char* kBuildArchitecture = "x86_64";
#elif defined(__i386__) || defined(_M_IX86)
constexpr const char* kBuildArchitecture = "i686";
#elif defined(__aarch64__)
constexpr const char* kBuildArchitecture = "arm64";
#else
constexpr const char* kBuildArchitecture = "unknown";
#endif

}  // namespace

CString StartLine(plat::ISystem& system) {
  plat::OsVersion version = system.GetVersion();
  std::string module = system.GetModuleFileName();
  size_t slash = module.find_last_of('\\');
  std::string folder = slash == std::string::npos ? std::string() : module.substr(0, slash);
  CString strLine;
  strLine.Format("start: Dorvanta %s %s, Windows %lu.%lu.%lu, code page %u, folder \"%s\"",
                 texts::kProductVersion, kBuildArchitecture, static_cast<unsigned long>(version.major),
                 static_cast<unsigned long>(version.minor), static_cast<unsigned long>(version.build),
                 system.GetAnsiCodePage(), folder.c_str());
  return strLine;
}

CString EndLine(const char* pszWayOut, int nExitCode) {
  CString strLine;
  strLine.Format("end: %s, exit code %d", pszWayOut, nExitCode);
  return strLine;
}
