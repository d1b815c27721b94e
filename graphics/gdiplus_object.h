// Base of the GDI+ wrapper classes: the native handle, the shared status and text conversion.
#pragma once
#include <windows.h>
// windowsx.h defines DeletePen, DeleteBrush and DeleteFont as macros and windows.h maps CreateFont
// to CreateFontA/W. Include windowsx.h once here, so that a later include is a no-op, and drop
// those four names so the wrapper operations that carry them stay callable from any program.
#include <windowsx.h>
#undef DeletePen
#undef DeleteBrush
#undef DeleteFont
#undef CreateFont

#include <objidl.h>
#include <gdiplus.h>

#include <string>
#include <vector>

#include "graphics/bytes.h"

namespace graphics {

// The GDI+ value types and enumerations the wrapper operations take, under their GDI+ names.
using Gdiplus::ARGB;
using Gdiplus::BitmapData;
using Gdiplus::BrushType;
using Gdiplus::CharacterRange;
using Gdiplus::ColorPalette;
using Gdiplus::CombineMode;
using Gdiplus::CompositingMode;
using Gdiplus::CompositingQuality;
using Gdiplus::CoordinateSpace;
using Gdiplus::DashCap;
using Gdiplus::DashStyle;
using Gdiplus::FillMode;
using Gdiplus::FlushIntention;
using Gdiplus::GraphicsContainer;
using Gdiplus::GraphicsState;
using Gdiplus::ImageType;
using Gdiplus::InterpolationMode;
using Gdiplus::LinearGradientMode;
using Gdiplus::LineCap;
using Gdiplus::LineJoin;
using Gdiplus::MatrixOrder;
using Gdiplus::PenAlignment;
using Gdiplus::PenType;
using Gdiplus::PixelFormat;
using Gdiplus::PixelOffsetMode;
using Gdiplus::Point;
using Gdiplus::PointF;
using Gdiplus::PropertyItem;
using Gdiplus::Rect;
using Gdiplus::RectF;
using Gdiplus::RotateFlipType;
using Gdiplus::SmoothingMode;
using Gdiplus::StringAlignment;
using Gdiplus::StringDigitSubstitute;
using Gdiplus::StringTrimming;
using Gdiplus::TextRenderingHint;
using Gdiplus::Unit;
using Gdiplus::WarpMode;
using Gdiplus::WrapMode;

// Status code of the most recent flat call any wrapper made (0 = Ok). One value for the whole
// process, meaningful only right after the call that set it; GUI thread only.
extern int lastStatus;

// Text in the system's ANSI code page (936 here) converted to UTF-16.
std::wstring AnsiToWide(const std::string& text);
// UTF-16 text held in bytes, up to the first NUL or the end of the buffer (an odd last byte
// is ignored).
std::wstring BytesToWide(const Bytes& bytes);
// UTF-16 text converted to the ANSI code page, so that it can be passed back to the text forms.
std::string WideToAnsi(const wchar_t* text);
// The UTF-16 code units of `text` as bytes, without a terminator.
Bytes WideToBytes(const std::wstring& text);
// A GUID in registry form: braces around upper-case hexadecimal digits grouped 8-4-4-4-12.
std::string GuidToText(const GUID& guid);
// The GUID a registry-form text names; false when the text is not one.
bool TextToGuid(const std::string& text, GUID* guid);

// Holds the handle of one native GDI+ object. Wrappers own their native object (each derived
// class says how it deletes it) and are not copied: two owners of one native object would
// delete it twice. Moving hands the object over and leaves the source empty. A copy with its
// own native object comes from the class's Clone operation.
class GdiplusObject {
public:
    GdiplusObject() = default;
    virtual ~GdiplusObject() = default;
    GdiplusObject(const GdiplusObject&) = delete;
    GdiplusObject& operator=(const GdiplusObject&) = delete;

    virtual void* GetNativeObject() const;
    // Stores `handle` in nativeObject and in the class's own handle field(s). Deletes nothing.
    virtual void SetNativeObject(void* handle);
    // Stores `handle` in the class's own handle field(s).
    virtual void SetNativeHandle(void* handle);
    virtual void* Alloc(size_t size);
    virtual void Free(void* pointer);

    // Deletes the native object with the class's delete operation; 0 when there was none.
    virtual int DeleteNativeObject() = 0;
    // Takes a native object a flat create call has just produced: deletes the object held
    // before (unless it is the same one), stores `status` in lastStatus and `handle` in every
    // handle field. Returns 1 when the status is Ok. Make the flat call first and pass its
    // status: as arguments of one call, the call and the handle it writes are unordered.
    int Adopt(Gdiplus::GpStatus status, void* handle);

    void* nativeObject = nullptr;  // the native object, null when none

protected:
    // Moves the native object of `other` into this (empty) wrapper, leaving `other` empty.
    void TakeFrom(GdiplusObject& other);
    // Move assignment: deletes the object held, then takes the one of `other`.
    void ReplaceWith(GdiplusObject& other);
    // The delete operation shared by every class: nothing to do on an empty wrapper, else the
    // flat delete function, lastStatus and an empty wrapper afterwards.
    template <class Function, class Handle>
    int DeleteWith(Function function, Handle* handle) {
        if (handle == nullptr) return 0;
        lastStatus = function(handle);
        SetNativeObject(nullptr);
        return lastStatus == Gdiplus::Ok ? 1 : 0;
    }
};

}  // namespace graphics
