#include "StandInLines.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <thread>

namespace standin {

namespace {

struct Line {
  std::string entryName;
  DWORD state = 0;
  DWORD error = 0;
};

std::mutex g_mutex;
std::map<HANDLE, Line> g_lines;
uintptr_t g_nextHandle = 0x1000;

std::string BesideModule(const char* fileName) {
  HMODULE module = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&BesideModule), &module);
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(module, path, MAX_PATH);
  std::string folder(path, length);
  size_t slash = folder.find_last_of("\\/");
  folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
  return folder + fileName;
}

std::string LogPath() {
  if (const char* path = std::getenv("DORVANTA_RAS_STANDIN_LOG"); path != nullptr && *path != '\0')
    return path;
  return BesideModule("rasapi32-standin.log");
}

LineView View(HANDLE handle, const Line& line) {
  return {handle, line.entryName, line.state, line.error, line.state == kStateConnected};
}

void DropConnectedLines() {
  std::string dropped;
  {
    std::lock_guard lock(g_mutex);
    for (auto it = g_lines.begin(); it != g_lines.end();) {
      if (it->second.state == kStateConnected) {
        dropped += "drop " + it->second.entryName + "\n";
        it = g_lines.erase(it);
      } else {
        ++it;
      }
    }
  }
  if (!dropped.empty()) Log(dropped);
}

}  // namespace

HANDLE AddLine(const std::string& entryName) {
  std::lock_guard lock(g_mutex);
  g_nextHandle += 0x10;
  HANDLE handle = reinterpret_cast<HANDLE>(g_nextHandle);
  g_lines[handle] = Line{entryName, 0, 0};
  return handle;
}

bool FindLine(HANDLE handle, LineView& line) {
  std::lock_guard lock(g_mutex);
  auto it = g_lines.find(handle);
  if (it == g_lines.end()) return false;
  line = View(it->first, it->second);
  return true;
}

std::vector<LineView> Lines() {
  std::lock_guard lock(g_mutex);
  std::vector<LineView> lines;
  for (const auto& [handle, line] : g_lines) lines.push_back(View(handle, line));
  return lines;
}

void SetLineState(HANDLE handle, DWORD state, DWORD error) {
  std::lock_guard lock(g_mutex);
  if (auto it = g_lines.find(handle); it != g_lines.end()) {
    it->second.state = state;
    it->second.error = error;
  }
}

bool LineAlive(HANDLE handle) {
  std::lock_guard lock(g_mutex);
  return g_lines.count(handle) != 0;
}

bool RemoveLine(HANDLE handle) {
  std::lock_guard lock(g_mutex);
  return g_lines.erase(handle) != 0;
}

void Log(const std::string& text) {
  static std::mutex logMutex;
  std::lock_guard lock(logMutex);
  if (FILE* file = std::fopen(LogPath().c_str(), "ab")) {
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
}

void StartDropWatcher() {
  static std::once_flag once;
  std::call_once(once, [] {
    std::thread([] {
      const std::string dropFile = BesideModule("rasapi32-standin.drop");
      for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (::GetFileAttributesA(dropFile.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        ::DeleteFileA(dropFile.c_str());
        DropConnectedLines();
      }
    }).detach();
  });
}

std::string ErrorText(DWORD code) {
  static const std::map<DWORD, const char*> texts = {
      {6, "The handle is invalid."},
      {621, "The system could not open the phone book file."},
      {623, "The system could not find the phone book entry for this connection."},
      {632, "The structure size is incorrect."},
      {678, "The remote computer did not respond."},
      {691, "Access was denied because the username and/or password was invalid on the domain."},
      {756, "This connection is already being dialed."},
      {800, "Unable to establish the VPN connection. The VPN server may be unreachable."},
  };
  if (auto it = texts.find(code); it != texts.end()) return it->second;
  return "Remote access error " + std::to_string(code) + ".";
}

}  // namespace standin
