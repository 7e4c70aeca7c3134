// Message boxes and popup menus, modal on the calling thread.
#include "platform/WinConstants.h"
#include "sim/Desktop.h"
#include "sim/Machine.h"

namespace sim {

namespace {

constexpr size_t kAnsweredBoxesKept = 64;

}  // namespace

int Desktop::RunMessageBox(std::unique_lock<std::mutex>& lock, int pid, HWND owner, std::string text,
                           std::string caption, UINT type) {
  auto box = std::make_unique<SimMessageBox>();
  SimMessageBox* record = box.get();
  record->serial = m_nextBoxSerial++;
  record->pid = pid;
  record->owner = owner;
  record->text = std::move(text);
  record->caption = std::move(caption);
  record->type = type;
  record->shownAt = m_scheduler.Now();
  m_boxes.push_back(std::move(box));
  // The box is modal to its owner: the owner takes no input while it is open.
  SimWnd* ownerWnd = Find(owner);
  bool reenable = ownerWnd && ownerWnd->enabled;
  if (reenable) ownerWnd->enabled = false;
  m_scheduler.Notify();
  RunModalLoop(lock, [&] { return record->answer.has_value(); });
  int answer = *record->answer;
  record->answeredAt = m_scheduler.Now();
  record->answeredOrder = m_scheduler.NextOrder();
  m_answeredBoxes.push_back(*record);
  if (m_answeredBoxes.size() > kAnsweredBoxesKept) m_answeredBoxes.pop_front();
  std::erase_if(m_boxes, [record](const auto& b) { return b.get() == record; });
  if (SimWnd* still = reenable ? Find(owner) : nullptr) still->enabled = true;
  return answer;
}

std::vector<SimMessageBox*> Desktop::OpenMessageBoxes() {
  std::vector<SimMessageBox*> result;
  for (auto& box : m_boxes) result.push_back(box.get());
  return result;
}

void Desktop::RunPopupMenu(std::unique_lock<std::mutex>& lock, int pid, const plat::MenuTemplate& menu,
                           plat::Point at, HWND owner) {
  auto popup = std::make_unique<SimPopupMenu>();
  SimPopupMenu* record = popup.get();
  *record = {pid, owner, &menu, at, std::nullopt};
  m_menus.push_back(std::move(popup));
  m_scheduler.Notify();
  RunModalLoop(lock, [&] { return record->chosen.has_value(); });
  UINT chosen = *record->chosen;
  std::erase_if(m_menus, [record](const auto& m) { return m.get() == record; });
  if (chosen != 0) Post(owner, WM_COMMAND, chosen, 0);
}

}  // namespace sim
