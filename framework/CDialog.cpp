#include "framework/CDialog.h"

#include <cstdlib>

#include "framework/CWinApp.h"

CDialog::CDialog(int templateId, CWnd* parent)
    : m_pTemplate(AfxGetApp() ? AfxGetApp()->FindDialogTemplate(templateId) : nullptr), m_pParent(parent) {
  if (m_pTemplate == nullptr) std::abort();  // a missing template is a build fault
}

INT_PTR CDialog::DoModal() {
  // Without a parent the application's main window owns the dialog.
  CWnd* owner = m_pParent;
  if (owner == nullptr && AfxGetApp() && AfxGetApp()->m_pMainWnd != this) owner = AfxGetApp()->m_pMainWnd;
  HWND parent = owner ? owner->GetSafeHwnd() : nullptr;
  INT_PTR result = Windows().DialogBox(*m_pTemplate, parent, *this);
  m_hWnd = nullptr;
  return result;
}

void CDialog::EndDialog(INT_PTR result) {
  Windows().EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate != FALSE);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
  if (msg == WM_INITDIALOG) {
    handled = true;
    return OnInitDialog();
  }
  return CWnd::WindowProc(msg, wParam, lParam, handled);
}

bool CDialog::OnCommand(UINT id, UINT code, bool& handled) {
  if (CWnd::OnCommand(id, code, handled)) return true;
  // Commands the map does not name: OK and Cancel go to their virtuals.
  if (code == BN_CLICKED && id == IDOK) {
    OnOK();
    handled = true;
  } else if (code == BN_CLICKED && id == IDCANCEL) {
    OnCancel();
    handled = true;
  }
  return handled;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (control.m_hWnd == nullptr) control.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(id);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
  HWND item = pDX->m_pDlgWnd->GetDlgItem(id);
  if (pDX->m_bSaveAndValidate)
    value = CString(CWnd::Windows().GetWindowText(item));
  else
    CWnd::Windows().SetWindowText(item, value.View());
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  HWND item = pDX->m_pDlgWnd->GetDlgItem(id);
  if (pDX->m_bSaveAndValidate)
    value = CWnd::Windows().GetCheck(item);
  else
    CWnd::Windows().SetCheck(item, value);
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
  const auto& controls = pDX->m_pDlgWnd->Template().controls;
  size_t first = 0;
  while (first < controls.size() && controls[first].id != firstId) ++first;
  if (pDX->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (size_t i = first; i < controls.size(); ++i, ++index) {
    const auto& control = controls[i];
    if (control.kind != plat::ControlKind::RadioButton) break;
    if (i != first && (control.style & plat::kStyleGroup)) break;
    HWND item = pDX->m_pDlgWnd->GetDlgItem(control.id);
    if (pDX->m_bSaveAndValidate) {
      if (CWnd::Windows().GetCheck(item) && value == -1) value = index;
    } else {
      CWnd::Windows().SetCheck(item, index == value ? 1 : 0);
    }
  }
}
