// Windows given a window record and a back buffer by hand, as the window attach will do.
#include "tests/support/skinned_window.h"

#include "engine/core/engine_tables.h"
#include "engine/core/memory_dc.h"
#include "engine/core/window_detach.h"

namespace qtest {

namespace {
constexpr char PREVIOUS_PROC[] = "QorvelTestPreviousProc";

LRESULT CALLBACK DetachingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, PREVIOUS_PROC));
    if (message == WM_NCDESTROY) skin::DetachWindow(hwnd);
    return previous ? CallWindowProcA(previous, hwnd, message, wParam, lParam)
                    : DefWindowProcA(hwnd, message, wParam, lParam);
}

// A memory DC with a fresh bitmap; `previous` receives what the DC held before.
HDC CreateBuffer(int width, int height, HBITMAP* bitmap, HGDIOBJ* previous) {
    *bitmap = skin::CreateSurfaceBitmap(width, height);
    HDC dc = CreateCompatibleDC(nullptr);
    *previous = SelectObject(dc, *bitmap);
    return dc;
}
}  // namespace

void SetIdentity(HWND control, const char* positionName, int position, const char* ownerName,
                 int windowIndex) {
    SetPropA(control, positionName, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(position)));
    SetPropA(control, ownerName, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(windowIndex)));
}

int GiveWindowRecord(HWND hwnd) {
    skin::WindowSkinRecord record;
    record.hwnd = hwnd;
    record.captionHeight = 25;
    record.showCloseButton = 1;

    RECT rect{};
    GetWindowRect(hwnd, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    HBITMAP backBitmap = nullptr;
    HGDIOBJ backPrevious = nullptr;
    record.backBufferDc = CreateBuffer(width, height, &backBitmap, &backPrevious);
    GdiFlush();
    BITMAP layout{};
    GetObjectA(backBitmap, sizeof layout, &layout);
    auto* pixels = static_cast<DWORD*>(layout.bmBits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = BackBufferColor(x, y);
            pixels[y * width + x] = 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    SetPropA(hwnd, "Ck_Ycjdx", backPrevious);
    SetPropA(hwnd, "Ck_wtjbdx", backBitmap);

    record.captionBufferDc =
        CreateBuffer(width, 25, &record.captionBufferBitmap, &record.captionBufferOldObject);
    record.bottomBarBufferDc =
        CreateBuffer(width, 20, &record.bottomBarBufferBitmap, &record.bottomBarBufferOldObject);

    skin::windowRecords.push_back(std::move(record));
    const int windowIndex = static_cast<int>(skin::windowRecords.size());

    const LONG_PTR previous =
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DetachingProc));
    SetPropA(hwnd, PREVIOUS_PROC, reinterpret_cast<HANDLE>(previous));
    skin::windowRecords.back().previousWndProc = reinterpret_cast<WNDPROC>(previous);
    skin::windowRecords.back().attached = 1;
    SetPropA(hwnd, "Hw_hProc", reinterpret_cast<HANDLE>(previous));
    SetPropA(hwnd, "Hw_lbID", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(windowIndex)));
    return windowIndex;
}

int RegisterContainer(int windowIndex, HWND window, COLORREF tintColor, int tintAlpha,
                      bool isGroupBox, bool enabled) {
    skin::WindowSkinRecord& record = skin::windowRecords[static_cast<size_t>(windowIndex) - 1];
    const int position = record.containers.TakeEntry();
    skin::ContainerRecord& container = record.containers.At(position);
    container.window = window;
    container.tintColor = tintColor;
    container.tintAlpha = static_cast<BYTE>(tintAlpha);
    container.isGroupBox = isGroupBox ? 1 : 0;
    container.enabled = enabled ? 1 : 0;
    SetIdentity(window, "Hw_lbID", position, "Hw_FuID", windowIndex);
    return position;
}

}  // namespace qtest
