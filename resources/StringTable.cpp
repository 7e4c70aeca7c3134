#include "resources/StringTable.h"

#include "resources/resource.h"

namespace {

const StringResource kStrings[] = {
    {IDS_ABOUTBOX, "Dorvanta"},
    {IDS_TRAY_TIP, "VPN"},
};

}  // namespace

const std::span<const StringResource> kStringTable = kStrings;
