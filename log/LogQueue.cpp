#include "log/LogQueue.h"

#include <algorithm>

#include "log/LogText.h"
#include "platform/WinConstants.h"

CLogQueue::CLogQueue(plat::ISystem& system, plat::IFiles& files, const std::string& strFolder)
    : m_system(system), m_store(files, strFolder), m_hProgress(system.CreateEvent(false, false)) {}

void CLogQueue::Write(const CString& strLine) {
  std::string stamp = LogStamp(m_system.GetLocalTime(), m_system.GetTickCount());
  bool bQueueDrain = false;
  {
    std::lock_guard guard(m_lock);
    if (m_bStopped) return;
    std::string line = stamp + LogSafeText(ConcealSecrets(strLine.Str(), m_secrets), kMaxLineBytes);
    if (m_nQueuedBytes + line.size() > kMaxQueuedBytes) {
      ++m_nFullQueueDrops;
      return;
    }
    m_nQueuedBytes += line.size();
    m_queue.push_back(std::move(line));
    ++m_nTaken;
    bQueueDrain = m_bWriting && !m_bDraining;
    m_bDraining = m_bDraining || bQueueDrain;
  }
  if (bQueueDrain) QueueDrain();
}

void CLogQueue::StartWriting() {
  {
    std::lock_guard guard(m_lock);
    if (m_bWriting) return;
    m_bWriting = true;
    if (m_queue.empty() || m_bDraining) return;
    m_bDraining = true;
  }
  QueueDrain();
}

// A drain that cannot be queued leaves the lines for the next one.
void CLogQueue::QueueDrain() {
  if (m_system.QueueWork([self = shared_from_this()] { self->Drain(); })) return;
  std::lock_guard guard(m_lock);
  m_bDraining = false;
}

void CLogQueue::Conceal(const CString& strSecret) {
  if (strSecret.IsEmpty()) return;
  std::lock_guard guard(m_lock);
  if (std::find(m_secrets.begin(), m_secrets.end(), strSecret.Str()) != m_secrets.end()) return;
  if (m_secrets.size() >= kMaxSecrets) m_secrets.erase(m_secrets.begin());
  m_secrets.push_back(strSecret.Str());
}

CLogQueue::Batch CLogQueue::TakeBatch() {
  std::string stamp = LogStamp(m_system.GetLocalTime(), m_system.GetTickCount());
  std::lock_guard guard(m_lock);
  Batch batch;
  if (m_queue.empty()) return batch;
  if (m_nFullQueueDrops > 0 || m_nFailedWrites > 0) {
    CString strNote;
    strNote.Format("log: %lu lines were not written (%lu with the queue full, %lu refused by the disk)",
                   static_cast<unsigned long>(m_nFullQueueDrops + m_nFailedWrites),
                   static_cast<unsigned long>(m_nFullQueueDrops),
                   static_cast<unsigned long>(m_nFailedWrites));
    batch.lines.push_back(stamp + strNote.Str());
    m_nFullQueueDrops = 0;
    m_nFailedWrites = 0;
  }
  for (std::string& line : m_queue) batch.lines.push_back(std::move(line));
  m_queue.clear();
  m_nQueuedBytes = 0;
  batch.nLast = m_nTaken;
  return batch;
}

void CLogQueue::NoteUnwritten(size_t nLines) {
  std::lock_guard guard(m_lock);
  m_nFailedWrites += nLines;
}

void CLogQueue::Drain() {
  for (;;) {
    Batch batch = TakeBatch();
    if (batch.lines.empty()) {
      std::lock_guard guard(m_lock);
      if (!m_queue.empty()) continue;
      m_bDraining = false;
      return;
    }
    size_t nWritten = m_store.Append(batch.lines);
    if (nWritten < batch.lines.size()) NoteUnwritten(batch.lines.size() - nWritten);
    {
      std::lock_guard guard(m_lock);
      m_nHandled = batch.nLast;
    }
    if (m_hProgress) m_system.SetEvent(m_hProgress);
  }
}

bool CLogQueue::WaitWritten(DWORD dwWaitMs) {
  std::uint64_t nTarget = 0;
  {
    std::lock_guard guard(m_lock);
    nTarget = m_nTaken;
  }
  DWORD dwStart = m_system.GetTickCount();
  for (;;) {
    {
      std::lock_guard guard(m_lock);
      if (m_nHandled >= nTarget) return true;
    }
    DWORD dwElapsed = m_system.GetTickCount() - dwStart;
    if (dwElapsed >= dwWaitMs || !m_hProgress) return false;
    m_system.WaitForSingleObject(m_hProgress, dwWaitMs - dwElapsed);
  }
}

void CLogQueue::Stop() {
  std::lock_guard guard(m_lock);
  m_bStopped = true;
}
