// The gallery program: it starts, shows a skinned window, is screenshot and closes cleanly.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/gdiplus_session.h"
#include "tests/support/pixel_probe.h"
#include "tests/support/screenshot.h"

namespace {

// The gallery's path as Windows sees it (the build folder is reached through drive Z:).
std::string GalleryPath() {
    std::string path = QORVEL_GALLERY_EXE;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

HWND WaitForWindow(const char* className, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        if (HWND hwnd = FindWindowA(className, nullptr)) return hwnd;
        Sleep(50);
    }
    return nullptr;
}

TEST(Gallery, ShowsASkinnedWindowAndClosesCleanly) {
    qtest::GdiplusSession gdiplus;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + GalleryPath() + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << GalleryPath();
    const HWND hwnd = WaitForWindow("QorvelGallery", 10000);
    ASSERT_NE(hwnd, nullptr);
    Sleep(1500);  // first paint and a clock tick

    RECT rect{};
    GetWindowRect(hwnd, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 420);
    // The mouse rests on the close button, which lights up red.
    SetCursorPos(rect.left + width - 20, rect.top + 10);
    Sleep(600);
    // What the screen shows of the window, read back and kept as a picture.
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    EXPECT_FALSE(qtest::SaveScreenshot(copy, width, height, "gallery").empty());
    const COLORREF lit = GetPixel(copy, width - 30, 3);
    EXPECT_GT(GetRValue(lit), GetBValue(lit) + 60);
    // The frame's dark outer line at the bottom edge, and the dusk picture inside.
    const COLORREF edge = GetPixel(copy, width / 2, height - 1);
    EXPECT_LT(GetRValue(edge) + GetGValue(edge) + GetBValue(edge), 150);
    const COLORREF sky = GetPixel(copy, 500, 200);
    EXPECT_GT(GetBValue(sky), GetRValue(sky));
    SelectObject(copy, previous);
    DeleteObject(bitmap);
    DeleteDC(copy);

    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
