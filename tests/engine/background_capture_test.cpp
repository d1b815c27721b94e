// Background capture: offsets into the back buffer, container tints, background hosts, the
// veil, and no handles left behind.
#include <gtest/gtest.h>

#include <windows.h>

#include "engine/core/background_capture.h"
#include "engine/core/engine_settings.h"
#include "engine/core/engine_tables.h"
#include "engine/core/memory_dc.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/gdiplus_session.h"
#include "tests/support/pixel_probe.h"
#include "tests/support/screenshot.h"
#include "tests/support/skinned_window.h"
#include "tests/support/test_window.h"

namespace {

using qtest::BackBufferColor;
using qtest::Blend;
using qtest::PixelNear;

constexpr COLORREF GREEN = RGB(0, 255, 0);

// Where `window`'s top-left corner lies in its root window, from the window rectangles.
POINT OffsetInRoot(HWND window) {
    RECT root{}, rect{};
    GetWindowRect(GetAncestor(window, GA_ROOT), &root);
    GetWindowRect(window, &rect);
    return POINT{rect.left - root.left, rect.top - root.top};
}

class BackgroundCaptureTest : public qtest::GdiplusTest {
protected:
    void SetUp() override {
        GdiplusTest::SetUp();
        if (HasFatalFailure()) return;
        skin::ReleaseEngineTables();
        skin::controlAlpha = skin::DEFAULT_CONTROL_ALPHA;
        windowIndex_ = qtest::GiveWindowRecord(window_.hwnd());
    }
    void TearDown() override {
        window_.Destroy();
        EXPECT_TRUE(skin::memoryDcTable.empty()) << "a capture was not released";
        skin::ReleaseEngineTables();
    }

    qtest::TestWindow window_{400, 320};
    int windowIndex_ = 0;
};

TEST_F(BackgroundCaptureTest, ControlOnTheWindowCopiesTheBackBufferAtItsOffset) {
    HWND button = window_.AddChild("Button", BS_PUSHBUTTON, 30, 50, 80, 24);
    const RECT part{2, 3, 42, 23};
    HDC dc = skin::CaptureControlBackground(button, part);
    ASSERT_NE(dc, nullptr);
    const POINT at = OffsetInRoot(button);
    EXPECT_TRUE(PixelNear(dc, 0, 0, BackBufferColor(at.x + 2, at.y + 3), 0));
    EXPECT_TRUE(PixelNear(dc, 39, 19, BackBufferColor(at.x + 41, at.y + 22), 0));
    qtest::SaveScreenshot(dc, 40, 20, "capture_direct_child");
    EXPECT_EQ(skin::ReleaseMemoryDc(dc), 1);
}

TEST_F(BackgroundCaptureTest, ContainerTintCoversGroupBoxShapeOrWholeSurface) {
    struct Case {
        const char* name;
        bool groupBox;
        COLORREF tint;
        POINT probe;  // in the container's client area (200 x 150)
        bool tinted;
    };
    const Case cases[] = {
        {"group box, inside the shape", true, GREEN, {100, 80}, true},
        {"group box, above the caption line", true, GREEN, {100, 2}, false},
        {"group box, outside the rounded corner", true, GREEN, {0, 5}, false},
        {"panel, top edge", false, GREEN, {100, 2}, true},
        {"panel, corner", false, GREEN, {0, 0}, true},
        {"panel without tint", false, 0, {100, 80}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND container = window_.AddChild(c.groupBox ? "Button" : "Static",
                                          c.groupBox ? BS_GROUPBOX : 0, 20, 40, 200, 150);
        qtest::RegisterContainer(windowIndex_, container, c.tint, 80, c.groupBox);
        RECT client{};
        GetClientRect(container, &client);
        HDC dc = skin::CaptureControlBackground(container, client);
        ASSERT_NE(dc, nullptr);
        const POINT at = OffsetInRoot(container);
        const COLORREF behind = BackBufferColor(at.x + c.probe.x, at.y + c.probe.y);
        EXPECT_TRUE(PixelNear(dc, c.probe.x, c.probe.y, c.tinted ? Blend(c.tint, 80, behind) : behind, 3));
        if (&c == &cases[0]) qtest::SaveScreenshot(dc, client.right, client.bottom, "capture_tinted_group_box");
        skin::ReleaseMemoryDc(dc);

        // A control inside the container is tinted over its whole surface.
        HWND inner = window_.AddChild("Edit", 0, 30, 40, 60, 20, 0, container);
        HDC innerDc = skin::CaptureControlBackground(inner, RECT{0, 0, 60, 20});
        ASSERT_NE(innerDc, nullptr);
        const POINT innerAt = OffsetInRoot(inner);
        const COLORREF innerBehind = BackBufferColor(innerAt.x, innerAt.y);
        EXPECT_TRUE(PixelNear(innerDc, 0, 0, c.tint ? Blend(c.tint, 80, innerBehind) : innerBehind, 3));
        skin::ReleaseMemoryDc(innerDc);

        DestroyWindow(container);
        skin::windowRecords[0].containers = skin::RecordList<skin::ContainerRecord>();
    }
}

TEST_F(BackgroundCaptureTest, BackgroundHostsLendTheirSurface) {
    // A child window of another component that renders its own surface for what it holds.
    HWND host = window_.AddChild("Static", 0, 10, 30, 300, 200);
    qtest::MemorySurface surface(300, 200);
    surface.FillWith([](int x, int y) { return RGB(255 - (x & 0xFF), 255 - (y & 0xFF), 7); });
    SetPropA(host, "Wxk_Zpf", reinterpret_cast<HANDLE>(1));
    SetPropA(host, "Wxk_Cj", surface.dc());
    auto hostColor = [](int x, int y) { return RGB(255 - (x & 0xFF), 255 - (y & 0xFF), 7); };

    // A control directly inside the host: a plain copy of the host's surface.
    HWND control = window_.AddChild("Edit", 0, 40, 50, 60, 20, 0, host);
    HDC dc = skin::CaptureControlBackground(control, RECT{1, 1, 21, 11});
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(PixelNear(dc, 0, 0, hostColor(41, 51), 0));
    skin::ReleaseMemoryDc(dc);

    // A tinted container that names the host: the host's surface under the container's tint.
    HWND panel = window_.AddChild("Static", 0, 100, 20, 150, 120, 0, host);
    qtest::RegisterContainer(windowIndex_, panel, GREEN, 80);
    SetPropA(panel, "Mb_zpf", host);
    HWND inPanel = window_.AddChild("Edit", 0, 10, 10, 50, 20, 0, panel);
    dc = skin::CaptureControlBackground(inPanel, RECT{0, 0, 50, 20});
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(PixelNear(dc, 0, 0, Blend(GREEN, 80, hostColor(110, 30)), 3));
    skin::ReleaseMemoryDc(dc);

    // The host itself, naming no host of its own, shows the attached window's back buffer.
    dc = skin::CaptureControlBackground(host, RECT{0, 0, 10, 10});
    ASSERT_NE(dc, nullptr);
    const POINT at = OffsetInRoot(host);
    EXPECT_TRUE(PixelNear(dc, 5, 5, BackBufferColor(at.x + 5, at.y + 5), 0));
    skin::ReleaseMemoryDc(dc);
    RemovePropA(host, "Wxk_Cj");
}

TEST_F(BackgroundCaptureTest, ControlOutsideSkinnedWindowsGetsNothingAndKeepsNothing) {
    qtest::TestWindow plain(200, 150);
    HWND control = plain.AddChild("Edit", 0, 10, 10, 60, 20);
    EXPECT_EQ(skin::CaptureControlBackground(control, RECT{0, 0, 60, 20}), nullptr);
    EXPECT_EQ(skin::MakeBackgroundBitmap(control), nullptr);
    EXPECT_TRUE(skin::memoryDcTable.empty());
}

TEST_F(BackgroundCaptureTest, VeiledBackgroundLiesUnderWhiteAtControlAlpha) {
    HWND list = window_.AddChild("ListBox", WS_VSCROLL | LBS_DISABLENOSCROLL, 60, 70, 120, 90,
                                 WS_EX_CLIENTEDGE);
    skin::controlAlpha = 100;
    const POINT at = OffsetInRoot(list);
    const COLORREF behind = BackBufferColor(at.x + 2 + 10, at.y + 2 + 4);  // client starts at (2, 2)
    const COLORREF veiled = Blend(RGB(255, 255, 255), 100, behind);

    HDC dc = skin::VeiledBackgroundDc(list);
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(PixelNear(dc, 10, 4, veiled, 3));
    skin::ReleaseMemoryDc(dc);

    HBITMAP bitmap = skin::MakeBackgroundBitmap(list);
    ASSERT_NE(bitmap, nullptr);
    HDC reader = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(reader, bitmap);
    EXPECT_TRUE(PixelNear(reader, 10, 4, veiled, 3));
    SelectObject(reader, previous);
    DeleteDC(reader);
    DeleteObject(bitmap);
}

TEST_F(BackgroundCaptureTest, CaptureCyclesLeakNoGdiHandles) {
    HWND groupBox = window_.AddChild("Button", BS_GROUPBOX, 20, 40, 200, 150);
    qtest::RegisterContainer(windowIndex_, groupBox, GREEN, 80, true);
    HWND inner = window_.AddChild("Edit", 0, 30, 40, 60, 20, 0, groupBox);
    auto cycle = [&] {
        skin::ReleaseMemoryDc(skin::CaptureControlBackground(groupBox, RECT{0, 0, 200, 150}));
        skin::ReleaseMemoryDc(skin::VeiledBackgroundDc(inner));
        DeleteObject(skin::MakeBackgroundBitmap(inner));
    };
    cycle();  // lets GDI+ and the system allocate what they keep for good
    const int before = qtest::MeasureGdiHeadroom();
    for (int i = 0; i < 150; ++i) cycle();
    EXPECT_EQ(qtest::MeasureGdiHeadroom(), before);
}

}  // namespace
