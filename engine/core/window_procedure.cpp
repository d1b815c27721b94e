// HandleWindowMessage: the window procedure of attached top-level windows.
#include <cstdlib>

#include "engine/core/engine_settings.h"
#include "engine/core/skin_engine.h"
#include "engine/core/window_detach.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_messages.h"
#include "graphics/graphics.h"

namespace skin {

namespace {

constexpr int TVN_ITEMEXPANDED_A = -406;
constexpr int TVN_ITEMEXPANDING_A = -405;

LRESULT PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "Hw_hProc"));
    if (!previous) return DefWindowProcA(hwnd, message, wParam, lParam);
    return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

// The colour-reply brushes and bitmaps the controls hold. The controls still exist while
// their top-level window handles WM_DESTROY; by its WM_NCDESTROY they are gone.
BOOL CALLBACK ReleaseReplyObjects(HWND control, LPARAM) {
    for (const char* name : {"Kj_dxjb", "Kj_wtjb"}) {
        if (HGDIOBJ object = RemovePropA(control, name)) DeleteObject(object);
    }
    return TRUE;
}

// Whether the back buffer holds a composition of a width x height client area.
bool ComposedAtSize(const WindowSkinRecord& record, int width, int height) {
    if (!record.backBufferDc) return false;
    BITMAP bitmap{};
    HGDIOBJ current = GetCurrentObject(record.backBufferDc, OBJ_BITMAP);
    if (!current || !GetObjectA(current, sizeof bitmap, &bitmap)) return false;
    return bitmap.bmWidth == width && std::abs(bitmap.bmHeight) == height;
}

}  // namespace

LRESULT SkinEngine::HandleWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hwnd, "Hw_lbID")));
    WindowSkinRecord* record = RecordAt(index);
    // A window whose record has gone (or a stray call) is only passed on.
    if (!record || record->hwnd != hwnd) return PassOn(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_QUIT:
        // The token is cleared, so that the engine's teardown does not shut GDI+ down again.
        ShutdownGraphics(gdiplusToken, 1);
        gdiplusToken = 0;
        break;
    case WM_DESTROY:
        EnumChildWindows(hwnd, ReleaseReplyObjects, 0);
        break;
    case WM_NCDESTROY: {
        // The detach removes "Hw_hProc": the program's procedure is taken first, so that it
        // still sees the window's last message.
        const auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "Hw_hProc"));
        KillTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd));
        DetachWindow(hwnd);
        return previous ? CallWindowProcA(previous, hwnd, message, wParam, lParam)
                        : DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_SHOWWINDOW:
        if (wParam == 1) {
            if (record->isMinimized) {
                record->isMinimized = 0;
            } else {
                PAINTSTRUCT paint;
                BeginPaint(hwnd, &paint);
                PaintWindow(index, 1);
                EndPaint(hwnd, &paint);
            }
        }
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        if (record->isMinimized == 0) {
            // A window never composed has nothing to present yet.
            if (record->needsFullRepaint == 0 && record->backBufferDc) {
                PresentWindow(index, dc);
            } else {
                PaintWindow(index, 1);
                if (WindowSkinRecord* painted = RecordAt(index)) painted->needsFullRepaint = 0;
            }
        }
        EndPaint(hwnd, &paint);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_LBUTTONDBLCLK:
        OnCaptionDoubleClick(*this, index, lParam);
        break;
    case WM_MOUSEMOVE:
        OnCaptionMouseMove(*this, index, hwnd, lParam);
        break;
    case WM_MOUSEHOVER:
        record->mouseTracked = 1;
        break;
    case WM_MOUSELEAVE:
        OnCaptionMouseLeave(*this, index);
        break;
    case WM_TIMER:
        if (wParam == reinterpret_cast<WPARAM>(hwnd)) OnCaptionTimer(*this, index, hwnd);
        break;
    case WM_GETMINMAXINFO:
        OnGetMinMaxInfo(index, hwnd, reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case WM_WINDOWPOSCHANGED:
        OnWindowPosChanged(*this, index, hwnd);
        break;
    case WM_SIZE:
        record->hotCaptionButton = 0;
        if (firstSizePending) {
            // The size change that follows a window's first showing needs no new
            // composition; one that leaves the composed size behind does.
            record->needsFullRepaint = ComposedAtSize(*record, LOWORD(lParam), HIWORD(lParam)) ? 0 : 1;
            firstSizePending = 0;
        } else {
            record->needsFullRepaint = 1;
        }
        LayoutDockedWindows(index);
        break;
    case WM_LBUTTONDOWN:
        OnCaptionButtonDown(*this, index, hwnd, lParam);
        break;
    case WM_LBUTTONUP:
        OnCaptionButtonUp(*this, index);
        break;
    case WM_SYSCOMMAND:
        // Exact values: 0xF032, the maximize a caption double click asks for, is not one.
        if (wParam == SC_MAXIMIZE) {
            record->isMaximized = 1;
            record->needsFullRepaint = 1;
        } else if (wParam == SC_RESTORE) {
            record->needsFullRepaint = 1;
            record->isMinimized = 0;
        } else if (wParam == SC_MINIMIZE) {
            record->needsFullRepaint = 1;
            record->isMinimized = 1;
        }
        break;
    case WM_QUERYOPEN:
        record->isMinimized = 0;
        break;
    case WM_SETTEXT:
        // Drawn from the new text before the window stores it.
        if (record->showTitle != 0 && record->captionEnabled != 0) {
            const char* text = reinterpret_cast<const char*>(lParam);
            graphics::Graphics surface;
            DrawCaptionTitle(index, surface, 0, std::string(text ? text : ""));
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (const auto brush = ReplyControlColor(message, reinterpret_cast<HDC>(wParam),
                                                 reinterpret_cast<HWND>(lParam))) {
            return *brush;
        }
        break;
    case WM_PARENTNOTIFY:
        // A control destroyed on its own, before its window, gives its reply objects back.
        if (LOWORD(wParam) == WM_DESTROY && lParam) {
            ReleaseReplyObjects(reinterpret_cast<HWND>(lParam), 0);
        }
        break;
    case WM_ACTIVATEAPP:
        if (wParam == 0) StartWorkingSetTrim();
        break;
    case WM_COMMAND:
        OnControlCommand(wParam, lParam);
        break;
    case WM_NOTIFY: {
        NMHDR header{};
        SIZE_T read = 0;
        if (lParam &&
            ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<LPCVOID>(lParam), &header,
                              sizeof header, &read) &&
            read == sizeof header &&
            (static_cast<int>(header.code) == TVN_ITEMEXPANDED_A ||
             static_cast<int>(header.code) == TVN_ITEMEXPANDING_A)) {
            InvalidateRect(header.hwndFrom, nullptr, TRUE);
        }
        break;
    }
    default:
        break;
    }
    return PassOn(hwnd, message, wParam, lParam);
}

}  // namespace skin
