// Frame painting operations not built yet (each is removed from here when it is built).
#include "engine/core/skin_engine.h"
#include "engine/frame/text_effects.h"

namespace skin {

void SkinEngine::PresentWindow(int, HDC) {}
void SkinEngine::PaintClientBackground(graphics::Graphics&, int) {}
void SkinEngine::PaintWindowBorder(int, graphics::Graphics&) {}
void SkinEngine::DrawCaptionButtonSeparators(int, int, graphics::Graphics&) {}
void SkinEngine::RestoreCaptionArea(int, const RECT&) {}
void SkinEngine::RestoreBottomBarArea(int, const RECT&) {}
void SkinEngine::DrawCaptionButton(int, int, graphics::Graphics&, int, std::optional<int>,
                                   std::optional<int>) {}
void SkinEngine::DrawCaptionButtonHighlight(graphics::Graphics&, int, int, int) {}
void SkinEngine::LayoutCaptionButtons(int) {}
int SkinEngine::HitTestCaptionButton(int, int, int) { return 0; }
int SkinEngine::FindMaximizeButton(int) { return 0; }
INT_PTR SkinEngine::SetHelpButtonHandler(HWND, INT_PTR) { return 0; }
INT_PTR SkinEngine::SetMenuButtonHandler(HWND, INT_PTR) { return 0; }
void SkinEngine::DrawCaptionTitle(int, graphics::Graphics&, int, std::optional<std::string>) {}
RECT SkinEngine::GetCaptionButtonStrip(HWND) { return RECT{}; }
COLORREF SkinEngine::GetBackColor() { return 0; }
int SkinEngine::SetCaptionButtonImages(HWND, std::optional<graphics::Bytes>,
                                       std::optional<graphics::Bytes>,
                                       std::optional<graphics::Bytes>,
                                       std::optional<graphics::Bytes>) {
    return 0;
}

void DrawHaloText(graphics::Graphics&, const std::string&, const FloatRect&, COLORREF, COLORREF,
                  int, const std::string&, int, int, int, int) {}
void DrawGlowText(graphics::Graphics&, const std::string&, const FloatRect&, COLORREF, COLORREF,
                  int, const std::string&, int, int, int, int) {}

}  // namespace skin
