// Modal dialogs from template tables, with data exchange.
#pragma once

#include "framework/CWnd.h"

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CDialog* dlg, bool saveAndValidate) : m_pDlgWnd(dlg), m_bSaveAndValidate(saveAndValidate) {}
  CDialog* m_pDlgWnd;
  bool m_bSaveAndValidate;  // true: controls to members
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
// The radio group that starts at firstId: index of the checked button, -1 for none.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);

class CDialog : public CWnd {
 public:
  explicit CDialog(int templateId, CWnd* parent = nullptr);

  INT_PTR DoModal();
  void EndDialog(INT_PTR result);
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  const plat::DialogTemplate& Template() const { return *m_pTemplate; }

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
  bool OnCommand(UINT id, UINT code, bool& handled) override;

 private:
  const plat::DialogTemplate* m_pTemplate;
  CWnd* m_pParent;
};
