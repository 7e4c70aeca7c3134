// Which entry a random-pick entry of the server list dials.
#pragma once

#include "framework/CString.h"

// A server entry whose address contains this stands for a random pick.
constexpr const char* kRandomPickMarker = "0.0.0.0";
constexpr int kRandomPickSpan = 12;

// The index a random pick dials: one of the (at most twelve) entries just
// before the selected one, chosen by randomValue; -1 when none precedes it.
int RandomPickIndex(int nSelection, int nRandomValue);
