// Per-window operations not built yet (removed from here as they are built).
#include "engine/core/skin_engine.h"

namespace skin {

void SkinEngine::AttachWindow(HWND, std::optional<int>, std::optional<int>, std::optional<int>,
                              std::optional<int>, std::optional<int>, std::optional<int>,
                              std::optional<int>, std::optional<int>,
                              const std::vector<BottomBarItem>&, const graphics::Bytes&,
                              std::optional<int>) {}
int SkinEngine::AddCaptionButton(HWND, const graphics::Bytes&, const std::string&, INT_PTR) {
    return 0;
}
int SkinEngine::SetTitleStyle(HWND, std::optional<std::string>, std::optional<int>,
                              std::optional<COLORREF>, std::optional<COLORREF>,
                              std::optional<int>) {
    return 0;
}
int SkinEngine::SetWindowBackground(HWND, const graphics::Bytes&, std::optional<int>) {
    return 0;
}
void SkinEngine::SetTheme(const std::string&, const graphics::Bytes&, std::optional<COLORREF>,
                          std::optional<COLORREF>, std::optional<int>) {}
void SkinEngine::PaintWindow(int, int) {}

}  // namespace skin
