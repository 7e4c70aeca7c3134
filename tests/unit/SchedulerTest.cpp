// The virtual clock: waits that end at the same instant wake in a fixed order.
#include <gtest/gtest.h>

#include "sim/Machine.h"

namespace {

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
