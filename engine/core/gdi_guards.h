// Move-only scope guards for GDI objects, DCs and selections, so no early return leaks one.
#pragma once
#include <windows.h>

#include <utility>

namespace skin {

// Owns a handle and releases it with `Release` when the guard goes; release() hands it over.
template <class Handle, BOOL(WINAPI* Release)(Handle)>
class HandleGuard {
public:
    HandleGuard() = default;
    explicit HandleGuard(Handle handle) : handle_(handle) {}
    ~HandleGuard() { reset(); }
    HandleGuard(HandleGuard&& other) noexcept : handle_(other.release()) {}
    HandleGuard& operator=(HandleGuard&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    HandleGuard(const HandleGuard&) = delete;
    HandleGuard& operator=(const HandleGuard&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_) Release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

namespace detail {
// DeleteObject for one handle type. (Not named DeleteBitmap or DeleteRgn: windowsx.h makes
// those macros.)
template <class Handle>
BOOL WINAPI DeleteGdiHandle(Handle object) { return DeleteObject(object); }
}  // namespace detail

using DcGuard = HandleGuard<HDC, &DeleteDC>;                                   // CreateCompatibleDC
using GdiObjectGuard = HandleGuard<HGDIOBJ, &detail::DeleteGdiHandle<HGDIOBJ>>;  // pens, brushes, fonts
using RegionGuard = HandleGuard<HRGN, &detail::DeleteGdiHandle<HRGN>>;
using BitmapGuard = HandleGuard<HBITMAP, &detail::DeleteGdiHandle<HBITMAP>>;

// A DC from GetDC, given back with ReleaseDC.
class WindowDcGuard {
public:
    WindowDcGuard() = default;
    WindowDcGuard(HWND window, HDC dc) : window_(window), dc_(dc) {}
    explicit WindowDcGuard(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDcGuard() { reset(); }
    WindowDcGuard(WindowDcGuard&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDcGuard& operator=(WindowDcGuard&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    WindowDcGuard(const WindowDcGuard&) = delete;
    WindowDcGuard& operator=(const WindowDcGuard&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset() {
        if (dc_) ReleaseDC(window_, dc_);
        dc_ = nullptr;
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a DC and selects the previous one back when the guard goes.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc ? SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (dc_ && previous_) SelectObject(dc_, previous_);
    }
    SelectGuard(SelectGuard&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
    SelectGuard& operator=(SelectGuard&&) = delete;
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

    HGDIOBJ previous() const { return previous_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace skin
