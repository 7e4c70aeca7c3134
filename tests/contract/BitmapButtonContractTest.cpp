// Contract of the window system's image buttons and skin pictures on the
// main window: both systems size them from the same bitmap files, at two
// pixels per dialog unit (times the monitor's scale on Windows).
#include <gtest/gtest.h>

#include "framework/Resources.h"
#include "platform/Ports.h"
#include "platform/WinConstants.h"
#include "resources/DialogTemplates.h"
#include "resources/resource.h"
#include "tests/contract/ContractEnvironment.h"
#include "tests/contract/ScriptedSink.h"

namespace {

class BitmapButtonContract : public ContractTest {
 protected:
  static plat::Rect BitmapSize(int id) {
    plat::Rect size;
    EXPECT_TRUE(AfxGetBitmapSize(id, size.right, size.bottom)) << id;
    return size;
  }
};

TEST_F(BitmapButtonContract, ButtonsAndSkinTakeTheirBitmapsSizesAtTheWindowsScale) {
  plat::IWindowing& windows = *plat::Current().windows;
  struct {
    plat::Rect client, background, connect, connectPressedSet, selectServer;
  } seen;
  contract::ScriptedSink sink(
      windows, {[&](HWND dlg) {
        HWND connect = windows.GetDlgItem(dlg, IDC_CONNECT);
        HWND select = windows.GetDlgItem(dlg, IDC_SELECT_SERVER);
        seen.client = windows.GetClientRect(dlg);
        seen.background = windows.GetWindowRect(windows.GetDlgItem(dlg, IDC_BACKGROUND));
        windows.SetButtonBitmaps(connect, IDB_CONNECT, IDB_CONNECT_DOWN, IDB_CONNECT, IDB_CONNECT);
        windows.SizeToBitmap(connect);
        seen.connect = windows.GetWindowRect(connect);
        // Only the normal image sizes the button.
        windows.SetButtonBitmaps(connect, IDB_DISCONNECT, IDB_SELECT_SERVER, 0, 0);
        windows.SizeToBitmap(connect);
        seen.connectPressedSet = windows.GetWindowRect(connect);
        windows.SetButtonBitmaps(select, IDB_SELECT_SERVER, IDB_SELECT_SERVER, IDB_SELECT_SERVER,
                                 IDB_SELECT_SERVER);
        windows.SizeToBitmap(select);
        seen.selectServer = windows.GetWindowRect(select);
      }});
  ASSERT_EQ(windows.DialogBox(kMainDialogTemplate, nullptr, sink), contract::kEndResult);

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
