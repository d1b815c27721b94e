// The message handlers behind HandleWindowMessage, one subject per file.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

class SkinEngine;

// Caption mouse handling (caption_mouse.cpp). `index` is the window's record position.

// Whether the client point packed in `lParam` lies over the caption-button strip (with two
// pixels to spare on the left). A point above the client area (negative y) never does.
int IsInCaptionButtonStrip(int windowIndex, LPARAM lParam);
// Mouse tracking, the caption hover fade and the resize cursor.
void OnCaptionMouseMove(SkinEngine& engine, int index, HWND hwnd, LPARAM lParam);
void OnCaptionMouseLeave(SkinEngine& engine, int index);
// One 20 ms step of the fades; stops the timer once they are over and the mouse has gone.
void OnCaptionTimer(SkinEngine& engine, int index, HWND hwnd);
void OnCaptionButtonDown(SkinEngine& engine, int index, HWND hwnd, LPARAM lParam);
void OnCaptionButtonUp(SkinEngine& engine, int index);
void OnCaptionDoubleClick(SkinEngine& engine, int index, LPARAM lParam);

// Size limits (size_limits.cpp).
void OnGetMinMaxInfo(int index, HWND hwnd, MINMAXINFO* info);
void OnWindowPosChanged(SkinEngine& engine, int index, HWND hwnd);

// Colour replies and control notifications (control_colors.cpp).

// The brush for a WM_CTLCOLOR* message when the engine answers it; nothing when the
// message is to be passed on.
std::optional<LRESULT> ReplyControlColor(UINT message, HDC dc, HWND control);
// Repaints a skinned control after the notifications that leave it drawn wrongly.
void OnControlCommand(WPARAM wParam, LPARAM lParam);

// Working-set trimming (working_set.cpp): empties this process's working set on a
// short-lived thread of its own.
void StartWorkingSetTrim();

}  // namespace skin
