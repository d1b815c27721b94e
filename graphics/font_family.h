// FontFamily: a GDI+ font family, a typeface found by name or one of the generic families.
#pragma once
#include <string>

#include "graphics/gdiplus_object.h"

namespace graphics {

class FontCollection;

// Each operation calls "Gdip" + its name on nativeFamily, under the conventions of Graphics.
// Styles are GDI+ FontStyle flags; metrics are in design units.
class FontFamily : public GdiplusObject {
public:
    FontFamily() = default;
    // Deletes the native family.
    ~FontFamily() override;
    FontFamily(FontFamily&& other) noexcept;
    FontFamily& operator=(FontFamily&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    int DeleteNativeObject() override;

    virtual int DeleteFontFamily();
    // Looks the name (ANSI code page) up in `collection`; a null or empty collection means the
    // installed fonts.
    virtual int CreateFontFamilyFromName(const std::string& name,
                                         const FontCollection* collection = nullptr);
    virtual int CreateFontFamilyFromNameW(const Bytes& name,
                                          const FontCollection* collection = nullptr);
    virtual int GetGenericFontFamilySansSerif();
    virtual int GetGenericFontFamilySerif();
    virtual int GetGenericFontFamilyMonospace();
    // Puts a new native copy of this family into `target`.
    virtual int CloneFontFamily(FontFamily& target);
    // The family name in the ANSI code page ("" on failure).
    virtual std::string GetFamilyName();
    // The 64 bytes of the 32-character UTF-16 name buffer, NUL-padded (empty on failure).
    virtual Bytes GetFamilyNameW();
    virtual int IsStyleAvailable(int style);
    virtual UINT16 GetEmHeight(int style);
    virtual UINT16 GetCellAscent(int style);
    virtual UINT16 GetCellDescent(int style);
    virtual UINT16 GetLineSpacing(int style);

    Gdiplus::GpFontFamily* nativeFamily = nullptr;
};

}  // namespace graphics
