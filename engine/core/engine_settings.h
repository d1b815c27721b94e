// The engine's process-wide settings, its module set-up and GDI+ start-up and shut-down.
#pragma once
#include <windows.h>

#include <cstdint>

#include "graphics/bytes.h"

namespace skin {

// One set per process, shared by every engine object. EngineModuleSetUp gives the first values.
extern ULONG_PTR gdiplusToken;          // token of the GDI+ start-up, 0 when it failed
extern ULONG_PTR gdiplusTokenCopy;      // second copy, consumed by ShutdownGraphics(…, 0)
extern HICON defaultIcon;               // drawn 17 x 17 at the left of every skinned caption
extern int firstSizePending;            // cleared by the first size change of any skinned window
extern int skinControls;                // attach also skins the standard controls
extern int controlAlpha;                // alpha of the white veil over control backgrounds
extern int translucentControls;         // controls show the window background through the veil
extern COLORREF themeColor;             // base colour of borders, highlights and decorations
extern int trackBarFrame;               // skinned track bars get the outlined gradient frame
extern COLORREF backColor;              // background colour of skinned client areas
extern int defaultBackgroundLayout;     // layout used by attach when the caller gives none
extern graphics::Bytes defaultBackgroundImage;  // picture behind client areas without their own

constexpr COLORREF DEFAULT_THEME_COLOR = RGB(34, 202, 221);
constexpr int DEFAULT_CONTROL_ALPHA = 160;
constexpr int DEFAULT_ICON_RESOURCE = 129;

// The platform calls through which the engine releases its process-wide resources. They are
// the real functions; a program (or a test) may wrap them to observe the order of release.
struct ReleaseCalls {
    BOOL(WINAPI* destroyIcon)(HICON icon);
    void(WINAPI* gdiplusShutdown)(ULONG_PTR token);
};
extern ReleaseCalls releaseCalls;

// Starts GDI+ (version 1 unless given), keeps the token in gdiplusTokenCopy and returns it;
// 0 when GDI+ cannot be started.
ULONG_PTR StartGraphics(UINT32 version = 1);

// Shuts GDI+ down with `token`, or, when useGivenToken is 0, with gdiplusTokenCopy, which is
// then cleared. A zero token shuts nothing down.
void ShutdownGraphics(ULONG_PTR token, int useGivenToken);

// Module set-up, run once at start-up before any window: starts GDI+, loads the default icon
// (resource 129, else "DEFAULT_ICON") and stores the option defaults. Run again while GDI+ and
// the icon are held, it only restores the option defaults.
void EngineModuleSetUp();

}  // namespace skin
