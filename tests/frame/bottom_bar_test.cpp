// The bottom bar: item layout across resizes, item painting, text colours and style.
#include <gtest/gtest.h>

#include <climits>

#include "engine/core/engine_settings.h"
#include "tests/frame/engine_fixture.h"
#include "tests/frame/test_pictures.h"
#include "tests/support/pixel_probe.h"

namespace {

using qtest::EngineFixture;

skin::BottomBarItem Item(int width, const std::string& text, COLORREF colour = 0) {
    skin::BottomBarItem item;
    item.width = width;
    item.text = text;
    item.textColor = colour;
    return item;
}

class BottomBar : public EngineFixture {
protected:
    HWND Attached(int width, int height, int barHeight, const std::vector<skin::BottomBarItem>& items) {
        const HWND hwnd = NewWindow(width, height);
        engine().AttachWindow(hwnd, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                              std::nullopt, std::nullopt, std::nullopt, barHeight, items);
        engine().PaintWindow(skin::FindWindowRecord(hwnd), 1);
        return hwnd;
    }

    // The darkest pixel of the back buffer inside `rect`, by the sum of its channels.
    static COLORREF Darkest(HDC dc, const skin::IntRect& rect) {
        COLORREF darkest = RGB(255, 255, 255);
        int best = INT_MAX;
        for (int y = rect.y; y < rect.y + rect.height; ++y) {
            for (int x = rect.x; x < rect.x + rect.width; ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                const int sum = GetRValue(c) + GetGValue(c) + GetBValue(c);
                if (sum < best) {
                    best = sum;
                    darkest = c;
                }
            }
        }
        return darkest;
    }
};

TEST_F(BottomBar, ItemsAreLaidOutFromTheLeftAndTheRestItemFollowsResizes) {
    const HWND hwnd = Attached(400, 300, 20, {Item(100, "a"), Item(-1, "b"), Item(80, "c")});
    const skin::WindowSkinRecord* record = &RecordOf(hwnd);
    EXPECT_EQ(record->bottomBarRect.x, 3);
    EXPECT_EQ(record->bottomBarRect.y, 276);
    EXPECT_EQ(record->bottomBarRect.width, 394);
    EXPECT_EQ(record->bottomBarRect.height, 20);
    struct Expected {
        int x, width;
    } before[] = {{3, 100}, {103, 294}, {397, 80}}, after[] = {{3, 100}, {103, 394}, {497, 80}};
    ASSERT_EQ(record->bottomBarItemRects.Count(), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(record->bottomBarItemRects.At(i).x, before[i - 1].x) << i;
        EXPECT_EQ(record->bottomBarItemRects.At(i).width, before[i - 1].width) << i;
        EXPECT_EQ(record->bottomBarItemRects.At(i).y, 276) << i;
    }
    SetWindowPos(hwnd, nullptr, 0, 0, 500, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    record = &RecordOf(hwnd);
    EXPECT_EQ(record->bottomBarRect.y, 226);
    EXPECT_EQ(record->bottomBarRect.width, 494);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(record->bottomBarItemRects.At(i).x, after[i - 1].x) << i;
        EXPECT_EQ(record->bottomBarItemRects.At(i).width, after[i - 1].width) << i;
        EXPECT_EQ(record->bottomBarItemRects.At(i).y, 226) << i;
    }
}

TEST_F(BottomBar, WithoutItemsOneItemSpansTheBar) {
    const HWND hwnd = Attached(400, 300, 24, {});
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    ASSERT_EQ(record.bottomBarItems.Count(), 1);
    EXPECT_EQ(record.bottomBarItemRects.At(1).width, 394);
    EXPECT_EQ(engine().SetBottomBarItem(hwnd, 1, "ready"), 1);
    EXPECT_EQ(record.bottomBarItems.At(1).text, "ready");
    EXPECT_EQ(engine().SetBottomBarItem(hwnd, 2, "none"), 0);
    EXPECT_EQ(engine().SetBottomBarItem(hwnd, 0, "none"), 0);
}

TEST_F(BottomBar, TextColourIsTheItemsOwnOrTheInverseOfTheBackColour) {
    skin::backColor = 0x00F0F0F0;
    const HWND hwnd = Attached(400, 300, 24, {Item(200, "MMMMMMMM", RGB(200, 0, 0)), Item(-1, "")});
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    const skin::IntRect item = record.bottomBarItemRects.At(1);
    const COLORREF own = Darkest(record.backBufferDc, item);
    EXPECT_GT(GetRValue(own), GetGValue(own) + 100);

    ASSERT_EQ(engine().SetBottomBarStyle(hwnd), 1);  // inverted text by default
    ASSERT_EQ(engine().SetBottomBarItem(hwnd, 1, "MMMMMMMM"), 1);
    const COLORREF inverted = Darkest(record.backBufferDc, item);
    EXPECT_TRUE(qtest::ColorsNear(inverted, RGB(0x0F, 0x0F, 0x0F), 6))
        << int(GetRValue(inverted)) << "," << int(GetGValue(inverted)) << "," << int(GetBValue(inverted));
    // The screen got the item too.
    HDC screen = GetDC(hwnd);
    EXPECT_TRUE(qtest::PixelNear(screen, item.x + 5, item.y + 2,
                                 GetPixel(record.backBufferDc, item.x + 5, item.y + 2), 2));
    ReleaseDC(hwnd, screen);
}

TEST_F(BottomBar, StyleTakesItsDefaultsForWhatIsNotGiven) {
    const HWND hwnd = Attached(400, 300, 24, {});
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    EXPECT_EQ(record.bottomBarInvertText, 0);
    EXPECT_EQ(record.bottomBarGlowColor, 0xFFFFFFu);
    EXPECT_EQ(record.bottomBarFontName, "宋体");
    ASSERT_EQ(engine().SetBottomBarStyle(hwnd, std::nullopt, 1), 1);
    EXPECT_EQ(record.bottomBarInvertText, 1);
    EXPECT_EQ(record.bottomBarGlow, 1);
    EXPECT_EQ(record.bottomBarGlowTextColor, 0u);
    EXPECT_EQ(record.bottomBarGlowColor, 0xFFFFFFu);
    EXPECT_EQ(record.bottomBarFontSize, 12);
    ASSERT_EQ(engine().SetBottomBarStyle(hwnd, 0, 0, RGB(1, 2, 3), RGB(4, 5, 6), std::string("Arial"), 14), 1);
    EXPECT_EQ(record.bottomBarGlowTextColor, RGB(1, 2, 3));
    EXPECT_EQ(record.bottomBarFontName, "Arial");
    EXPECT_EQ(record.bottomBarFontSize, 14);
}

TEST_F(BottomBar, GlowTextLaysAHaloOfTheGlowColourAroundTheText) {
    skin::backColor = RGB(0, 0, 0);
    const HWND hwnd = Attached(400, 300, 30, {Item(-1, "MMMM")});
    skin::WindowSkinRecord& record = RecordOf(hwnd);
    engine().SetBottomBarStyle(hwnd, 0, 1, RGB(0, 0, 0), RGB(0, 255, 0));
    engine().SetBottomBarItem(hwnd, 1, "MMMM");
    const skin::IntRect item = record.bottomBarItemRects.At(1);
    int green = 0;
    for (int y = item.y; y < item.y + item.height; ++y) {
        for (int x = item.x; x < item.x + 80; ++x) {
            const COLORREF c = GetPixel(record.backBufferDc, x, y);
            if (GetGValue(c) > GetRValue(c) + 60) ++green;
        }
    }
    EXPECT_GT(green, 20);
}

TEST_F(BottomBar, AnItemPictureSitsLeftOfTheText) {
    const HWND hwnd = Attached(400, 300, 24, {Item(-1, "")});
    const skin::WindowSkinRecord& record = RecordOf(hwnd);
    ASSERT_EQ(engine().SetBottomBarItem(hwnd, 1, "", qtest::PlainPicture(16, 16, 0xFF0000FF)), 1);
    const skin::IntRect item = record.bottomBarItemRects.At(1);
    // Drawn unscaled at (x + 2, y + (24 - 16) / 2).
    EXPECT_TRUE(qtest::PixelNear(record.backBufferDc, item.x + 2, item.y + 4, RGB(0, 0, 255), 2));
    EXPECT_TRUE(qtest::PixelNear(record.backBufferDc, item.x + 17, item.y + 19, RGB(0, 0, 255), 2));
    EXPECT_FALSE(qtest::PixelNear(record.backBufferDc, item.x + 18, item.y + 12, RGB(0, 0, 255), 60));
}

}  // namespace
