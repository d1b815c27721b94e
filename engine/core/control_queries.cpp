// Small questions painters ask about a control: its class, its list-box kind and its font.
#include "engine/core/control_queries.h"

#include "engine/core/gdi_guards.h"
#include "graphics/graphics.h"

namespace skin {

std::string GetClassNameText(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

int IsOwnerDrawnListBox(HWND window) {
    // Class names compare without regard to case, as the window manager compares them.
    if (lstrcmpiA(GetClassNameText(window).c_str(), "ListBox") != 0) return 0;
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) ? 1 : 0;
}

ControlFont GetControlFont(HWND window) {
    ControlFont result;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    WindowDcGuard dc(window);
    graphics::Font gdiplusFont;
    if (!gdiplusFont.CreateFontFromHFONT(dc.get(), font)) return result;
    result.size = static_cast<int>(gdiplusFont.GetFontSize());
    result.style = gdiplusFont.GetFontStyle();
    graphics::FontFamily family;
    if (gdiplusFont.GetFamily(family)) result.face = family.GetFamilyName();
    family.DeleteFontFamily();
    gdiplusFont.DeleteFont();
    return result;
}

}  // namespace skin
