// Window geometry for painters: client area inside the window, rectangles relative to the
// skinned owner, DCs that leave children out, colour conversion.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "engine/core/argb.h"
#include "engine/core/child_windows.h"
#include "engine/core/engine_tables.h"
#include "engine/core/window_rects.h"
#include "tests/support/pixel_probe.h"
#include "tests/support/skinned_window.h"
#include "tests/support/test_window.h"

namespace {

TEST(ToArgbTest, SwapsRedAndBlueAndPutsTheAlphaOnTop) {
    struct Case {
        COLORREF color;
        int alpha;  // -1: not given
        std::uint32_t argb;
    };
    const Case cases[] = {
        {0x0000FF, 128, 0x80FF0000u},     // red, half alpha
        {0x0000FF, -1, 0xFFFF0000u},      // opaque when no alpha is given
        {0xDDCA22, 200, 0xC822CADDu},     // the default theme colour
        {0x7F123456, 0, 0x00563412u},     // the high byte of a COLORREF is dropped
        {0x00FFFFFF, 0x1A0, 0xA0FFFFFFu}, // only the alpha's low byte counts
    };
    for (const Case& c : cases) {
        const std::uint32_t argb = c.alpha < 0 ? skin::ToArgb(c.color) : skin::ToArgb(c.color, c.alpha);
        EXPECT_EQ(argb, c.argb) << std::hex << c.color << " alpha " << c.alpha;
    }
}

class WindowGeometryTest : public ::testing::Test {
protected:
    void SetUp() override { skin::ReleaseEngineTables(); }
    void TearDown() override {
        window_.Destroy();
        skin::ReleaseEngineTables();
    }
    qtest::TestWindow window_{360, 300};
};

TEST_F(WindowGeometryTest, ClientRectInWindowCountsScrollBarsAsBorder) {
    struct Case {
        const char* className;
        DWORD style;
        DWORD exStyle;
        int border;
    };
    const Case cases[] = {
        {"ListBox", WS_VSCROLL | LBS_DISABLENOSCROLL, WS_EX_CLIENTEDGE, 2},
        {"ListBox", WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL, 0, 1},
        {"Edit", WS_HSCROLL | WS_VSCROLL | ES_MULTILINE, WS_EX_CLIENTEDGE, 2},
        {"Static", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        HWND control = window_.AddChild(c.className, c.style, 10, 10, 100, 80, c.exStyle);
        RECT client{};
        GetClientRect(control, &client);
        const RECT r = skin::GetClientRectInWindow(control);
        EXPECT_EQ(r.left, c.border);
        EXPECT_EQ(r.top, c.border);
        EXPECT_EQ(r.right - r.left, client.right);
        EXPECT_EQ(r.bottom - r.top, client.bottom);
        DestroyWindow(control);
    }
}

TEST_F(WindowGeometryTest, RectInOwningWindowIsRelativeToTheSkinnedAncestor) {
    qtest::GiveWindowRecord(window_.hwnd());
    HWND panel = window_.AddChild("Static", 0, 30, 40, 200, 150);
    HWND inner = window_.AddChild("Button", 0, 12, 15, 60, 20, 0, panel);
    RECT outer{}, rect{};
    GetWindowRect(window_.hwnd(), &outer);
    GetWindowRect(inner, &rect);

    const RECT r = skin::RectInOwningWindow(inner);
    EXPECT_EQ(r.left, rect.left - outer.left);
    EXPECT_EQ(r.top, rect.top - outer.top);
    EXPECT_EQ(r.right - r.left, 60);
    EXPECT_EQ(r.bottom - r.top, 20);

    const RECT inPanel = skin::RectRelativeTo(panel, inner);
    EXPECT_EQ(inPanel.left, 12);
    EXPECT_EQ(inPanel.top, 15);
    const RECT own = skin::RectInOwningWindow(window_.hwnd());
    EXPECT_TRUE(own.left == 0 && own.top == 0 && own.right == 0 && own.bottom == 0);
}

TEST_F(WindowGeometryTest, DcWithoutChildrenLeavesOutOpaqueVisibleChildren) {
    struct Child {
        int x;
        DWORD style;
        DWORD exStyle;
        bool excluded;
    };
    const Child children[] = {
        {10, 0, 0, true},
        {60, 0, WS_EX_TRANSPARENT, false},
        {110, 0, 0, false},  // hidden below
        {160, 0, 0, false},  // an attached window of its own below
    };
    HWND made[4];
    for (int i = 0; i < 4; ++i) {
        made[i] = window_.AddChild("Static", children[i].style, children[i].x, 20, 30, 30,
                                   children[i].exStyle);
    }
    ShowWindow(made[2], SW_HIDE);
    skin::windowRecords.emplace_back();
    skin::windowRecords.back().hwnd = made[3];

    qtest::MemorySurface surface(300, 100);
    surface.Fill(RGB(0, 0, 0));
    HDC dc = skin::GetDcWithoutChildren(window_.hwnd(), surface.dc());
    EXPECT_EQ(dc, surface.dc());
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 300, 100};
    FillRect(dc, &all, red);
    DeleteObject(red);

    EXPECT_TRUE(qtest::PixelNear(surface.dc(), 5, 5, RGB(255, 0, 0), 0));
    for (const Child& c : children) {
        SCOPED_TRACE(c.x);
        const COLORREF expected = c.excluded ? RGB(0, 0, 0) : RGB(255, 0, 0);
        EXPECT_TRUE(qtest::PixelNear(surface.dc(), c.x + 15, 35, expected, 0));
        EXPECT_TRUE(qtest::PixelNear(surface.dc(), c.x - 1, 35, RGB(255, 0, 0), 0));
    }

    HDC own = skin::GetDcWithoutChildren(window_.hwnd());
    EXPECT_NE(own, nullptr);
    ReleaseDC(window_.hwnd(), own);
}

TEST_F(WindowGeometryTest, InvalidateVisibleChildrenSkipsHiddenOnes) {
    HWND shown = window_.AddChild("Static", 0, 10, 10, 30, 30);
    HWND hidden = window_.AddChild("Static", 0, 50, 10, 30, 30);
    ShowWindow(hidden, SW_HIDE);
    qtest::PumpMessages();
    ValidateRect(shown, nullptr);
    ValidateRect(hidden, nullptr);

    skin::InvalidateVisibleChildren(window_.hwnd());
    EXPECT_TRUE(GetUpdateRect(shown, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(hidden, nullptr, FALSE));
}

}  // namespace
