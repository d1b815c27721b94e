// Font: a GDI+ font, made from a family, a name, a device context or a logical-font record.
#pragma once
#include <string>

#include "graphics/gdiplus_object.h"

namespace graphics {

class FontFamily;
class Graphics;

// Each operation calls "Gdip" + its name on nativeFont, under the conventions of Graphics.
// Font styles are GDI+ FontStyle flags (0 regular, 1 bold, 2 italic, 4 underline, 8 strikeout).
class Font : public GdiplusObject {
public:
    Font() = default;
    // Deletes the native font.
    ~Font() override;
    Font(Font&& other) noexcept;
    Font& operator=(Font&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    int DeleteNativeObject() override;

    virtual int DeleteFont();
    virtual int CreateFont(const FontFamily& family, float size, int style = 0,
                           Unit unit = Gdiplus::UnitWorld);
    // The stock DEFAULT_GUI_FONT, through its LOGFONTA and the screen's device context.
    virtual int CreateDefaultGuiFont();
    // A font of the installed family `name` (ANSI code page); no family object is left
    // behind. A name that is not installed leaves the wrapper empty and returns 0.
    virtual int CreateFontByName(const std::string& name, float size, int style = 0,
                                 Unit unit = Gdiplus::UnitWorld);
    virtual int CreateFontByNameW(const Bytes& name, float size, int style = 0,
                                  Unit unit = Gdiplus::UnitWorld);
    // The font selected into `dc`.
    virtual int CreateFontFromDC(HDC dc);
    // The GDI font `font` through its LOGFONTA; with no font (or one GetObjectA cannot
    // read), the font selected into `dc`.
    virtual int CreateFontFromHFONT(HDC dc, HFONT font);
    // With no record, the font selected into `dc`.
    virtual int CreateFontFromLogfontA(HDC dc, const LOGFONTA* logFont = nullptr);
    virtual int CreateFontFromLogfontW(HDC dc, const LOGFONTW* logFont = nullptr);
    // Puts a new native copy of this font into `target`.
    virtual int CloneFont(Font& target);
    virtual int GetLogFontA(const Graphics& graphics, LOGFONTA& logFont);
    virtual int GetLogFontW(const Graphics& graphics, LOGFONTW& logFont);
    // Puts a new native family, the font's, into `target`.
    virtual int GetFamily(FontFamily& target);
    virtual int GetFontStyle();
    virtual float GetFontSize();
    virtual Unit GetFontUnit();
    // Line spacing in the surface's unit; a null surface measures for the screen.
    virtual float GetFontHeight(const Graphics* graphics = nullptr);
    virtual float GetFontHeightGivenDPI(float dpi);

    Gdiplus::GpFont* nativeFont = nullptr;
};

}  // namespace graphics
