// The lines of the dial log on their way to the disk: taken from any thread
// into a bounded queue, written by a task on the system's pooled threads,
// one task at a time, queued when lines come and none runs. Shared by the
// log's owner, that task and whoever may call it late (the remote-access
// notifier), so that none of them outlives it.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "log/Log.h"
#include "log/LogStore.h"
#include "platform/Files.h"
#include "platform/System.h"

class CLogQueue final : public ILog, public std::enable_shared_from_this<CLogQueue> {
 public:
  // Lines waiting beyond this are dropped and counted.
  static constexpr size_t kMaxQueuedBytes = 64 * 1024;
  // A line's text after its time stamp.
  static constexpr size_t kMaxLineBytes = 1024;
  // Secrets kept at once; an older one goes when a new one comes.
  static constexpr size_t kMaxSecrets = 4;

  CLogQueue(plat::ISystem& system, plat::IFiles& files, const std::string& strFolder);

  void Write(const CString& strLine) override;
  void Conceal(const CString& strSecret) override;

  const std::string& Path() const { return m_store.Path(); }
  // From now on, lines taken are written by a pooled task (the queue is
  // owned by a shared pointer).
  void StartWriting();
  // Writes what is queued until nothing is left.
  void Drain();
  // Waits up to dwWaitMs until every line taken before the call has been
  // written or given up; false when the time ran out.
  bool WaitWritten(DWORD dwWaitMs);
  // Takes no more lines.
  void Stop();

 private:
  struct Batch {
    std::vector<std::string> lines;
    std::uint64_t nLast = 0;  // serial of the last line
  };

  Batch TakeBatch();
  void NoteUnwritten(size_t nLines);
  void QueueDrain();

  plat::ISystem& m_system;
  CLogStore m_store;  // the drain's alone
  plat::KernelHandle m_hProgress;

  std::mutex m_lock;
  std::vector<std::string> m_queue;
  size_t m_nQueuedBytes = 0;
  std::uint64_t m_nTaken = 0;    // serial of the last line taken
  std::uint64_t m_nHandled = 0;  // serial of the last line written or given up
  size_t m_nFullQueueDrops = 0;
  size_t m_nFailedWrites = 0;
  std::vector<std::string> m_secrets;
  bool m_bStopped = false;
  bool m_bWriting = false;   // StartWriting was called
  bool m_bDraining = false;  // a drain is queued or runs
};
