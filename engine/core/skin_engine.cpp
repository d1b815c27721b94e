// The engine object: construction, destruction, options and message routing.
#include "engine/core/skin_engine.h"

#include "engine/core/engine_settings.h"
#include "engine/core/engine_tables.h"

namespace skin {

SkinEngine::SkinEngine() {
    // Built here, while the table of virtual operations is this class's own: a derived class
    // that overrides the two operations builds its own adapters the same way.
    windowProcAdapter = MakeMethodAdapter(&SkinEngine::HandleWindowMessage, 4);
    buttonActionAdapter = MakeMethodAdapter(&SkinEngine::ClickCaptionButton, 2);
    buttonActionEntry = buttonActionAdapter.entry();
    backColor = GetSysColor(COLOR_BTNFACE);
}

SkinEngine::~SkinEngine() {
    // The icon goes before GDI+ does.
    if (defaultIcon) releaseCalls.destroyIcon(defaultIcon);
    defaultIcon = nullptr;
    ShutdownGraphics(gdiplusToken, 1);
    gdiplusToken = 0;
    windowProcAdapter.reset();
    buttonActionAdapter.reset();
    buttonActionEntry = 0;
}

LRESULT SkinEngine::HandleWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Pass on to the procedure the engine replaced; a window that never had one gets the
    // default handling instead of a call through a null procedure.
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "Hw_hProc"));
    if (!previous) return DefWindowProcA(hwnd, message, wParam, lParam);
    return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

void SkinEngine::ClickCaptionButton(int windowIndex, int buttonNumber) {
    if (windowIndex < 1 || windowIndex > static_cast<int>(windowRecords.size())) return;
    (void)buttonNumber;  // records carry no caption buttons yet
}

void SkinEngine::SetOptions(int skin, std::optional<int> alpha, std::optional<int> frame) {
    skinControls = skin;
    controlAlpha = alpha.value_or(DEFAULT_CONTROL_ALPHA);
    translucentControls = alpha.has_value() ? 1 : 0;
    trackBarFrame = frame.value_or(1);
}

}  // namespace skin
