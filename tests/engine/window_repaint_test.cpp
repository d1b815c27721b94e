// Full repaints, the theme, colour replies and what an attached window leaves behind.
#include <gtest/gtest.h>

#include "engine/core/engine_settings.h"
#include "tests/frame/engine_fixture.h"
#include "tests/frame/test_pictures.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/pixel_probe.h"

namespace {

using qtest::EngineFixture;

class WindowRepaint : public EngineFixture {
protected:
    static HGDIOBJ Property(HWND hwnd, const char* name) { return GetPropA(hwnd, name); }
};

TEST_F(WindowRepaint, TwoFullRepaintsLeaveOneBackBufferBitmap) {
    const HWND hwnd = NewWindow();
    const int index = AttachPainted(hwnd);
    const HGDIOBJ original = Property(hwnd, "Ck_Ycjdx");
    const HGDIOBJ first = Property(hwnd, "Ck_wtjbdx");
    ASSERT_NE(original, nullptr);
    ASSERT_NE(first, nullptr);
    const int headroom = qtest::MeasureGdiHeadroom();
    engine().PaintWindow(index, 0);
    engine().PaintWindow(index, 1);
    EXPECT_EQ(Property(hwnd, "Ck_Ycjdx"), original);
    EXPECT_NE(Property(hwnd, "Ck_wtjbdx"), first);
    EXPECT_EQ(GetObjectType(first), 0u);  // deleted
    EXPECT_EQ(GetCurrentObject(RecordOf(hwnd).backBufferDc, OBJ_BITMAP), Property(hwnd, "Ck_wtjbdx"));
    EXPECT_EQ(qtest::MeasureGdiHeadroom(), headroom);
}

TEST_F(WindowRepaint, PaintWithoutPresentingComposesButShowsNothing) {
    const HWND hwnd = NewWindow(300, 200);
    engine().AttachWindow(hwnd);
    const int index = skin::FindWindowRecord(hwnd);
    HDC screen = GetDC(hwnd);
    SetPixel(screen, 150, 100, RGB(1, 2, 3));
    engine().PaintWindow(index, 0);
    EXPECT_EQ(GetPixel(screen, 150, 100), RGB(1, 2, 3));
    EXPECT_EQ(RecordOf(hwnd).needsFullRepaint, 0);
    engine().PaintWindow(index, 1);
    EXPECT_TRUE(qtest::PixelNear(screen, 150, 100, GetPixel(RecordOf(hwnd).backBufferDc, 150, 100), 0));
    ReleaseDC(hwnd, screen);
    // The window is cut to its rounded client shape, and the cut hides every pixel of the
    // clear colour the back buffer keeps in its corners.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(hwnd, region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 150, 0));
    const HDC back = RecordOf(hwnd).backBufferDc;
    int cleared = 0;
    for (int y : {0, 1, 2, 3, 196, 197, 198, 199}) {
        for (int x : {0, 1, 2, 3, 296, 297, 298, 299}) {
            if (GetPixel(back, x, y) != RGB(255, 0, 255)) continue;
            ++cleared;
            EXPECT_FALSE(PtInRegion(region, x, y)) << x << "," << y;
        }
    }
    EXPECT_GE(cleared, 4);
    DeleteObject(region);
}

TEST_F(WindowRepaint, WithoutACaptionThereIsNoBorderNoTitleAndNoCaptionCopy) {
    skin::backColor = RGB(90, 90, 90);
    const HWND hwnd = NewWindow(300, 200);
    engine().AttachWindow(hwnd, std::nullopt, 0, std::nullopt, std::nullopt, std::nullopt,
                          std::nullopt, std::nullopt, 20);
    engine().PaintWindow(skin::FindWindowRecord(hwnd), 0);
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    EXPECT_EQ(record.captionBufferDc, nullptr);
    EXPECT_NE(record.bottomBarBufferDc, nullptr);
    EXPECT_TRUE(qtest::PixelNear(record.backBufferDc, 150, 199, RGB(90, 90, 90), 1));  // no border
    EXPECT_TRUE(qtest::PixelNear(record.backBufferDc, 280, 10, RGB(90, 90, 90), 1));   // no buttons
}

TEST_F(WindowRepaint, ThemeWithNothingGivenOnlyResetsTheThemeColour) {
    const HWND hwnd = NewWindow();
    AttachPainted(hwnd);
    const HGDIOBJ bitmap = Property(hwnd, "Ck_wtjbdx");
    skin::themeColor = RGB(1, 2, 3);
    const COLORREF back = skin::backColor;
    engine().SetTheme();
    EXPECT_EQ(skin::themeColor, skin::DEFAULT_THEME_COLOR);
    EXPECT_EQ(skin::backColor, back);
    EXPECT_EQ(Property(hwnd, "Ck_wtjbdx"), bitmap);  // nothing repainted
}

TEST_F(WindowRepaint, ThemeFromAPictureTakesItsAverageAndTilesIt) {
    const HWND hwnd = NewWindow();
    AttachPainted(hwnd);
    const auto picture = qtest::PlainPicture(40, 30, 0xFF3060C0);
    engine().SetTheme("", picture, std::nullopt, skin::THEME_FROM_BACKGROUND);
    EXPECT_EQ(skin::backColor, RGB(0x30, 0x60, 0xC0));
    EXPECT_EQ(skin::themeColor, RGB(0x30, 0x60, 0xC0));
    EXPECT_EQ(engine().GetBackColor(), RGB(0x30, 0x60, 0xC0));
    EXPECT_EQ(skin::defaultBackgroundLayout, skin::BACKGROUND_TILED);
    EXPECT_EQ(skin::defaultBackgroundImage, picture);
    // The visible window was recomposed with the picture behind it.
    EXPECT_TRUE(qtest::PixelNear(RecordOf(hwnd).backBufferDc, 200, 150, RGB(0x30, 0x60, 0xC0), 2));
}

TEST_F(WindowRepaint, ThemeColourOnlyClearsThePictureAndRepaintsVisibleWindows) {
    const HWND shown = NewWindow();
    AttachPainted(shown);
    const HWND hidden = NewWindow();
    AttachPainted(hidden);
    ShowWindow(hidden, SW_HIDE);
    skin::defaultBackgroundImage = qtest::PlainPicture(10, 10, 0xFFFF0000);
    const HGDIOBJ shownBitmap = Property(shown, "Ck_wtjbdx");
    const HGDIOBJ hiddenBitmap = Property(hidden, "Ck_wtjbdx");
    engine().SetTheme("", {}, RGB(20, 40, 60), std::nullopt);
    EXPECT_TRUE(skin::defaultBackgroundImage.empty());
    EXPECT_EQ(skin::backColor, RGB(20, 40, 60));
    EXPECT_EQ(skin::themeColor, skin::DEFAULT_THEME_COLOR);
    EXPECT_NE(Property(shown, "Ck_wtjbdx"), shownBitmap);
    EXPECT_EQ(Property(hidden, "Ck_wtjbdx"), hiddenBitmap);
    EXPECT_TRUE(qtest::PixelNear(RecordOf(shown).backBufferDc, 200, 150, RGB(20, 40, 60), 1));
}

TEST_F(WindowRepaint, WindowBackgroundNeedsAPictureAndMarksAFullRepaint) {
    const HWND hwnd = NewWindow();
    AttachPainted(hwnd);
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    EXPECT_EQ(engine().SetWindowBackground(hwnd, {}, 3), 0);
    EXPECT_EQ(record.backgroundLayout, 0);
    EXPECT_EQ(record.needsFullRepaint, 0);
    EXPECT_EQ(engine().SetWindowBackground(hwnd, qtest::PlainPicture(20, 20, 0xFF008000), 3), 1);
    EXPECT_EQ(record.backgroundLayout, 3);
    EXPECT_EQ(record.backgroundColor, 0xFF000000u | RGB(0, 0x80, 0));
    EXPECT_EQ(record.needsFullRepaint, 1);
    qtest::PumpMessages();  // the invalidated window recomposes on its WM_PAINT
    EXPECT_EQ(RecordOf(hwnd).needsFullRepaint, 0);
    EXPECT_TRUE(qtest::PixelNear(RecordOf(hwnd).backBufferDc, 200, 150, RGB(0, 0x80, 0), 1));
}

class ColourReplies : public EngineFixture {
protected:
    LRESULT Ask(HWND parent, UINT message, HWND control) {
        HDC dc = GetDC(control);
        const LRESULT result =
            SendMessageA(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
        ReleaseDC(control, dc);
        return result;
    }
};

TEST_F(ColourReplies, TranslucentControlsGetTheBackgroundAndHoldOneBrushEach) {
    engine().SetOptions(1, 160);
    const HWND hwnd = NewWindow();
    AttachPainted(hwnd);
    const HWND label = windows_.back()->AddChild("STATIC", 0, 20, 60, 100, 20, 0, nullptr, "label");
    SetPropA(label, "Kj_Ztys", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(RGB(200, 0, 0))));
    Ask(hwnd, WM_CTLCOLORSTATIC, label);
    const int headroom = qtest::MeasureGdiHeadroom();
    LRESULT brush = 0;
    for (int i = 0; i < 50; ++i) brush = Ask(hwnd, WM_CTLCOLORSTATIC, label);
    EXPECT_EQ(qtest::MeasureGdiHeadroom(), headroom);
    EXPECT_EQ(reinterpret_cast<HANDLE>(brush), GetPropA(label, "Kj_dxjb"));
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(GetPropA(label, "Kj_wtjb")), static_cast<DWORD>(OBJ_BITMAP));

    const HWND list = windows_.back()->AddChild("ListBox", 0, 20, 90, 100, 60);
    const HWND ownerDrawn = windows_.back()->AddChild("ListBox", LBS_OWNERDRAWFIXED, 130, 90, 100, 60);
    const LRESULT hollow = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    EXPECT_EQ(Ask(hwnd, WM_CTLCOLORLISTBOX, list), hollow);
    EXPECT_NE(Ask(hwnd, WM_CTLCOLORLISTBOX, ownerDrawn), hollow);

    engine().SetOptions(1);  // opaque controls: every reply is the window's own
    EXPECT_NE(Ask(hwnd, WM_CTLCOLORLISTBOX, list), hollow);
}

TEST_F(ColourReplies, AWindowThatGoesAwayReleasesItsControlsReplies) {
    engine().SetOptions(1, 160);
    const int before = qtest::MeasureGdiHeadroom();
    for (int i = 0; i < 5; ++i) {
        const HWND hwnd = NewWindow();
        AttachPainted(hwnd);
        const HWND label = windows_.back()->AddChild("STATIC", 0, 20, 60, 100, 20);
        Ask(hwnd, WM_CTLCOLORSTATIC, label);
        windows_.clear();
        qtest::PumpMessages();
    }
    EXPECT_EQ(qtest::MeasureGdiHeadroom(), before);
}

TEST_F(ColourReplies, AControlDestroyedOnItsOwnReleasesItsReplies) {
    engine().SetOptions(1, 160);
    const HWND hwnd = NewWindow();
    AttachPainted(hwnd);
    const int before = qtest::MeasureGdiHeadroom();
    for (int i = 0; i < 20; ++i) {
        const HWND label = windows_.back()->AddChild("STATIC", 0, 20, 60, 100, 20);
        Ask(hwnd, WM_CTLCOLORSTATIC, label);
        DestroyWindow(label);
    }
    EXPECT_EQ(qtest::MeasureGdiHeadroom(), before);
}

TEST_F(WindowRepaint, AttachingAndDestroying200WindowsLeavesNothingBehind) {
    // One window first, so that one-time allocations (fonts, classes) are not counted.
    {
        const HWND warm = NewWindow();
        AttachPainted(warm);
        windows_.clear();
        qtest::PumpMessages();
    }
    const int before = qtest::MeasureGdiHeadroom();
    for (int i = 0; i < 200; ++i) {
        const HWND hwnd = NewWindow(300, 200);
        engine().AttachWindow(hwnd, std::nullopt, std::nullopt, std::nullopt, 1, 1,
                              std::nullopt, 1, 20);
        engine().PaintWindow(skin::FindWindowRecord(hwnd), 1);
        SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(250, 10));
        windows_.clear();
        qtest::PumpMessages();
    }
    EXPECT_TRUE(skin::windowRecords.empty());
    EXPECT_EQ(qtest::MeasureGdiHeadroom(), before);
}

}  // namespace
