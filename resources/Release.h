// The release's names and numbers, defined once with the installer's
// (cmake/Release.cmake).
#pragma once

#include "DorvantaRelease.h"

namespace release {

constexpr const char* kProductName = DORVANTA_PRODUCT_NAME;
constexpr const char* kCopyright = "Copyright (C) " DORVANTA_MAKER;
// The release written without its points, as the server directory publishes it.
constexpr int kNumber = DORVANTA_RELEASE_NUMBER;

}  // namespace release
