// Font: a GDI+ font, made from a family, a name, a device context or a logical-font record.
#include "graphics/font.h"

#include "graphics/flat_call.h"
#include "graphics/font_collection.h"
#include "graphics/font_family.h"
#include "graphics/graphics_surface.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

// Creates a font of the installed family `name` through a temporary family, which is deleted
// again. Without the family GdipCreateFont fails on the null one; its status is kept.
int CreateByName(Font& font, const std::wstring& name, float size, int style, Unit unit) {
    Gdiplus::GpFontFamily* family = nullptr;
    GdipCreateFontFamilyFromName(name.c_str(), nullptr, &family);
    Gdiplus::GpFont* created = nullptr;
    const Gdiplus::GpStatus status = GdipCreateFont(family, size, style, unit, &created);
    if (family != nullptr) GdipDeleteFontFamily(family);
    return font.Adopt(status, created);
}

}  // namespace

Font::~Font() { DeleteFont(); }
Font::Font(Font&& other) noexcept { TakeFrom(other); }
Font& Font::operator=(Font&& other) noexcept { ReplaceWith(other); return *this; }

void Font::SetNativeHandle(void* handle) { nativeFont = static_cast<Gdiplus::GpFont*>(handle); }
int Font::DeleteNativeObject() { return DeleteFont(); }

int Font::DeleteFont() { return DeleteWith(GdipDeleteFont, nativeFont); }

int Font::CreateFont(const FontFamily& family, float size, int style, Unit unit) {
    Gdiplus::GpFont* font = nullptr;
    const Gdiplus::GpStatus status = GdipCreateFont(family.nativeFamily, size, style, unit, &font);
    return Adopt(status, font);
}

int Font::CreateDefaultGuiFont() {
    LOGFONTA logFont = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    HDC screen = ::GetDC(nullptr);
    Gdiplus::GpFont* font = nullptr;
    const Gdiplus::GpStatus status = GdipCreateFontFromLogfontA(screen, &logFont, &font);
    ::ReleaseDC(nullptr, screen);
    return Adopt(status, font);
}

int Font::CreateFontByName(const std::string& name, float size, int style, Unit unit) { return CreateByName(*this, AnsiToWide(name), size, style, unit); }
int Font::CreateFontByNameW(const Bytes& name, float size, int style, Unit unit) { return CreateByName(*this, BytesToWide(name), size, style, unit); }

int Font::CreateFontFromDC(HDC dc) {
    Gdiplus::GpFont* font = nullptr;
    const Gdiplus::GpStatus status = GdipCreateFontFromDC(dc, &font);
    return Adopt(status, font);
}

int Font::CreateFontFromHFONT(HDC dc, HFONT hfont) {
    LOGFONTA logFont = {};
    const bool readable = hfont != nullptr && GetObjectA(hfont, sizeof(logFont), &logFont) != 0;
    return CreateFontFromLogfontA(dc, readable ? &logFont : nullptr);
}

int Font::CreateFontFromLogfontA(HDC dc, const LOGFONTA* logFont) {
    Gdiplus::GpFont* font = nullptr;
    const Gdiplus::GpStatus status = logFont != nullptr ? GdipCreateFontFromLogfontA(dc, logFont, &font)
                                                        : GdipCreateFontFromDC(dc, &font);
    return Adopt(status, font);
}

int Font::CreateFontFromLogfontW(HDC dc, const LOGFONTW* logFont) {
    Gdiplus::GpFont* font = nullptr;
    const Gdiplus::GpStatus status = logFont != nullptr ? GdipCreateFontFromLogfontW(dc, logFont, &font)
                                                        : GdipCreateFontFromDC(dc, &font);
    return Adopt(status, font);
}

int Font::CloneFont(Font& target) {
    Gdiplus::GpFont* font = nullptr;
    const Gdiplus::GpStatus status = GdipCloneFont(nativeFont, &font);
    return target.Adopt(status, font);
}

int Font::GetLogFontA(const Graphics& graphics, LOGFONTA& logFont) { return Check(GdipGetLogFontA(nativeFont, graphics.nativeGraphics, &logFont)); }
int Font::GetLogFontW(const Graphics& graphics, LOGFONTW& logFont) { return Check(GdipGetLogFontW(nativeFont, graphics.nativeGraphics, &logFont)); }

int Font::GetFamily(FontFamily& target) {
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::GpStatus status = GdipGetFamily(nativeFont, &family);
    return target.Adopt(status, family);
}

int Font::GetFontStyle() { return GetValue<INT>(GdipGetFontStyle, nativeFont); }
float Font::GetFontSize() { return GetValue<float>(GdipGetFontSize, nativeFont); }
Unit Font::GetFontUnit() { return GetValue<Unit>(GdipGetFontUnit, nativeFont); }
float Font::GetFontHeight(const Graphics* graphics) { return GetValue<float>(GdipGetFontHeight, nativeFont, NativeOf(graphics)); }
float Font::GetFontHeightGivenDPI(float dpi) { return GetValue<float>(GdipGetFontHeightGivenDPI, nativeFont, dpi); }

}  // namespace graphics
