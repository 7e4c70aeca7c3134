// What the fastest-server choice needs of the main window.
#pragma once

#include "framework/CString.h"
#include "platform/WinTypes.h"

class IProbeView {
 public:
  virtual ~IProbeView() = default;

  virtual void UpdateData(BOOL bSaveAndValidate) = 0;
  virtual HWND GetSafeHwnd() = 0;
  // The auto-select box's data-exchange value, and clearing it.
  virtual bool IsAutoSelectTicked() = 0;
  virtual void ClearAutoSelect() = 0;
  virtual CString GroupText() = 0;  // at most 255 characters
  virtual CString LineText() = 0;
  virtual int GetLineCount() = 0;
  virtual void SelectLine(int nIndex) = 0;
  virtual void EnableControl(int nId, bool bEnable) = 0;
  virtual void ShowControl(int nId, bool bShow) = 0;
  virtual void SetProgressRange(int nLow, int nHigh) = 0;
  virtual void SetProgressPos(int nPos) = 0;
  virtual void SetBusyPos(int nPos) = 0;
  virtual void SetProbeTimer(bool bRun) = 0;  // the indicator's tick, 100 ms
};
