// Background capture: the skinned pixels behind a control, copied into a registered memory DC.
#include "engine/core/background_capture.h"

#include "engine/core/argb.h"
#include "engine/core/engine_settings.h"
#include "engine/core/memory_dc.h"
#include "engine/core/path_shapes.h"
#include "engine/core/window_lookup.h"
#include "engine/core/window_rects.h"
#include "graphics/graphics.h"

namespace skin {

namespace {

bool IsHost(HWND window) { return GetPropA(window, "Wxk_Zpf") == reinterpret_cast<HANDLE>(1); }

HWND PropertyWindow(HWND window, const char* name) { return static_cast<HWND>(GetPropA(window, name)); }

HDC PropertyDc(HWND window, const char* name) { return static_cast<HDC>(GetPropA(window, name)); }

// A container of any record whose window is `window`: records from the first, and within
// each record its containers from the first.
bool FindAnyContainer(HWND window, int* windowIndex, int* containerIndex) {
    for (int i = 1; RecordAt(i); ++i) {
        if (const int k = FindContainerRecord(i, window)) {
            *windowIndex = i;
            *containerIndex = k;
            return true;
        }
    }
    return false;
}

HDC BackBufferOf(int windowIndex) {
    const WindowSkinRecord* record = RecordAt(windowIndex);
    return record ? record->backBufferDc : nullptr;
}

// A blank 32-bit ARGB surface of the given size in a new memory DC, registered.
HDC CreateSurface(int width, int height) {
    HBITMAP bitmap = nullptr;
    {
        graphics::Bitmap image;
        if (image.CreateBlankBitmap(width, height, PixelFormat32bppARGB)) {
            bitmap = image.CreateHBITMAPFromBitmap(0);
        }
    }
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    RegisterMemoryDc(dc, bitmap, bitmap ? SelectObject(dc, bitmap) : nullptr);
    return dc;
}

void CopyFrom(HDC target, int width, int height, HDC source, const RECT& offset, const RECT& rect) {
    if (source) BitBlt(target, 0, 0, width, height, source, offset.left + rect.left, offset.top + rect.top, SRCCOPY);
}

// Lays the container's tint over the surface: over the group-box shape (which starts five
// pixels down, below the caption line) or over the whole surface.
void Tint(HDC dc, const ContainerRecord& container, bool rounded, const RECT& rect, int width, int height) {
    graphics::GraphicsPath path;
    path.CreatePath();
    if (rounded) {
        AddRoundedRectPath(path, 0, 5, static_cast<float>(rect.right), static_cast<float>(rect.bottom - 6), 5);
    } else {
        path.AddPathRectangle(0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    graphics::Graphics surface;
    surface.CreateFromHDC(dc);
    graphics::SolidBrush brush;
    brush.CreateSolidFill(ToArgb(container.tintColor, container.tintAlpha));
    surface.FillPath(brush, path);
}

// Tints with container `k` of record `i` when it has a tint.
void TintWithContainer(HDC dc, int i, int k, bool roundedForGroupBox, const RECT& rect, int width,
                       int height) {
    const WindowSkinRecord* record = RecordAt(i);
    if (!record || !record->containers.Contains(k)) return;
    const ContainerRecord& container = record->containers.At(k);
    if (container.tintColor == 0) return;
    Tint(dc, container, roundedForGroupBox && container.isGroupBox != 0, rect, width, height);
}

// Fills the surface with the white veil of the translucent-controls option.
void Veil(HDC dc, int width, int height) {
    graphics::Graphics surface;
    surface.CreateFromHDC(dc);
    graphics::SolidBrush brush;
    brush.CreateSolidFill(ToArgb(0xFFFFFF, controlAlpha));
    surface.FillRectangle(brush, 0, 0, static_cast<float>(width), static_cast<float>(height));
}

}  // namespace

BackgroundSource FindBackgroundSource(HWND control, int useHosts) {
    BackgroundSource source;
    // The control itself may be a host or an attached window; only its ancestors can be
    // the containers that hold it.
    for (HWND w = control; w; w = GetParent(w)) {
        if (useHosts && IsHost(w)) {
            source.host = w;
            return source;
        }
        if (const int i = FindWindowRecord(w)) {
            source.result = 1;
            source.windowIndex = i;
            return source;
        }
        if (w == control) continue;
        int i = 0, k = 0;
        if (FindAnyContainer(w, &i, &k)) {
            HWND named = useHosts ? PropertyWindow(w, "Mb_zpf") : nullptr;
            if (named) {
                source.host = named;
            } else {
                source.windowIndex = i;
                source.containerIndex = k;
            }
            return source;
        }
    }
    return source;
}

HDC CaptureControlBackground(HWND control, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC dc = CreateSurface(width, height);
    if (!dc) return nullptr;
    const BackgroundSource source = FindBackgroundSource(control, 1);

    if (source.result == 1) {
        CopyFrom(dc, width, height, BackBufferOf(source.windowIndex), RectInOwningWindow(control), rect);
        // The control may itself be a container of that window: its own tint shows too.
        const int k = FindContainerRecord(source.windowIndex, control);
        if (k >= 1) TintWithContainer(dc, source.windowIndex, k, true, rect, width, height);
        return dc;
    }

    if (source.host == control) {
        if (HWND host = PropertyWindow(control, "Mb_zpf")) {
            CopyFrom(dc, width, height, PropertyDc(host, "Wxk_Cj"), RectRelativeTo(host, control), rect);
        } else {
            CopyFrom(dc, width, height, BackBufferOf(FindOwningWindow(control)),
                     RectRelativeToRoot(control), rect);
        }
        return dc;
    }

    if (source.host) {
        CopyFrom(dc, width, height, PropertyDc(source.host, "Wxk_Cj"), RectRelativeTo(source.host, control), rect);
        const int i = source.windowIndex ? source.windowIndex : FindOwningWindow(control);
        if (i == 0) return dc;
        int k = FindContainerRecord(i, control);
        if (k >= 1) {
            TintWithContainer(dc, i, k, true, rect, width, height);
        } else if ((k = FindEnclosingContainer(i, control, source.host)) >= 1) {
            TintWithContainer(dc, i, k, false, rect, width, height);
        }
        return dc;
    }

    const int i = source.windowIndex ? source.windowIndex : FindOwningWindow(control);
    if (i == 0) {
        // Nothing skinned behind the control: hand back nothing, and keep nothing either.
        ReleaseMemoryDc(dc);
        return nullptr;
    }
    int k = FindContainerRecord(i, control);
    if (k < 1) k = source.containerIndex;
    CopyFrom(dc, width, height, BackBufferOf(i), RectRelativeToRoot(control), rect);
    if (k >= 1) TintWithContainer(dc, i, k, false, rect, width, height);
    return dc;
}

HDC VeiledBackgroundDc(HWND window) {
    const RECT client = GetClientRectInWindow(window);
    HDC dc = CaptureControlBackground(window, client);
    if (dc) Veil(dc, client.right - client.left, client.bottom - client.top);
    return dc;
}

HBITMAP MakeBackgroundBitmap(HWND control) {
    const RECT client = GetClientRectInWindow(control);
    HDC dc = VeiledBackgroundDc(control);
    return CopyDcToBitmap(dc, client.right - client.left, client.bottom - client.top);
}

}  // namespace skin
