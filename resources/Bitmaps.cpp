// Sizes of the bitmap resources (the images themselves are in the
// executable's resource script).
#include "framework/Resources.h"
#include "resources/resource.h"

namespace {

struct BitmapSize {
  int id, cx, cy;
};

constexpr BitmapSize kBitmapSizes[] = {
    {IDB_CONNECT, 96, 28},         {IDB_CONNECT_DOWN, 96, 28}, {IDB_DISCONNECT, 96, 28},
    {IDB_DISCONNECT_DOWN, 96, 28}, {IDB_BACKGROUND, 380, 463}, {IDB_SELECT_SERVER, 56, 36},
};

}  // namespace

bool AfxGetBitmapSize(int id, int& cx, int& cy) {
  for (const BitmapSize& size : kBitmapSizes) {
    if (size.id == id) {
      cx = size.cx;
      cy = size.cy;
      return true;
    }
  }
  return false;
}
