// Port: child processes: the command processor, a hidden child whose output
// comes through a pipe, a hidden child started through the shell.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace plat {

constexpr DWORD kStillActive = 259;  // STILL_ACTIVE

// A started child; its handles are closed when the owner goes, and the
// child itself is left running.
class IChildProcess {
 public:
  virtual ~IChildProcess() = default;
  // WaitForSingleObject on the process: 0 (WAIT_OBJECT_0) once it has ended,
  // 258 (WAIT_TIMEOUT) when it still runs after timeoutMs (INFINITE: no limit).
  virtual DWORD Wait(DWORD timeoutMs) = 0;
  // The child's exit code once it has ended; kStillActive while it runs.
  virtual DWORD ExitCode() = 0;
};

enum class PipeRead {
  kData,    // chunk holds what was read
  kEmpty,   // nothing waiting yet; the child still holds the pipe
  kClosed,  // the child has closed the pipe and it is empty
};

class ICapturedChild : public IChildProcess {
 public:
  // Reads up to maxBytes of what the child has written so far; never waits
  // for more.
  virtual PipeRead ReadOutput(std::string& chunk, DWORD maxBytes) = 0;
};

class IProcesses {
 public:
  virtual ~IProcesses() = default;
  // The command line run by the system directory's command processor, as
  // "cmd.exe /c LINE" (never the one %COMSPEC% names); waits for it and
  // gives its exit code, -1 when it cannot start.
  virtual int RunCommandProcessor(std::string_view commandLine) = 0;
  // CreateProcess of program with this command line, hidden, with standard
  // output and standard error on an inheritable pipe. Null when the pipe or
  // the process cannot be made.
  virtual std::unique_ptr<ICapturedChild> StartCaptured(std::string_view program,
                                                        std::string_view commandLine) = 0;
  // ShellExecuteEx of file with parameters, hidden, keeping the process
  // handle. Null when it cannot start.
  virtual std::unique_ptr<IChildProcess> StartHidden(std::string_view file, std::string_view parameters) = 0;
};

}  // namespace plat
