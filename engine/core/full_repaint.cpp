// PaintWindow: composing an attached window into its back buffer and its two clean copies.
#include "engine/core/full_repaint.h"

#include "engine/core/back_buffer_surface.h"
#include "engine/core/child_windows.h"
#include "engine/core/engine_settings.h"
#include "engine/core/gdi_guards.h"
#include "engine/core/memory_dc.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "graphics/graphics.h"

namespace skin {

namespace {

constexpr int REGION_CORNER = 7;

// A buffer DC of the record (caption or bottom-bar copy) with what it holds.
struct BufferFields {
    HDC& dc;
    HGDIOBJ& oldObject;
    HBITMAP& bitmap;
};

void ReleaseBuffer(BufferFields buffer) {
    if (buffer.dc) {
        if (buffer.oldObject) SelectObject(buffer.dc, buffer.oldObject);
        DeleteDC(buffer.dc);
    }
    if (buffer.bitmap) DeleteObject(buffer.bitmap);
    buffer.dc = nullptr;
    buffer.oldObject = nullptr;
    buffer.bitmap = nullptr;
}

// A new buffer of width x height holding that area of `source` from (x, y).
void RefillBuffer(BufferFields buffer, HDC source, int x, int y, int width, int height) {
    ReleaseBuffer(buffer);
    buffer.dc = CreateCompatibleDC(nullptr);
    buffer.bitmap = CreateSurfaceBitmap(width, height);
    if (buffer.dc && buffer.bitmap) {
        buffer.oldObject = SelectObject(buffer.dc, buffer.bitmap);
        BitBlt(buffer.dc, 0, 0, width, height, source, x, y, SRCCOPY);
    }
}

// Puts a fresh surface bitmap of the client size into the back buffer. The object the DC
// held first is kept in "Ck_Ycjdx" (the window's release selects it back); every later
// bitmap replaced here is deleted, so one back-buffer bitmap is alive at a time.
void RenewBackBuffer(WindowSkinRecord& record, int width, int height) {
    if (!record.backBufferDc) record.backBufferDc = CreateCompatibleDC(nullptr);
    HBITMAP surface = CreateSurfaceBitmap(width, height);
    if (!record.backBufferDc || !surface) {
        if (surface) DeleteObject(surface);
        return;
    }
    HGDIOBJ previous = SelectObject(record.backBufferDc, surface);
    if (!GetPropA(record.hwnd, "Ck_Ycjdx")) {
        SetPropA(record.hwnd, "Ck_Ycjdx", previous);
    } else if (previous) {
        DeleteObject(previous);
    }
    SetPropA(record.hwnd, "Ck_wtjbdx", surface);
}

template <class Entry, class Visit>
void ForDirectControls(const WindowSkinRecord& record, const RecordList<Entry>& list, Visit visit) {
    for (const Entry& entry : list) {
        if (entry.hwnd && GetParent(entry.hwnd) == record.hwnd) visit(entry.hwnd);
    }
}

}  // namespace

void ApplyRoundedRegion(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    // Region coordinates are relative to the window rectangle: a window that still has a
    // system frame keeps only its client area, the part the skin paints.
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    RECT window{};
    GetWindowRect(hwnd, &window);
    const int left = origin.x - window.left;
    const int top = origin.y - window.top;
    // Corner ellipses of 7 x 7, the size of the frame's outer arcs: a smaller one would show
    // the clear colour the back buffer keeps outside the rounded client shape.
    HRGN region = CreateRoundRectRgn(left, top, left + client.right + 1, top + client.bottom + 1,
                                     REGION_CORNER, REGION_CORNER);
    if (!region) return;
    // Setting a region is slow (the display server reshapes the window): a window that still
    // has the region set here last keeps it. The system may store the region in its own
    // form, so it is recognised by the size it was made for and its bounds.
    const HANDLE applied = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(
        MAKELONG(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom))));
    const RegionGuard current(CreateRectRgn(0, 0, 0, 0));
    RECT currentBox{}, newBox{};
    if (current && GetPropA(hwnd, REGION_SIZE_PROPERTY) == applied &&
        GetWindowRgn(hwnd, current.get()) != ERROR && GetRgnBox(current.get(), &currentBox) &&
        GetRgnBox(region, &newBox) && EqualRect(&currentBox, &newBox)) {
        DeleteObject(region);
        return;
    }
    SetWindowRgn(hwnd, nullptr, TRUE);
    // Not activating: a repaint must not take the focus from another window.
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (SetWindowRgn(hwnd, region, TRUE)) {
        SetPropA(hwnd, REGION_SIZE_PROPERTY, applied);
    } else {
        DeleteObject(region);
    }
}

void InvalidateWithChildren(HWND hwnd, int children) {
    InvalidateRect(hwnd, nullptr, TRUE);
    if (children) InvalidateVisibleChildren(hwnd);
}

void RepaintDirectControls(int windowIndex) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    auto erase = [](HWND control) { InvalidateRect(control, nullptr, TRUE); };
    auto keep = [](HWND control) { InvalidateRect(control, nullptr, FALSE); };
    ForDirectControls(*record, record->lists, [](HWND control) { InvalidateWithChildren(control, 1); });
    ForDirectControls(*record, record->combos, erase);
    ForDirectControls(*record, record->edits, erase);
    ForDirectControls(*record, record->buttons, keep);
    ForDirectControls(*record, record->trackBars, keep);
    ForDirectControls(*record, record->progressBars, keep);
    ForDirectControls(*record, record->spins, keep);
}

void RepaintHeaders(int windowIndex) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    for (const HeaderRecord& header : record->headers) {
        if (header.hwnd) InvalidateRect(header.hwnd, nullptr, FALSE);
    }
}

void SkinEngine::PaintWindow(int windowIndex, int present) {
    const WindowSkinRecord* first = RecordAt(windowIndex);
    if (!first) return;
    HWND hwnd = first->hwnd;
    RECT client{};
    GetClientRect(hwnd, &client);
    const int width = client.right;
    const int height = client.bottom;
    ApplyRoundedRegion(hwnd);
    // Calls that send messages to the window may let its program attach or destroy windows,
    // which moves records: the record is looked up again after each of them.
    auto current = [&]() -> WindowSkinRecord* {
        WindowSkinRecord* record = RecordAt(windowIndex);
        return record && record->hwnd == hwnd ? record : nullptr;
    };
    WindowSkinRecord* record = current();
    if (!record) return;
    RenewBackBuffer(*record, width, height);
    HDC backBuffer = record->backBufferDc;
    if (!backBuffer) return;

    {
        graphics::Bitmap pixels;
        graphics::Graphics surface;
        BindToBackBuffer(surface, pixels, backBuffer);
        PaintClientBackground(surface, windowIndex);
        if (record->captionEnabled) {
            PaintWindowBorder(windowIndex, surface);
            surface.Flush();
            RefillBuffer({record->captionBufferDc, record->captionBufferOldObject,
                          record->captionBufferBitmap},
                         backBuffer, 0, 0, width, record->captionHeight);
        }
        surface.Flush();
        GdiFlush();
        const IntRect bar = record->bottomBarRect;
        RefillBuffer({record->bottomBarBufferDc, record->bottomBarBufferOldObject,
                      record->bottomBarBufferBitmap},
                     backBuffer, bar.x, bar.y, bar.width, bar.height);

        if (record->captionEnabled) {
            if (record->showTitle) {
                DrawCaptionTitle(windowIndex, surface, 1);
                if (!(record = current())) return;
            }
            for (int i = 1; i <= record->captionButtons.Count(); ++i) {
                DrawCaptionButton(windowIndex, i, surface, 1);
            }
        }
        if (record->bottomBarHeight > 0) {
            for (int i = 1; i <= record->bottomBarItems.Count(); ++i) {
                DrawBottomBarItem(windowIndex, surface, 1, i);
            }
        }
        surface.DeleteGraphics();
    }

    if (!present) {
        record->needsFullRepaint = 0;
        return;
    }
    if (HDC screen = GetDcWithoutChildren(hwnd)) {
        BitBlt(screen, 0, 0, width, height, backBuffer, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, screen);
    }
    record->needsFullRepaint = 0;
    if (firstSizePending == 0) RepaintDirectControls(windowIndex);
}

}  // namespace skin
