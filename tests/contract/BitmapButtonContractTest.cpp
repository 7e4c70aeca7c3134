// Contract of the window system's image buttons and skin pictures: both
// systems size them from the same bitmap files, at the main window's two
// pixels per dialog unit (times the monitor's scale on Windows).
#include <gtest/gtest.h>

#include <memory>

#include "framework/Resources.h"
#include "platform/Ports.h"
#include "platform/WinConstants.h"
#include "resources/resource.h"
#include "tests/contract/ContractEnvironment.h"

namespace {

using plat::ControlKind;

const plat::ControlTemplate kControls[] = {
    {IDC_CONNECT,
     ControlKind::OwnerDrawButton,
     "Connect",
     {7, 168, 64, 19},
     true,
     plat::kStyleTransparent,
     0},
    {IDC_SELECT_SERVER, ControlKind::OwnerDrawButton, "", {72, 161, 37, 23}, true, 0, 0},
    {IDC_BACKGROUND, ControlKind::Picture, "", {0, 0, 169, 193}, true, plat::kStyleRealSize, IDB_BACKGROUND},
};

const plat::DialogTemplate kSkinned = {901,
                                       "",
                                       168,
                                       191,
                                       "MS Shell Dlg 2",
                                       12,
                                       plat::kDlgCaption | plat::kDlgSysMenu | plat::kDlgPixelLayout,
                                       kControls};

// What the window system reports while the dialog initialises.
struct Observed {
  plat::Rect client, background, connect, connectPressedSet, selectServer;
};

class ObservingSink final : public plat::IWindowSink {
 public:
  explicit ObservingSink(plat::IWindowSystem& windows) : m_windows(windows) {}

  LRESULT OnWindowMessage(HWND hwnd, UINT msg, WPARAM, LPARAM, bool& handled) override {
    handled = msg == WM_INITDIALOG;
    if (!handled) return 0;
    HWND connect = m_windows.GetDlgItem(hwnd, IDC_CONNECT);
    HWND select = m_windows.GetDlgItem(hwnd, IDC_SELECT_SERVER);
    seen.client = m_windows.GetClientRect(hwnd);
    seen.background = m_windows.GetWindowRect(m_windows.GetDlgItem(hwnd, IDC_BACKGROUND));
    m_windows.SetButtonBitmaps(connect, IDB_CONNECT, IDB_CONNECT_DOWN, IDB_CONNECT, IDB_CONNECT);
    m_windows.SizeToBitmap(connect);
    seen.connect = m_windows.GetWindowRect(connect);
    // Only the normal image sizes the button.
    m_windows.SetButtonBitmaps(connect, IDB_DISCONNECT, IDB_SELECT_SERVER, 0, 0);
    m_windows.SizeToBitmap(connect);
    seen.connectPressedSet = m_windows.GetWindowRect(connect);
    m_windows.SetButtonBitmaps(select, IDB_SELECT_SERVER, IDB_SELECT_SERVER, IDB_SELECT_SERVER,
                               IDB_SELECT_SERVER);
    m_windows.SizeToBitmap(select);
    seen.selectServer = m_windows.GetWindowRect(select);
    m_windows.EndDialog(hwnd, 7);
    return TRUE;
  }

  Observed seen;

 private:
  plat::IWindowSystem& m_windows;
};

class BitmapButtonContract : public ::testing::Test {
 protected:
  void SetUp() override { m_env = MakeContractEnvironment(); }

  static plat::Rect BitmapSize(int id) {
    plat::Rect size;
    EXPECT_TRUE(AfxGetBitmapSize(id, size.right, size.bottom)) << id;
    return size;
  }

  std::unique_ptr<ContractEnvironment> m_env;
};

TEST_F(BitmapButtonContract, ButtonsAndSkinTakeTheirBitmapsSizesAtTheWindowsScale) {
  plat::IWindowSystem& windows = *plat::Current().windows;
  ObservingSink sink(windows);
  ASSERT_EQ(windows.DialogBox(kSkinned, nullptr, sink), 7);
  const Observed& seen = sink.seen;

  // The skin covers the client area exactly; its width gives the scale.
  plat::Rect skin = BitmapSize(IDB_BACKGROUND);
  ASSERT_GT(skin.Width(), 0);
  EXPECT_EQ(seen.client.Width(), seen.background.Width());
  EXPECT_EQ(seen.client.Height(), seen.background.Height());
  const double scale = static_cast<double>(seen.background.Width()) / skin.Width();
  EXPECT_NEAR(seen.background.Height(), skin.Height() * scale, 1.0);
  if (m_env->IsSimulated()) {
    EXPECT_EQ(scale, 1.0);
  }

  // Two pixels per dialog unit, from the skin's corner.
  EXPECT_NEAR(seen.connect.left - seen.background.left, 7 * plat::kPixelsPerDialogUnit * scale, 1.0);
  EXPECT_NEAR(seen.connect.top - seen.background.top, 168 * plat::kPixelsPerDialogUnit * scale, 1.0);

  plat::Rect connect = BitmapSize(IDB_CONNECT);
  EXPECT_NEAR(seen.connect.Width(), connect.Width() * scale, 1.0);
  EXPECT_NEAR(seen.connect.Height(), connect.Height() * scale, 1.0);
  plat::Rect disconnect = BitmapSize(IDB_DISCONNECT);
  EXPECT_NEAR(seen.connectPressedSet.Width(), disconnect.Width() * scale, 1.0);
  EXPECT_NEAR(seen.connectPressedSet.Height(), disconnect.Height() * scale, 1.0);
  plat::Rect select = BitmapSize(IDB_SELECT_SERVER);
  EXPECT_NEAR(seen.selectServer.Width(), select.Width() * scale, 1.0);
  EXPECT_NEAR(seen.selectServer.Height(), select.Height() * scale, 1.0);
}

}  // namespace
