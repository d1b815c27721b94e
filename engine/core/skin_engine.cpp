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
    // The icon goes before GDI+ does.
    if (defaultIcon) releaseCalls.destroyIcon(defaultIcon);
    defaultIcon = nullptr;
    ShutdownGraphics(gdiplusToken, 1);
    gdiplusToken = 0;
    windowProcAdapter.reset();
    buttonActionAdapter.reset();
    buttonActionEntry = 0;
}

void SkinEngine::SetOptions(int skin, std::optional<int> alpha, std::optional<int> frame) {
    skinControls = skin;
    controlAlpha = alpha.value_or(DEFAULT_CONTROL_ALPHA);
    translucentControls = alpha.has_value() ? 1 : 0;
    trackBarFrame = frame.value_or(1);
}

}  // namespace skin
