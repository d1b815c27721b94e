// The engine object: construction, destruction and options.
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
    ReturnAttachedWindows();
    // The icon goes before GDI+ does.
    if (defaultIcon) releaseCalls.destroyIcon(defaultIcon);
    defaultIcon = nullptr;
    ShutdownGraphics(gdiplusToken, 1);
    gdiplusToken = 0;
    windowProcAdapter.reset();
    buttonActionAdapter.reset();
    buttonActionEntry = 0;
}

void SkinEngine::ReturnAttachedWindows() {
    // A window still attached would call into this object through the adapter freed by the
    // destructor: it gets back the procedure the engine replaced, and its caption animation
    // stops. Its record stays for ReleaseEngineTables.
    const auto adapter = static_cast<LONG_PTR>(windowProcAdapter.entry());
    if (adapter == 0) return;
    for (const WindowSkinRecord& record : windowRecords) {
        if (!record.hwnd || !IsWindow(record.hwnd)) continue;
        if (GetWindowLongPtrA(record.hwnd, GWLP_WNDPROC) != adapter) continue;
        KillTimer(record.hwnd, reinterpret_cast<UINT_PTR>(record.hwnd));
        SetWindowLongPtrA(record.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.previousWndProc));
    }
}

void SkinEngine::SetOptions(int skin, std::optional<int> alpha, std::optional<int> frame) {
    skinControls = skin;
    controlAlpha = alpha.value_or(DEFAULT_CONTROL_ALPHA);
    translucentControls = alpha.has_value() ? 1 : 0;
    trackBarFrame = frame.value_or(1);
}

}  // namespace skin
