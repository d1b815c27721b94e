// Moving, resizing and bottom-bar operations not built yet (removed from here as they are built).
#include "engine/core/background_picture.h"
#include "engine/core/skin_engine.h"

namespace skin {

void SkinEngine::HandleCaptionMouseDown(int, LPARAM, const RECT&) {}
void SkinEngine::UpdateResizeCursor(int, LPARAM, const RECT&) {}
void SkinEngine::CreateBottomBar(int, int, std::optional<std::vector<BottomBarItem>>) {}
void SkinEngine::LayoutBottomBar(int) {}
void SkinEngine::DrawBottomBarItem(int, graphics::Graphics&, int, std::optional<int>) {}
int SkinEngine::SetBottomBarItem(HWND, int, const std::string&, std::optional<graphics::Bytes>,
                                 std::optional<COLORREF>) {
    return 0;
}
int SkinEngine::SetBottomBarStyle(HWND, std::optional<int>, std::optional<int>,
                                  std::optional<COLORREF>, std::optional<COLORREF>,
                                  std::optional<std::string>, std::optional<int>) {
    return 0;
}
void SkinEngine::LayoutDockedWindows(int) {}

COLORREF ArgbToColorref(std::uint32_t, BYTE& alpha) {
    alpha = 0;
    return 0;
}
COLORREF SampleAverageColor(const graphics::Bytes&, int, std::optional<int>, std::optional<int>,
                            const std::string&) {
    return 0;
}
graphics::Bytes ComposeFadedBackground(const graphics::Bytes&, std::optional<int>, COLORREF,
                                       std::optional<int>, const std::string&) {
    return {};
}

}  // namespace skin
