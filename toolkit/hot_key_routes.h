// Which control receives the presses of a hot key registered for an owner window.
#pragma once
#include <windows.h>

namespace toolkit {

void AddHotKeyRoute(HWND owner, int id, HWND receiver);
// The receiver of hot key `id` of `owner`, or null when there is no such route.
HWND HotKeyReceiver(HWND owner, int id);
// Forgets every route of `owner` (its hot keys go with the window).
void DropHotKeyRoutes(HWND owner);
// True while some window has a route for `id`.
bool HotKeyIdInUse(int id);

}  // namespace toolkit
