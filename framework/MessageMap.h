// Message maps: a static table per class, message or control notification
// to member handler, searched from the class up through its bases; the
// first match wins.
#pragma once

#include "platform/WinConstants.h"
#include "platform/WinTypes.h"

class CCmdTarget;

using AfxThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // window message; WM_COMMAND for commands and notifications
  UINT nCode;     // notification code for WM_COMMAND entries
  UINT nID;       // control or command id for WM_COMMAND entries
  AfxThunk pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Finds the entry for a message; nullptr when no class in the chain has one.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id);

// clang-format off
#define DECLARE_MESSAGE_MAP()                    \
 public:                                         \
  static const AFX_MSGMAP* GetThisMessageMap();  \
                                                 \
 protected:                                      \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                         \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }    \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                    \
    using ThisClass = theClass;                                                        \
    using TheBaseClass = baseClass;                                                    \
    static const AFX_MSGMAP_ENTRY s_entries[] = {
#define END_MESSAGE_MAP()                                                        \
  { 0, 0, 0, nullptr }                                                           \
  }                                                                              \
  ;                                                                              \
  static const AFX_MSGMAP s_map = {&TheBaseClass::GetThisMessageMap, s_entries}; \
  return &s_map;                                                                 \
  }

#define AFX_THUNK(body) [](CCmdTarget * pTarget, WPARAM wParam, LPARAM lParam) -> LRESULT { \
  auto* pThis = static_cast<ThisClass*>(pTarget);                                          \
  (void)pThis;                                                                              \
  (void)wParam;                                                                             \
  (void)lParam;                                                                             \
  body                                                                                      \
}

#define ON_COMMAND(id, memberFn) {WM_COMMAND, 0, (id), AFX_THUNK(pThis->memberFn(); return 0;)},
#define ON_BN_CLICKED(id, memberFn) {WM_COMMAND, BN_CLICKED, (id), AFX_THUNK(pThis->memberFn(); return 0;)},
#define ON_CBN_SELCHANGE(id, memberFn) {WM_COMMAND, CBN_SELCHANGE, (id), AFX_THUNK(pThis->memberFn(); return 0;)},
#define ON_CBN_EDITCHANGE(id, memberFn) {WM_COMMAND, CBN_EDITCHANGE, (id), AFX_THUNK(pThis->memberFn(); return 0;)},
#define ON_MESSAGE(message, memberFn) {(message), 0, 0, AFX_THUNK(return pThis->memberFn(wParam, lParam);)},
#define ON_WM_CREATE() {WM_CREATE, 0, 0, AFX_THUNK(return pThis->OnCreate();)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, AFX_THUNK(pThis->OnClose(); return 0;)},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, AFX_THUNK(pThis->OnPaint(); return 0;)},
#define ON_WM_QUERYDRAGICON() \
  {WM_QUERYDRAGICON, 0, 0, AFX_THUNK(return reinterpret_cast<LRESULT>(pThis->OnQueryDragIcon());)},
#define ON_WM_SYSCOMMAND() \
  {WM_SYSCOMMAND, 0, 0, AFX_THUNK(pThis->OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;)},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, AFX_THUNK(pThis->OnTimer(static_cast<UINT_PTR>(wParam)); return 0;)},
#define ON_WM_LBUTTONDOWN() \
  {WM_LBUTTONDOWN, 0, 0, AFX_THUNK(pThis->OnLButtonDown(static_cast<UINT>(wParam), lParam); return 0;)},
#define ON_WM_SETCURSOR() {WM_SETCURSOR, 0, 0, AFX_THUNK(return pThis->OnSetCursor(wParam, lParam);)},
#define ON_WM_DRAWITEM() {WM_DRAWITEM, 0, 0, AFX_THUNK(return pThis->OnDrawItem(wParam, lParam);)},

// Event-sink maps: events of hosted controls (plat::kWmControlEvent), by
// control id and dispatch id; the event's own parameters are not passed on.
#define DECLARE_EVENTSINK_MAP() \
 protected:                     \
  const AFX_MSGMAP* GetEventSinkMap() const override;

#define BEGIN_EVENTSINK_MAP(theClass, baseClass)                 \
  const AFX_MSGMAP* theClass::GetEventSinkMap() const {          \
    using ThisClass = theClass;                                  \
    static const AFX_MSGMAP_ENTRY s_entries[] = {
#define ON_EVENT(theClass, id, dispid, memberFn) \
  {plat::kWmControlEvent, (dispid), (id), AFX_THUNK(pThis->memberFn(); return 0;)},
#define END_EVENTSINK_MAP()                         \
  { 0, 0, 0, nullptr }                              \
  }                                                 \
  ;                                                 \
  static const AFX_MSGMAP s_map = {nullptr, s_entries}; \
  return &s_map;                                    \
  }

// clang-format on

// Base of every class with a message map.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  static const AFX_MSGMAP* GetThisMessageMap();

 protected:
  virtual const AFX_MSGMAP* GetMessageMap() const;
  virtual const AFX_MSGMAP* GetEventSinkMap() const { return nullptr; }
};

// Finds the event-sink entry for a control's event; nullptr when there is none.
const AFX_MSGMAP_ENTRY* AfxFindEventEntry(const AFX_MSGMAP* map, UINT id, UINT dispid);
