// FontFamily: a GDI+ font family, a typeface found by name or one of the generic families.
#include "graphics/font_family.h"

#include "graphics/flat_call.h"
#include "graphics/font_collection.h"

using namespace Gdiplus::DllExports;

namespace graphics {

FontFamily::~FontFamily() { DeleteFontFamily(); }
FontFamily::FontFamily(FontFamily&& other) noexcept { TakeFrom(other); }
FontFamily& FontFamily::operator=(FontFamily&& other) noexcept { ReplaceWith(other); return *this; }

void FontFamily::SetNativeHandle(void* handle) { nativeFamily = static_cast<Gdiplus::GpFontFamily*>(handle); }
int FontFamily::DeleteNativeObject() { return DeleteFontFamily(); }

int FontFamily::DeleteFontFamily() { return DeleteWith(GdipDeleteFontFamily, nativeFamily); }

int FontFamily::CreateFontFamilyFromName(const std::string& name, const FontCollection* collection) {
    const std::wstring wide = AnsiToWide(name);
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::GpStatus status = GdipCreateFontFamilyFromName(wide.c_str(), NativeOf(collection), &family);
    return Adopt(status, family);
}

int FontFamily::CreateFontFamilyFromNameW(const Bytes& name, const FontCollection* collection) {
    const std::wstring wide = BytesToWide(name);
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::GpStatus status = GdipCreateFontFamilyFromName(wide.c_str(), NativeOf(collection), &family);
    return Adopt(status, family);
}

int FontFamily::GetGenericFontFamilySansSerif() {
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::GpStatus status = GdipGetGenericFontFamilySansSerif(&family);
    return Adopt(status, family);
}

int FontFamily::GetGenericFontFamilySerif() {
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::GpStatus status = GdipGetGenericFontFamilySerif(&family);
    return Adopt(status, family);
}

int FontFamily::GetGenericFontFamilyMonospace() {
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::GpStatus status = GdipGetGenericFontFamilyMonospace(&family);
    return Adopt(status, family);
}

int FontFamily::CloneFontFamily(FontFamily& target) {
    Gdiplus::GpFontFamily* family = nullptr;
    const Gdiplus::GpStatus status = GdipCloneFontFamily(nativeFamily, &family);
    return target.Adopt(status, family);
}

std::string FontFamily::GetFamilyName() {
    WCHAR name[LF_FACESIZE] = {};
    if (!Check(GdipGetFamilyName(nativeFamily, name, 0))) return std::string();
    name[LF_FACESIZE - 1] = L'\0';
    return WideToAnsi(name);
}

Bytes FontFamily::GetFamilyNameW() {
    WCHAR name[LF_FACESIZE] = {};
    if (!Check(GdipGetFamilyName(nativeFamily, name, 0))) return Bytes();
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(name);
    return Bytes(bytes, bytes + sizeof(name));
}

int FontFamily::IsStyleAvailable(int style) { return GetValue<BOOL>(GdipIsStyleAvailable, nativeFamily, style); }
UINT16 FontFamily::GetEmHeight(int style) { return GetValue<UINT16>(GdipGetEmHeight, nativeFamily, style); }
UINT16 FontFamily::GetCellAscent(int style) { return GetValue<UINT16>(GdipGetCellAscent, nativeFamily, style); }
UINT16 FontFamily::GetCellDescent(int style) { return GetValue<UINT16>(GdipGetCellDescent, nativeFamily, style); }
UINT16 FontFamily::GetLineSpacing(int style) { return GetValue<UINT16>(GdipGetLineSpacing, nativeFamily, style); }

}  // namespace graphics
