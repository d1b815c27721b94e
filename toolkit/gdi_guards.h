// Move-only scope guards for GDI objects and off-screen surfaces, so no early return leaks.
#pragma once
#include <windows.h>

#include <utility>

namespace toolkit {

// Owns one GDI object (pen, brush, font, bitmap, region) and deletes it.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

// Selects an object into a DC and selects the previous one back when it goes.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selection(Selection&& other) noexcept
        : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
    Selection& operator=(Selection&&) = delete;
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC with a bitmap compatible with `reference`, released in the right order.
class MemorySurface {
public:
    MemorySurface(HDC reference, int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(reference)) {
        if (!dc_) return;
        bitmap_.reset(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1));
        if (bitmap_) previous_ = SelectObject(dc_, bitmap_.get());
    }
    ~MemorySurface() {
        if (previous_) SelectObject(dc_, previous_);
        bitmap_.reset();
        if (dc_) DeleteDC(dc_);
    }
    MemorySurface(MemorySurface&& other) noexcept
        : width_(other.width_), height_(other.height_), dc_(std::exchange(other.dc_, nullptr)),
          bitmap_(std::move(other.bitmap_)), previous_(std::exchange(other.previous_, nullptr)) {}
    MemorySurface& operator=(MemorySurface&&) = delete;
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    explicit operator bool() const { return dc_ && bitmap_; }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    HDC dc_;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace toolkit
