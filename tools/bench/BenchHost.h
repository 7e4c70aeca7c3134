// The Windows side of the probe benchmark, kept apart from the dialer's
// headers (which do not mix with <windows.h>).
#pragma once

#include "platform/Ports.h"

const plat::Ports& BenchPorts();
// Milliseconds from the performance counter.
double BenchNowMs();

struct BenchMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
// Gives the calling thread its message queue.
void BenchPrepareQueue();
// Takes the next queued thread message in [first, last]; false when none.
bool BenchTakeMessage(BenchMessage& out, UINT first, UINT last);
