// Screenshots: a DC's or a window's image saved as PNG under the build folder's artifacts/.
#include "tests/support/screenshot.h"

#include <objidl.h>
#include <gdiplus.h>

#include <vector>

namespace qtest {

namespace {
// The image/png encoder of GDI+.
const CLSID PNG_ENCODER = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

std::wstring Widen(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}
}  // namespace

std::string ArtifactsFolder() {
    std::string folder = QORVEL_ARTIFACTS_DIR;
    // Under Wine the build folder's Unix path is reached through drive Z:.
    if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;
    for (char& c : folder) {
        if (c == '/') c = '\\';
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string SaveScreenshot(HDC dc, int width, int height, const std::string& name) {
    if (!dc || width <= 0 || height <= 0) return {};
    HDC copyDc = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(copyDc, bitmap);
    BitBlt(copyDc, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(copyDc, previous);
    DeleteDC(copyDc);

    std::string path = ArtifactsFolder() + "\\" + name + ".png";
    Gdiplus::GpBitmap* image = nullptr;
    bool saved = false;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok) {
        saved = Gdiplus::DllExports::GdipSaveImageToFile(image, Widen(path).c_str(), &PNG_ENCODER,
                                                         nullptr) == Gdiplus::Ok;
        Gdiplus::DllExports::GdipDisposeImage(image);
    }
    DeleteObject(bitmap);
    return saved ? path : std::string();
}

std::string SaveWindowScreenshot(HWND window, const std::string& name) {
    RECT rect{};
    GetWindowRect(window, &rect);
    HDC dc = GetWindowDC(window);
    std::string path = SaveScreenshot(dc, rect.right - rect.left, rect.bottom - rect.top, name);
    ReleaseDC(window, dc);
    return path;
}

}  // namespace qtest
