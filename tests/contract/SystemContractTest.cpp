// Contract of the system port: folders, clock, named mutexes, threads and events.
#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <string>

#include "platform/Ports.h"
#include "platform/WinConstants.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

class SystemContract : public ContractTest {
 protected:
  plat::ISystem& System() { return *plat::Current().system; }
  bool IsFolder(const std::string& path) {
    DWORD attributes = plat::Current().files->GetAttributes(path);
    return attributes != plat::kInvalidFileAttributes && (attributes & plat::kFileAttributeDirectory);
  }
  // A mutex name no other test run uses.
  std::string UniqueName(const char* stem) {
    return std::string(stem) + "-" + m_env->ScratchFolder().substr(m_env->ScratchFolder().rfind('\\') + 1);
  }
};

// The system directory and the current directory exist; the module is an .exe.
TEST_F(SystemContract, FoldersAndModuleAreFullPaths) {
  std::string folder = System().GetSystemDirectory();
  ASSERT_GT(folder.size(), 3u);
  EXPECT_EQ(folder[1], ':');
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(IsFolder(folder)) << folder;
  EXPECT_TRUE(IsFolder(System().GetCurrentDirectory())) << System().GetCurrentDirectory();

  std::string path = System().GetModuleFileName();
  ASSERT_GT(path.size(), 4u);
  EXPECT_EQ(path[1], ':');
  std::string extension = path.substr(path.size() - 4);
  for (char& ch : extension) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  EXPECT_EQ(extension, ".exe") << path;
}

TEST_F(SystemContract, TickCountAdvancesAcrossSleep) {
  // Windows counts in steps of about 15.6 ms and Wine refreshes its count
  // late (later still on a busy machine), so the count gets up to two
  // seconds of sleeps to move; only the direction and the unit
  // (milliseconds) are checked.
  DWORD before = System().GetTickCount();
  DWORD elapsed = 0;
  for (int naps = 0; naps < 100 && elapsed == 0; ++naps) {
    System().Sleep(20);
    elapsed = System().GetTickCount() - before;
  }
  EXPECT_GT(elapsed, 0u);
  EXPECT_LT(elapsed, 10000u);
}

TEST_F(SystemContract, NamedMutexIsFoundOnlyWhileItExists) {
  std::string name = UniqueName("DorvantaContractMutex");
  EXPECT_FALSE(System().OpenMutex(name));
  {
    plat::KernelHandle created = System().CreateMutex(name, true);
    ASSERT_TRUE(created);
    plat::KernelHandle opened = System().OpenMutex(name);
    EXPECT_TRUE(opened);
    EXPECT_NE(opened.Get(), created.Get());
  }
  // Both handles are closed: the mutex is gone.
  EXPECT_FALSE(System().OpenMutex(name));
}

// An auto-reset event wakes one wait and resets, a manual-reset one stays
// set until reset; of several, the lowest signalled index wins.
TEST_F(SystemContract, EventsAndWaits) {
  plat::KernelHandle stop = System().CreateEvent(true, false);
  plat::KernelHandle request = System().CreateEvent(false, false);
  ASSERT_TRUE(stop && request);
  EXPECT_EQ(System().WaitForSingleObject(request, 0), WAIT_TIMEOUT);
  System().SetEvent(request);
  EXPECT_EQ(System().WaitForSingleObject(request, 0), WAIT_OBJECT_0);
  EXPECT_EQ(System().WaitForSingleObject(request, 0), WAIT_TIMEOUT);

  const plat::KernelHandle* pair[] = {&stop, &request};
  EXPECT_EQ(System().WaitForMultipleObjects(pair, 20), WAIT_TIMEOUT);
  System().SetEvent(request);
  EXPECT_EQ(System().WaitForMultipleObjects(pair, 0), WAIT_OBJECT_0 + 1);
  EXPECT_EQ(System().WaitForMultipleObjects(pair, 0), WAIT_TIMEOUT);
  System().SetEvent(request);
  System().SetEvent(stop);
  EXPECT_EQ(System().WaitForMultipleObjects(pair, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(System().WaitForMultipleObjects(pair, 0), WAIT_OBJECT_0);
  EXPECT_EQ(System().WaitForSingleObject(request, 0), WAIT_OBJECT_0);

  plat::KernelHandle manual = System().CreateEvent(true, true);
  EXPECT_EQ(System().WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
  EXPECT_EQ(System().WaitForSingleObject(manual, 0), WAIT_OBJECT_0);
  System().ResetEvent(manual);
  EXPECT_EQ(System().WaitForSingleObject(manual, 0), WAIT_TIMEOUT);
}

TEST_F(SystemContract, ThreadRunsOnItsCreatorsPortsAndSignalsItsEnd) {
  plat::ISystem& system = System();
  plat::KernelHandle started = system.CreateEvent(true, false);
  plat::KernelHandle proceed = system.CreateEvent(true, false);
  const plat::Ports* creatorPorts = &plat::Current();
  std::atomic<const plat::Ports*> threadPorts{nullptr};

  plat::KernelHandle thread = system.CreateThread([&] {
    threadPorts = &plat::Current();
    system.SetEvent(started);
    system.WaitForSingleObject(proceed, INFINITE);
  });
  ASSERT_TRUE(thread);
  ASSERT_EQ(system.WaitForSingleObject(started, INFINITE), WAIT_OBJECT_0);
  EXPECT_EQ(threadPorts.load(), creatorPorts);
  EXPECT_EQ(system.WaitForSingleObject(thread, 0), WAIT_TIMEOUT);

  system.SetEvent(proceed);
  EXPECT_EQ(system.WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
}

// A date and time of this century, an offset from UTC in quarter hours
// within the zones' range, and the code page the contract runs use.
TEST_F(SystemContract, LocalTimeAndCodePage) {
  plat::LocalTime time = System().GetLocalTime();
  EXPECT_GE(time.year, 2020);
  EXPECT_LT(time.year, 2100);
  EXPECT_TRUE(time.month >= 1 && time.month <= 12) << time.month;
  EXPECT_TRUE(time.day >= 1 && time.day <= 31) << time.day;
  EXPECT_LT(time.hour, 24);
  EXPECT_LT(time.minute, 60);
  EXPECT_LT(time.second, 61);
  EXPECT_LT(time.milliseconds, 1000);
  EXPECT_EQ(time.utcOffsetMinutes % 15, 0) << time.utcOffsetMinutes;
  EXPECT_LE(time.utcOffsetMinutes, 14 * 60);
  EXPECT_GE(time.utcOffsetMinutes, -12 * 60);
  EXPECT_EQ(System().GetAnsiCodePage(), 936u);
}

// The C library's generator, as the dialer's random picks rely on it.
TEST_F(SystemContract, RandomFollowsTheCLibrarySequenceForASeed) {
  plat::ISystem& system = System();
  system.SeedRandom(1);
  EXPECT_EQ(system.Random(), 41);
  EXPECT_EQ(system.Random(), 18467);
  EXPECT_EQ(system.Random(), 6334);
  system.SeedRandom(1);
  EXPECT_EQ(system.Random(), 41);
}

// On code page 936 (the contract runs use it) Chinese converts, Hangul does not.
TEST_F(SystemContract, AnsiConversionCheckKnowsTheCodePage) {
  plat::ISystem& system = System();
  EXPECT_TRUE(system.CanConvertToAnsi("abc 123"));
  EXPECT_TRUE(system.CanConvertToAnsi("无法获取服务器列表"));
  EXPECT_TRUE(system.CanConvertToAnsi(""));
  EXPECT_FALSE(system.CanConvertToAnsi("김철수"));
  EXPECT_FALSE(system.CanConvertToAnsi("ab김"));
}

}  // namespace
