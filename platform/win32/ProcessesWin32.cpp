#include "platform/win32/ProcessesWin32.h"

#include <string>

#include "platform/win32/WinApi.h"
#include "platform/win32/WinHandles.h"
#include "platform/win32/WinText.h"

namespace win32 {

namespace {

class ChildWin32 : public plat::ICapturedChild {
 public:
  ChildWin32(UniqueHandle process, UniqueHandle pipe)
      : m_process(std::move(process)), m_pipe(std::move(pipe)) {}

  DWORD Wait(DWORD timeoutMs) override {
    if (!m_process) return WAIT_OBJECT_0;  // the shell started it without a process of its own
    return ::WaitForSingleObject(m_process.Get(), timeoutMs);
  }

  DWORD ExitCode() override {
    if (!m_process) return 0;
    DWORD code = plat::kStillActive;
    if (!::GetExitCodeProcess(m_process.Get(), &code)) return plat::kStillActive;
    return code;
  }

  // Peeks first, so that a read never blocks on a child that holds the pipe
  // open without writing.
  plat::PipeRead ReadOutput(std::string& chunk, DWORD maxBytes) override {
    chunk.clear();
    DWORD available = 0;
    if (!m_pipe || !::PeekNamedPipe(m_pipe.Get(), nullptr, 0, nullptr, &available, nullptr))
      return plat::PipeRead::kClosed;
    if (available == 0) return plat::PipeRead::kEmpty;
    chunk.resize(available < maxBytes ? available : maxBytes);
    DWORD read = 0;
    if (!::ReadFile(m_pipe.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) ||
        read == 0) {
      chunk.clear();
      return plat::PipeRead::kClosed;
    }
    chunk.resize(read);
    return plat::PipeRead::kData;
  }

 private:
  UniqueHandle m_process;
  UniqueHandle m_pipe;
};

}  // namespace

// The C library's system() takes the command processor from %COMSPEC%; this
// runs the system directory's own, with the same "/c" line and the same wait.
int ProcessesWin32::RunCommandProcessor(std::string_view commandLine) {
  wchar_t folder[MAX_PATH];
  UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return -1;
  std::wstring processor = std::wstring(folder, length) + L"\\cmd.exe";
  std::wstring line = L"\"" + processor + L"\" /c " + Utf8ToWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(processor.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
    return -1;
  UniqueHandle process(info.hProcess);
  UniqueHandle thread(info.hThread);
  ::WaitForSingleObject(process.Get(), INFINITE);
  DWORD exitCode = 0;
  if (!::GetExitCodeProcess(process.Get(), &exitCode)) return -1;
  return static_cast<int>(exitCode);
}

std::unique_ptr<plat::ICapturedChild> ProcessesWin32::StartCaptured(std::string_view program,
                                                                    std::string_view commandLine) {
  SECURITY_ATTRIBUTES security{};
  security.nLength = sizeof(security);
  security.bInheritHandle = TRUE;
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &security, 0)) return nullptr;
  UniqueHandle reader(readEnd);
  UniqueHandle writer(writeEnd);
  // The child inherits only the write end.
  ::SetHandleInformation(reader.Get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  ::GetStartupInfoW(&startup);
  startup.hStdOutput = writer.Get();
  startup.hStdError = writer.Get();
  startup.wShowWindow = SW_HIDE;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  std::wstring application = Utf8ToWide(program);
  std::wstring line = Utf8ToWide(commandLine);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &info))
    return nullptr;
  UniqueHandle thread(info.hThread);
  writer.Reset();  // the pipe closes once the child's copy goes
  return std::make_unique<ChildWin32>(UniqueHandle(info.hProcess), std::move(reader));
}

std::unique_ptr<plat::IChildProcess> ProcessesWin32::StartHidden(std::string_view file,
                                                                 std::string_view parameters) {
  std::wstring wFile = Utf8ToWide(file);
  std::wstring wParameters = Utf8ToWide(parameters);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpFile = wFile.c_str();
  info.lpParameters = wParameters.empty() ? nullptr : wParameters.c_str();
  info.nShow = SW_HIDE;
  if (!::ShellExecuteExW(&info)) return nullptr;
  return std::make_unique<ChildWin32>(UniqueHandle(info.hProcess), UniqueHandle());
}

}  // namespace win32
