// Background capture: the skinned pixels behind a control, copied into a registered memory DC.
#pragma once
#include <windows.h>

namespace skin {

// Where the pixels behind a control come from.
struct BackgroundSource {
    // 1: an attached window (windowIndex) was reached before any container; 0 otherwise.
    int result = 0;
    int windowIndex = 0;     // record of that window, or of the container that stopped the walk
    int containerIndex = 0;  // the container that stopped the walk, 0 for none
    HWND host = nullptr;     // a window that renders its own surface ("Wxk_Zpf" = 1)
};

// Walks from `control` up its parents. With `useHosts` set, a window whose "Wxk_Zpf" is 1
// (the control itself included) stops the walk as the host, and so does the "Mb_zpf" window
// of a container. Otherwise the first attached window or container met is the source.
BackgroundSource FindBackgroundSource(HWND control, int useHosts);

// A width x height memory DC (the size of `rect`, in the control's window coordinates)
// holding what the skin shows behind that part of `control`: the back buffer of its
// attached window or the surface of its background host, tinted by the container it sits in
// or is. The DC is registered: give it back with ReleaseMemoryDc (or CopyDcToBitmap). Null
// when the control is not inside an attached window. GDI+ must be running.
HDC CaptureControlBackground(HWND control, const RECT& rect);

// The background behind the client area of `window` under a white veil of controlAlpha, as
// a registered memory DC of the client size (release with ReleaseMemoryDc); null when the
// window is not inside an attached window.
HDC VeiledBackgroundDc(HWND window);

// The same as a plain bitmap owned by the caller, for the pattern brushes of colour replies;
// null when there is no background.
HBITMAP MakeBackgroundBitmap(HWND control);

}  // namespace skin
