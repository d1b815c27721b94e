// Moving and resizing by mouse: the eight border zones, the caption and the button strip.
#include <gtest/gtest.h>

#include <vector>

#include "tests/frame/engine_fixture.h"

namespace {

using qtest::EngineFixture;

// Sits on top of the engine's procedure and keeps the commands that would start the
// system's modal move and size loops, so that a test can see them without running them.
class CommandCatcher {
public:
    explicit CommandCatcher(HWND hwnd) : hwnd_(hwnd) {
        catcher_ = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~CommandCatcher() {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        catcher_ = nullptr;
    }
    // "sys F001" for a WM_SYSCOMMAND, "move" for WM_NCLBUTTONDOWN on the caption, "" for none.
    std::vector<std::string> caught;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_SYSCOMMAND) {
            char text[16];
            wsprintfA(text, "sys %04X", static_cast<unsigned>(wParam));
            catcher_->caught.push_back(text);
            return 0;
        }
        if (message == WM_NCLBUTTONDOWN && wParam == HTCAPTION) {
            catcher_->caught.push_back("move");
            return 0;
        }
        return CallWindowProcA(catcher_->previous_, hwnd, message, wParam, lParam);
    }

    static CommandCatcher* catcher_;
    HWND hwnd_;
    WNDPROC previous_ = nullptr;
};
CommandCatcher* CommandCatcher::catcher_ = nullptr;

struct Zone {
    int x, y;
    LPCSTR cursor;      // null: no zone
    const char* press;  // what a press there starts
};

// A 400 x 300 client area with borders 3 pixels deep and a caption 25 high.
const Zone ZONES[] = {
    {2, 150, IDC_SIZEWE, "sys F001"},     {398, 150, IDC_SIZEWE, "sys F002"},
    {200, 1, IDC_SIZENS, "sys F003"},     {200, 298, IDC_SIZENS, "sys F006"},
    {5, 5, IDC_SIZENWSE, "sys F004"},     {395, 5, IDC_SIZENESW, ""},  // the strip owns it
    {5, 295, IDC_SIZENESW, "sys F007"},   {395, 295, IDC_SIZENWSE, "sys F008"},
    {3, 11, IDC_SIZEWE, "sys F001"},      {4, 11, nullptr, "move"},  // side zones are 3 deep
    {3, 10, IDC_SIZENWSE, "sys F004"},    {11, 10, nullptr, "move"},
    {5, 150, nullptr, ""},                {200, 10, nullptr, "move"},
    {320, 10, nullptr, ""},               // the caption-button strip owns the press
    {320, 2, IDC_SIZENS, "sys F003"},     // above the strip's press area: the top border
    {398, 2, IDC_SIZENESW, "sys F005"},
};

class MouseSizing : public EngineFixture {
protected:
    HWND Attached(int resizable) {
        const HWND hwnd = NewWindow(400, 300);
        engine().AttachWindow(hwnd, std::nullopt, std::nullopt, resizable);
        return hwnd;
    }
    int Index(HWND hwnd) { return skin::FindWindowRecord(hwnd); }
};

TEST_F(MouseSizing, EachBorderZoneShowsItsCursorAndStartsItsResize) {
    const HWND hwnd = Attached(1);
    const RECT client{0, 0, 400, 300};
    HCURSOR other = LoadCursor(nullptr, IDC_IBEAM);
    for (const Zone& zone : ZONES) {
        SetCursor(other);
        engine().UpdateResizeCursor(Index(hwnd), MAKELPARAM(zone.x, zone.y), client);
        const HCURSOR expected = zone.cursor ? LoadCursorA(nullptr, zone.cursor) : other;
        EXPECT_EQ(GetCursor(), expected) << zone.x << "," << zone.y;

        CommandCatcher catcher(hwnd);
        RecordOf(hwnd).needsFullRepaint = 0;
        engine().HandleCaptionMouseDown(Index(hwnd), MAKELPARAM(zone.x, zone.y), client);
        const std::string got = catcher.caught.empty() ? "" : catcher.caught.front();
        EXPECT_EQ(got, zone.press) << zone.x << "," << zone.y;
        EXPECT_EQ(RecordOf(hwnd).needsFullRepaint, got.rfind("sys", 0) == 0 ? 1 : 0);
    }
}

TEST_F(MouseSizing, AFixedSizeWindowOnlyMovesFromItsCaption) {
    const HWND hwnd = Attached(0);
    const RECT client{0, 0, 400, 300};
    struct Case {
        int x, y;
        const char* press;
    } cases[] = {{2, 10, "move"}, {200, 1, "move"}, {200, 25, "move"},
                 {200, 26, ""},   {2, 150, ""},     {395, 295, ""}};
    HCURSOR other = LoadCursor(nullptr, IDC_IBEAM);
    for (const Case& c : cases) {
        SetCursor(other);
        engine().UpdateResizeCursor(Index(hwnd), MAKELPARAM(c.x, c.y), client);
        EXPECT_EQ(GetCursor(), other);
        CommandCatcher catcher(hwnd);
        engine().HandleCaptionMouseDown(Index(hwnd), MAKELPARAM(c.x, c.y), client);
        EXPECT_EQ(catcher.caught.empty() ? "" : catcher.caught.front(), c.press) << c.x << "," << c.y;
    }
}

TEST_F(MouseSizing, NoCaptionHandlingMeansNoMoveAndNoResize) {
    const HWND hwnd = NewWindow(400, 300);
    engine().AttachWindow(hwnd, std::nullopt, 0);
    CommandCatcher catcher(hwnd);
    for (POINT p : {POINT{2, 150}, POINT{200, 10}}) {
        engine().HandleCaptionMouseDown(Index(hwnd), MAKELPARAM(p.x, p.y), RECT{0, 0, 400, 300});
    }
    EXPECT_TRUE(catcher.caught.empty());
}

}  // namespace
