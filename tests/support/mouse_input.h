// Real mouse input for tests: absolute moves, presses and drags through SendInput.
#pragma once
#include <windows.h>

namespace qtest {

// Queues absolute mouse input at screen point (x, y) with the given button flags.
void SendMouse(int x, int y, DWORD flags = 0);

// Presses at `from`, moves in steps to `to` and releases there, while this thread pumps its
// messages. The input comes from a thread of its own, because the press may start the
// system's move or size loop on this thread, which then owns the mouse until the release.
void DragMouse(POINT from, POINT to);

}  // namespace qtest
