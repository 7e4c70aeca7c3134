#include "framework/MessageMap.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY s_entries[] = {{0, 0, 0, nullptr}};
  static const AFX_MSGMAP s_map = {nullptr, s_entries};
  return &s_map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
  return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id) {
  for (; map != nullptr; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
      if (entry->nMessage != message) continue;
      if (message == WM_COMMAND && (entry->nCode != code || entry->nID != id)) continue;
      return entry;
    }
  }
  return nullptr;
}

const AFX_MSGMAP_ENTRY* AfxFindEventEntry(const AFX_MSGMAP* map, UINT id, UINT dispid) {
  if (map == nullptr) return nullptr;
  for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry)
    if (entry->nID == id && entry->nCode == dispid) return entry;
  return nullptr;
}
