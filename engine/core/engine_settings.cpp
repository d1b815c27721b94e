// Process-wide engine settings, GDI+ start-up and the engine module's set-up.
#include "engine/core/engine_settings.h"

#include <gdiplus.h>

namespace skin {

ULONG_PTR gdiplusToken = 0;
ULONG_PTR gdiplusTokenCopy = 0;
HICON defaultIcon = nullptr;
int firstSizePending = 1;
int skinControls = 1;
int controlAlpha = DEFAULT_CONTROL_ALPHA;
int translucentControls = 0;
COLORREF themeColor = DEFAULT_THEME_COLOR;
int trackBarFrame = 1;
COLORREF backColor = 0;
int defaultBackgroundLayout = 0;
graphics::Bytes defaultBackgroundImage;

namespace {
void WINAPI ShutdownGdiplus(ULONG_PTR token) { Gdiplus::GdiplusShutdown(token); }

HICON LoadDefaultIcon() {
    HINSTANCE module = GetModuleHandleW(nullptr);
    // Not shared (no LR_SHARED): the engine owns the icon and destroys it at the end.
    auto icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(DEFAULT_ICON_RESOURCE),
                                              IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    if (!icon) icon = static_cast<HICON>(LoadImageA(module, "DEFAULT_ICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    return icon;
}
}  // namespace

ReleaseCalls releaseCalls = {&::DestroyIcon, &ShutdownGdiplus};

ULONG_PTR StartGraphics(UINT32 version) {
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = version;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) token = 0;
    gdiplusTokenCopy = token;
    return token;
}

void ShutdownGraphics(ULONG_PTR token, int useGivenToken) {
    if (!useGivenToken) {
        token = gdiplusTokenCopy;
        gdiplusTokenCopy = 0;
    }
    if (token != 0) releaseCalls.gdiplusShutdown(token);
}

void EngineModuleSetUp() {
    // Run again before the engine is gone, it keeps the GDI+ session and icon it has: a second
    // start-up would leave the first token (and GDI+ itself) never shut down.
    if (gdiplusToken == 0) gdiplusToken = StartGraphics();
    if (defaultIcon == nullptr) defaultIcon = LoadDefaultIcon();
    firstSizePending = 1;
    skinControls = 1;
    controlAlpha = DEFAULT_CONTROL_ALPHA;
    themeColor = DEFAULT_THEME_COLOR;
    trackBarFrame = 1;
}

}  // namespace skin
