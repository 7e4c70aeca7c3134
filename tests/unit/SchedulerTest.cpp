// The virtual clock: time moves only when every thread waits, and jumps.
#include <gtest/gtest.h>

#include <chrono>

#include "sim/Machine.h"

namespace {

using namespace std::chrono_literals;

class SchedulerTest : public ::testing::Test {
 protected:
  // Runs body on a registered thread of the machine.
  void Spawn(std::function<void()> body) {
    auto lock = machine.Lock();
    machine.StartThread(0, nullptr, std::move(body), "test-worker");
  }
  void SleepOnMachine(DWORD ms) {
    auto lock = machine.Lock();
    machine.Sched().Sleep(lock, ms);
  }

  sim::Machine machine;
};

TEST_F(SchedulerTest, WaitIdleRunsTimedWaitsToTheirEndInVirtualTime) {
  std::atomic<int> wakes{0};
  Spawn([&] {
    for (int i = 0; i < 10; ++i) {
      SleepOnMachine(1000);
      ++wakes;
    }
  });
  auto start = std::chrono::steady_clock::now();
  machine.WaitIdle();
  EXPECT_EQ(wakes, 10);
  EXPECT_EQ(machine.Sched().Now(), 10000u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);  // virtual seconds, not real ones
}

TEST_F(SchedulerTest, WaitIdleStopsWhenThreadsWaitWithoutDeadline) {
  auto lock = machine.Lock();
  machine.Sched().ScheduleAt(5000, [] {});
  bool flag = false;
  machine.StartThread(
      0, nullptr,
      [&] {
        auto inner = machine.Lock();
        machine.Sched().Block(inner, [&] { return flag; });
      },
      "waiter");
  machine.Sched().WaitIdle(lock);
  EXPECT_EQ(machine.Sched().Now(), 0u);  // the scheduled work alone does not move time
  flag = true;
  machine.Sched().Notify();
  machine.Sched().Advance(lock, 6000);
  EXPECT_EQ(machine.Sched().Now(), 6000u);
}

TEST_F(SchedulerTest, AdvanceRunsScheduledWorkInOrderAtItsTime) {
  std::vector<std::pair<int, sim::VirtualTime>> ran;
  {
    auto lock = machine.Lock();
    machine.Sched().ScheduleAt(300, [&] { ran.push_back({2, machine.Sched().Now()}); });
    machine.Sched().ScheduleAt(100, [&] { ran.push_back({1, machine.Sched().Now()}); });
    machine.Sched().ScheduleAt(900, [&] { ran.push_back({3, machine.Sched().Now()}); });
  }
  machine.Advance(500);
  ASSERT_EQ(ran.size(), 2u);
  EXPECT_EQ(ran[0], std::make_pair(1, sim::VirtualTime{100}));
  EXPECT_EQ(ran[1], std::make_pair(2, sim::VirtualTime{300}));
  machine.Advance(500);
  EXPECT_EQ(ran.size(), 3u);
}

TEST_F(SchedulerTest, TickCountWrapsAroundLikeWindows) {
  machine.SetTick(0xFFFFFF00u);
  machine.Advance(0x200);
  EXPECT_EQ(machine.Tick(), 0x100u);
}

TEST_F(SchedulerTest, SleepOfTwoThreadsInterleavesByDeadline) {
  std::vector<int> order;
  std::mutex orderLock;
  auto note = [&](int n) {
    std::lock_guard guard(orderLock);
    order.push_back(n);
  };
  Spawn([&] {
    SleepOnMachine(300);
    note(3);
  });
  Spawn([&] {
    SleepOnMachine(100);
    note(1);
    SleepOnMachine(100);
    note(2);
  });
  machine.WaitIdle();
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(SchedulerOrder, WaitsEndingAtTheSameInstantWakeInTheOrderTheyBegan) {
  // Repeated, because a race would show only now and then.
  for (int run = 0; run < 50; ++run) {
    sim::Machine machine;
    std::vector<char> order;
    std::mutex orderLock;
    auto note = [&](char who) {
      std::lock_guard guard(orderLock);
      order.push_back(who);
    };
    auto sleep = [&](DWORD ms) {
      auto lock = machine.Lock();
      machine.Sched().Sleep(lock, ms);
    };
    {
      auto lock = machine.Lock();
      machine.StartThread(
          0, nullptr,
          [&] {
            sleep(50);
            sleep(50);  // begins at 50, ends at 100
            note('b');
          },
          "late");
      machine.StartThread(
          0, nullptr,
          [&] {
            sleep(100);  // begins at 0, ends at 100
            note('a');
          },
          "early");
    }
    machine.WaitIdle();
    ASSERT_EQ(order, (std::vector<char>{'a', 'b'})) << "run " << run;
  }
}

}  // namespace
