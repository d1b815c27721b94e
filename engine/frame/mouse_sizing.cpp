// Moving and resizing an attached window by mouse: the caption and the eight border zones.
#include "engine/core/skin_engine.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_queries.h"

namespace skin {

namespace {

constexpr int CORNER = 10;  // corner zones reach this far from each corner

struct BorderZone {
    LPCSTR cursor;
    WPARAM command;  // SC_SIZE plus the WMSZ_ edge
};

// The first zone (left, right, top, bottom, then the four corners) that holds (x, y) in a
// client area of `right` x `bottom` with borders `b` pixels deep; null for none.
const BorderZone* FindBorderZone(int x, int y, int right, int bottom, int b) {
    static const BorderZone zones[] = {
        {IDC_SIZEWE, SC_SIZE + WMSZ_LEFT},        {IDC_SIZEWE, SC_SIZE + WMSZ_RIGHT},
        {IDC_SIZENS, SC_SIZE + WMSZ_TOP},         {IDC_SIZENS, SC_SIZE + WMSZ_BOTTOM},
        {IDC_SIZENWSE, SC_SIZE + WMSZ_TOPLEFT},   {IDC_SIZENESW, SC_SIZE + WMSZ_TOPRIGHT},
        {IDC_SIZENESW, SC_SIZE + WMSZ_BOTTOMLEFT}, {IDC_SIZENWSE, SC_SIZE + WMSZ_BOTTOMRIGHT},
    };
    const bool besideCorners = CORNER < y && y < bottom - CORNER;
    const bool betweenCorners = CORNER < x && x < right - CORNER;
    if (x <= b && besideCorners) return &zones[0];
    if (x >= right - b && besideCorners) return &zones[1];
    if (betweenCorners && y <= b) return &zones[2];
    if (betweenCorners && y >= bottom - b) return &zones[3];
    if (x <= CORNER && y <= CORNER) return &zones[4];
    if (x >= right - CORNER && y <= CORNER) return &zones[5];
    if (x <= CORNER && y >= bottom - CORNER) return &zones[6];
    if (x >= right - CORNER && y >= bottom - CORNER) return &zones[7];
    return nullptr;
}

void ShowCursor(LPCSTR id) { SetCursor(LoadCursorA(nullptr, id)); }

}  // namespace

void SkinEngine::HandleCaptionMouseDown(int windowIndex, LPARAM lParam, const RECT& clientRect) {
    WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record) return;
    const int x = PointX(lParam);
    const int y = PointY(lParam);
    // The caption buttons own presses in their strip.
    if (record->buttonStripX <= x && x <= record->buttonStripX + record->buttonStripWidth &&
        3 <= y && y <= record->buttonStripHeight) {
        return;
    }
    if (record->captionEnabled == 0) return;
    HWND hwnd = record->hwnd;
    const bool inCaption = y <= record->captionHeight;
    if (record->resizable == 0) {
        if (inCaption) SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return;
    }
    if (const BorderZone* zone =
            FindBorderZone(x, y, clientRect.right, clientRect.bottom, frameWidth)) {
        ShowCursor(zone->cursor);
        record->needsFullRepaint = 1;
        // The system's sizing loop runs inside this call.
        SendMessageA(hwnd, WM_SYSCOMMAND, zone->command, 0);
        return;
    }
    if (inCaption) SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void SkinEngine::UpdateResizeCursor(int windowIndex, LPARAM lParam, const RECT& clientRect) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    if (!record || record->resizable == 0) return;
    if (const BorderZone* zone = FindBorderZone(PointX(lParam), PointY(lParam),
                                                clientRect.right, clientRect.bottom, frameWidth)) {
        ShowCursor(zone->cursor);
    }
}

}  // namespace skin
