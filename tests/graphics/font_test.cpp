// Font, FontFamily, FontCollection and StringFormat: typefaces by name, from GDI, and layout.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "tests/graphics/canvas.h"

namespace {

using namespace graphics;
using namespace gtest_graphics;

using FontTest = GraphicsTest;

const std::string SONG_TI = "宋体";  // GBK bytes, as every text of the system
const std::wstring SONG_TI_WIDE = L"\u5B8B\u4F53";

TEST_F(FontTest, FontByNameHasTheRequestedSizeStyleAndUnit) {
    struct Case {
        const char* name;
        std::function<int(Font&)> create;
        float size;
        int style;
        Unit unit;
    };
    const std::vector<Case> cases = {
        {"ANSI name", [](Font& f) { return f.CreateFontByName(SONG_TI, 12); }, 12, 0, Gdiplus::UnitWorld},
        {"UTF-16 name", [](Font& f) { return f.CreateFontByNameW(WideToBytes(SONG_TI_WIDE), 9.5f, 1, Gdiplus::UnitPixel); }, 9.5f, 1, Gdiplus::UnitPixel},
    };
    for (const Case& c : cases) {
        Font font;
        ASSERT_EQ(c.create(font), 1) << c.name;
        EXPECT_FLOAT_EQ(font.GetFontSize(), c.size) << c.name;
        EXPECT_EQ(font.GetFontStyle(), c.style) << c.name;
        EXPECT_EQ(font.GetFontUnit(), c.unit) << c.name;
        FontFamily family;
        ASSERT_EQ(font.GetFamily(family), 1) << c.name;
        EXPECT_NE(family.nativeFamily, nullptr) << c.name;
    }
}

// An unknown family leaves the font empty; text drawn with it does not appear.
TEST_F(FontTest, UnknownFamilyLeavesTheFontEmpty) {
    Font font;
    EXPECT_EQ(font.CreateFontByName("No Such Typeface 123", 12), 0);
    EXPECT_NE(lastStatus, kOk);
    EXPECT_EQ(font.nativeFont, nullptr);
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kBlack), 1);
    Canvas canvas(32, 32);
    EXPECT_EQ(canvas.surface.DrawString("A", font, brush, RectF(0, 0, 32, 32)), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
    EXPECT_EQ(canvas.Pixel(8, 16), kWhite);
}

// The family name comes back in the text forms the look-ups take.
TEST_F(FontTest, FamilyNamesRoundTrip) {
    FontFamily family;
    ASSERT_EQ(family.CreateFontFamilyFromName(SONG_TI), 1);
    const std::string name = family.GetFamilyName();
    ASSERT_FALSE(name.empty());
    FontFamily again;
    ASSERT_EQ(again.CreateFontFamilyFromName(name), 1);
    EXPECT_EQ(again.GetFamilyName(), name);

    const Bytes wide = family.GetFamilyNameW();
    ASSERT_EQ(wide.size(), 64u) << "the whole 32-character buffer";
    EXPECT_EQ(BytesToWide(wide), AnsiToWide(name));
    FontFamily fromWide;
    ASSERT_EQ(fromWide.CreateFontFamilyFromNameW(wide), 1);
    EXPECT_EQ(fromWide.GetFamilyName(), name);

    EXPECT_EQ(family.IsStyleAvailable(0), 1);
    EXPECT_GT(family.GetEmHeight(0), 0);
    EXPECT_GT(family.GetLineSpacing(0), 0);
    EXPECT_GT(family.GetCellAscent(0), 0);

    FontFamily empty;
    EXPECT_EQ(empty.GetFamilyName(), "");
    EXPECT_TRUE(empty.GetFamilyNameW().empty());
    EXPECT_EQ(lastStatus, kInvalidParameter);
}

TEST_F(FontTest, FamilyListOfTheInstalledFonts) {
    FontCollection installed;
    std::vector<FontFamily> families(3);
    EXPECT_EQ(installed.GetFontCollectionFamilyList(0, families), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
    EXPECT_EQ(families.size(), 3u) << "left as it was";

    ASSERT_EQ(installed.NewInstalledFontCollection(), 1);
    const int count = installed.GetFontCollectionFamilyCount();
    ASSERT_GT(count, 0);
    ASSERT_EQ(installed.GetFontCollectionFamilyList(count + 5, families), 1);
    ASSERT_EQ(static_cast<int>(families.size()), count) << "as many as were found";
    for (FontFamily& family : families) EXPECT_FALSE(family.GetFamilyName().empty());
    // Each wrapper owns its own reference: deleting them leaves the collection intact.
    families.clear();
    EXPECT_EQ(installed.GetFontCollectionFamilyCount(), count);
    std::vector<FontFamily> first;
    ASSERT_EQ(installed.GetFontCollectionFamilyList(1, first), 1);
    EXPECT_FALSE(first[0].GetFamilyName().empty());

    FontFamily found;
    ASSERT_EQ(found.CreateFontFamilyFromName(SONG_TI, &installed), 1);
}

// Fonts from GDI: the stock GUI font, a GDI font handle, a LOGFONT, the DC's own font.
TEST_F(FontTest, FontsFromGdiObjects) {
    Font gui;
    ASSERT_EQ(gui.CreateDefaultGuiFont(), 1);
    EXPECT_GT(gui.GetFontSize(), 0);

    HDC screen = GetDC(nullptr);
    LOGFONTA logFont = {};
    logFont.lfHeight = -20;
    logFont.lfWeight = FW_BOLD;
    logFont.lfCharSet = GB2312_CHARSET;
    lstrcpyA(logFont.lfFaceName, SONG_TI.c_str());
    HFONT gdiFont = CreateFontIndirectA(&logFont);
    Font fromHandle;
    ASSERT_EQ(fromHandle.CreateFontFromHFONT(screen, gdiFont), 1);
    EXPECT_EQ(fromHandle.GetFontStyle() & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
    Font fromRecord;
    ASSERT_EQ(fromRecord.CreateFontFromLogfontA(screen, &logFont), 1);
    EXPECT_FLOAT_EQ(fromRecord.GetFontSize(), fromHandle.GetFontSize());
    Canvas canvas(4, 4);
    LOGFONTA readBack = {};
    ASSERT_EQ(fromRecord.GetLogFontA(canvas.surface, readBack), 1);
    EXPECT_EQ(readBack.lfWeight, FW_BOLD);
    FontFamily family;
    ASSERT_EQ(fromRecord.GetFamily(family), 1);
    EXPECT_EQ(std::string(readBack.lfFaceName), family.GetFamilyName()) << "the face in use";

    HGDIOBJ previous = SelectObject(screen, gdiFont);
    Font fromDc, withoutHandle;
    EXPECT_EQ(fromDc.CreateFontFromDC(screen), 1);
    EXPECT_EQ(withoutHandle.CreateFontFromHFONT(screen, nullptr), 1);
    EXPECT_FLOAT_EQ(withoutHandle.GetFontSize(), fromDc.GetFontSize());
    SelectObject(screen, previous);
    DeleteObject(gdiFont);
    ReleaseDC(nullptr, screen);
}

TEST_F(FontTest, StringFormatKeepsItsLayout) {
    StringFormat format;
    ASSERT_EQ(format.CreateStringFormat(Gdiplus::StringFormatFlagsNoWrap), 1);
    EXPECT_EQ(format.GetStringFormatFlags(), Gdiplus::StringFormatFlagsNoWrap);
    ASSERT_EQ(format.SetStringFormatAlign(Gdiplus::StringAlignmentCenter), 1);
    EXPECT_EQ(format.GetStringFormatAlign(), Gdiplus::StringAlignmentCenter);
    ASSERT_EQ(format.SetStringFormatLineAlign(Gdiplus::StringAlignmentFar), 1);
    EXPECT_EQ(format.GetStringFormatLineAlign(), Gdiplus::StringAlignmentFar);
    ASSERT_EQ(format.SetStringFormatTrimming(Gdiplus::StringTrimmingEllipsisCharacter), 1);
    EXPECT_EQ(format.GetStringFormatTrimming(), Gdiplus::StringTrimmingEllipsisCharacter);
    ASSERT_EQ(format.SetStringFormatHotkeyPrefix(Gdiplus::HotkeyPrefixShow), 1);
    EXPECT_EQ(format.GetStringFormatHotkeyPrefix(), Gdiplus::HotkeyPrefixShow);
    ASSERT_EQ(format.SetStringFormatTabStops(4, {10, 20, 30}), 1);
    float first = 0;
    std::vector<float> stops;
    ASSERT_EQ(format.GetStringFormatTabStops(first, stops), 1);
    EXPECT_FLOAT_EQ(first, 4);
    EXPECT_EQ(stops, (std::vector<float>{10, 20, 30}));
    ASSERT_EQ(format.SetStringFormatMeasurableCharacterRanges({CharacterRange(0, 1), CharacterRange(2, 3)}), 1);
    EXPECT_EQ(format.GetStringFormatMeasurableCharacterRangeCount(), 2);

    StringFormat copy;
    ASSERT_EQ(format.CloneStringFormat(copy), 1);
    ASSERT_EQ(format.DeleteStringFormat(), 1);
    EXPECT_EQ(copy.GetStringFormatAlign(), Gdiplus::StringAlignmentCenter);
}

// Centred text sits in the middle of its layout rectangle.
TEST_F(FontTest, AlignmentMovesTheText) {
    Font font;
    ASSERT_EQ(font.CreateFontByName(SONG_TI, 16, 0, Gdiplus::UnitPixel), 1);
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(kBlack), 1);
    auto leftmostInk = [&](StringAlignment align) {
        StringFormat format;
        format.CreateStringFormat();
        format.SetStringFormatAlign(align);
        Canvas canvas(120, 24);
        canvas.surface.DrawString("Ab", font, brush, RectF(0, 0, 120, 24), &format);
        for (int x = 0; x < 120; ++x) {
            for (int y = 0; y < 24; ++y) {
                if (canvas.Pixel(x, y) != kWhite) return x;
            }
        }
        return -1;
    };
    const int nearInk = leftmostInk(Gdiplus::StringAlignmentNear);
    const int centre = leftmostInk(Gdiplus::StringAlignmentCenter);
    const int farInk = leftmostInk(Gdiplus::StringAlignmentFar);
    ASSERT_GE(nearInk, 0);
    EXPECT_LT(nearInk, 10);
    EXPECT_GT(centre, 40);
    EXPECT_LT(centre, 70);
    EXPECT_GT(farInk, 90);
}

}  // namespace
