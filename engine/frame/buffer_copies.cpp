// Copies between an attached window's buffers and the screen: presenting and restoring.
#include <algorithm>

#include "engine/core/child_windows.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"

namespace skin {

namespace {
// `rect` cut to the `width` x `height` surface that starts at `origin`, so that a copy never
// reads outside a buffer.
RECT ClipToSurface(const RECT& rect, POINT origin, int width, int height) {
    RECT clipped{std::max(rect.left, origin.x), std::max(rect.top, origin.y),
                 std::min(rect.right, origin.x + width), std::min(rect.bottom, origin.y + height)};
    if (clipped.right < clipped.left) clipped.right = clipped.left;
    if (clipped.bottom < clipped.top) clipped.bottom = clipped.top;
    return clipped;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}
}  // namespace

void SkinEngine::PresentWindow(int windowIndex, HDC hdc) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->backBufferDc || !hdc) return;
    RECT window{};
    GetWindowRect(record->hwnd, &window);
    HDC dc = GetDcWithoutChildren(record->hwnd, hdc);
    BitBlt(dc, 0, 0, window.right - window.left, window.bottom - window.top, record->backBufferDc,
           0, 0, SRCCOPY);
}

void SkinEngine::RestoreCaptionArea(int windowIndex, const RECT& rect) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->backBufferDc || !record->captionBufferDc) return;
    const SIZE size = BitmapSize(record->captionBufferBitmap);
    const RECT r = ClipToSurface(rect, {0, 0}, size.cx, size.cy);
    BitBlt(record->backBufferDc, r.left, r.top, r.right - r.left, r.bottom - r.top,
           record->captionBufferDc, r.left, r.top, SRCCOPY);
    GdiFlush();  // GDI+ may draw on these pixels next
}

void SkinEngine::RestoreBottomBarArea(int windowIndex, const RECT& rect) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || !record->backBufferDc || !record->bottomBarBufferDc) return;
    const IntRect& bar = record->bottomBarRect;
    const SIZE size = BitmapSize(record->bottomBarBufferBitmap);
    const RECT r = ClipToSurface(rect, {bar.x, bar.y}, size.cx, size.cy);
    BitBlt(record->backBufferDc, r.left, r.top, r.right - r.left, r.bottom - r.top,
           record->bottomBarBufferDc, r.left - bar.x, r.top - bar.y, SRCCOPY);
    GdiFlush();  // GDI+ may draw on these pixels next
}

}  // namespace skin
