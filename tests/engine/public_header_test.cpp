// The engine as a program embeds it: its public header alone, real windows and real input.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "engine/skin_engine.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/mouse_input.h"

namespace {

constexpr char CLASS_NAME[] = "QorvelEmbedder";
constexpr DWORD STYLE = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
constexpr int WIDTH = 400, HEIGHT = 300;

// The named properties the program's own procedure saw on its window at WM_NCDESTROY, which
// reaches it after the engine's procedure has handled the message.
std::set<std::string> propertiesAtNcDestroy;

BOOL CALLBACK CollectProperty(HWND, LPSTR name, HANDLE, ULONG_PTR names) {
    if (HIWORD(reinterpret_cast<UINT_PTR>(name)) != 0) {
        reinterpret_cast<std::set<std::string>*>(names)->insert(name);
    }
    return TRUE;
}

LRESULT CALLBACK ProgramProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        propertiesAtNcDestroy.clear();
        EnumPropsExA(hwnd, CollectProperty, reinterpret_cast<LPARAM>(&propertiesAtNcDestroy));
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Pumps for `ms` milliseconds, so that timers and queued input are handled.
void PumpFor(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (GetTickCount() < end) {
        Pump();
        Sleep(5);
    }
}

void Mouse(int x, int y, DWORD flags) { qtest::SendMouse(x, y, flags); }

void Drag(POINT from, POINT to) { qtest::DragMouse(from, to); }

void Click(POINT at) { Drag(at, at); }

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// One engine for the whole suite, set up and torn down the way a program does it.
class PublicHeader : public testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = ProgramProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = CLASS_NAME;
        RegisterClassA(&windowClass);
        skin::EngineModuleSetUp();
        engine = new skin::SkinEngine();
    }
    static void TearDownTestSuite() {
        delete engine;
        engine = nullptr;
    }

    // A top-level window with a few standard controls, on top at (x, y), attached.
    static HWND NewAttached(int x = 700, int y = 500) {
        HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, CLASS_NAME, "embedded", STYLE, x, y, WIDTH,
                                    HEIGHT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 80, 26,
                        hwnd, nullptr, nullptr, nullptr);
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "text", WS_CHILD | WS_VISIBLE, 20, 100, 160, 22,
                        hwnd, nullptr, nullptr, nullptr);
        CreateWindowExA(0, "STATIC", "label", WS_CHILD | WS_VISIBLE, 20, 130, 100, 18, hwnd,
                        nullptr, nullptr, nullptr);
        engine->AttachWindow(hwnd);
        ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
        PumpFor(100);
        return hwnd;
    }

    void TearDown() override { Pump(); }

    static skin::SkinEngine* engine;
};

skin::SkinEngine* PublicHeader::engine = nullptr;

TEST_F(PublicHeader, AttachedWindowShowsItsSkinAndAnswersThroughItsRecord) {
    HWND hwnd = NewAttached();
    const int index = skin::FindWindowRecord(hwnd);
    ASSERT_GE(index, 1);
    EXPECT_EQ(GetPropA(hwnd, "Hw_lbID"), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
    // Minimize, maximize and close: 26 + 26 + 38 wide, one pixel apart, three of margin.
    const RECT strip = engine->GetCaptionButtonStrip(hwnd);
    EXPECT_EQ(strip.right - strip.left, 95);
    EXPECT_EQ(strip.right, WIDTH + 1);

    // What the screen shows of the caption is the back buffer's composition.
    const skin::WindowSkinRecord& record = skin::windowRecords[static_cast<size_t>(index) - 1];
    const RECT rect = WindowRect(hwnd);
    for (POINT p : {POINT{60, 12}, POINT{200, 200}, POINT{WIDTH / 2, 3}}) {
        EXPECT_EQ(ScreenPixel(rect.left + p.x, rect.top + p.y), GetPixel(record.backBufferDc, p.x, p.y))
            << p.x << "," << p.y;
    }
    DestroyWindow(hwnd);
}

TEST_F(PublicHeader, UnattachedWindowIsAnsweredSafely) {
    HWND plain = CreateWindowExA(0, CLASS_NAME, "plain", STYLE, 0, 0, 200, 150, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    graphics::Graphics surface;
    EXPECT_EQ(skin::FindWindowRecord(plain), 0);
    EXPECT_EQ(engine->AddCaptionButton(plain, {}, "tip", 0), 0);
    EXPECT_EQ(engine->SetTitleStyle(plain, std::string("Arial")), 0);
    EXPECT_EQ(engine->SetBottomBarItem(plain, 1, "x"), 0);
    EXPECT_EQ(engine->SetBottomBarStyle(plain), 0);
    EXPECT_EQ(engine->SetCaptionButtonImages(plain), 0);
    EXPECT_EQ(engine->SetHelpButtonHandler(plain, 1), 0);
    const RECT strip = engine->GetCaptionButtonStrip(plain);
    EXPECT_EQ(strip.right, 0);
    for (int index : {0, -1, 1000}) {
        engine->PaintWindow(index, 1);
        engine->ClickCaptionButton(index, 1);
        engine->DrawCaptionTitle(index, surface, 0);
        engine->CreateBottomBar(index, 20);
        EXPECT_EQ(engine->HitTestCaptionButton(index, 10, 10), 0);
    }
    EXPECT_TRUE(IsWindow(plain));
    EXPECT_EQ(GetPropA(plain, "Hw_lbID"), nullptr);
    DestroyWindow(plain);
}

TEST_F(PublicHeader, RealMouseHoversMovesResizesAndClicksTheCaptionButtons) {
    HWND hwnd = NewAttached();
    RECT rect = WindowRect(hwnd);

    // Hovering the close button fades its red highlight in.
    const RECT strip = engine->GetCaptionButtonStrip(hwnd);
    const POINT close{rect.left + strip.right - 22, rect.top + 10};
    const COLORREF plain = ScreenPixel(close.x, rect.top + 3);
    Mouse(close.x, close.y, 0);
    PumpFor(400);
    const COLORREF hot = ScreenPixel(close.x, rect.top + 3);
    EXPECT_LT(GetGValue(hot) + 60, GetGValue(plain)) << std::hex << plain << " " << hot;
    EXPECT_GT(GetRValue(hot), GetGValue(hot) + 60) << std::hex << hot;

    // The right edge shows the horizontal sizing cursor.
    Mouse(rect.right - 2, rect.top + 150, 0);
    PumpFor(100);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));

    Drag({rect.left + 100, rect.top + 12}, {rect.left + 60, rect.top + 42});
    RECT moved = WindowRect(hwnd);
    EXPECT_EQ(moved.left - rect.left, -40);
    EXPECT_EQ(moved.top - rect.top, 30);

    Drag({moved.right - 2, moved.top + 150}, {moved.right + 48, moved.top + 150});
    rect = WindowRect(hwnd);
    EXPECT_EQ(rect.right - rect.left, WIDTH + 50);
    EXPECT_EQ(engine->GetCaptionButtonStrip(hwnd).right, WIDTH + 50 + 1);

    const int width = rect.right - rect.left;
    Click({rect.left + width - 55, rect.top + 10});  // maximize
    EXPECT_TRUE(IsZoomed(hwnd));
    rect = WindowRect(hwnd);
    Click({rect.right - 55, rect.top + 10});  // restore
    EXPECT_FALSE(IsZoomed(hwnd));
    rect = WindowRect(hwnd);
    Click({rect.right - 82, rect.top + 10});  // minimize
    EXPECT_TRUE(IsIconic(hwnd));
    ShowWindow(hwnd, SW_RESTORE);
    PumpFor(100);
    rect = WindowRect(hwnd);
    propertiesAtNcDestroy = {"none seen"};
    Click({rect.right - 20, rect.top + 10});  // close
    EXPECT_FALSE(IsWindow(hwnd));
    // The engine took its window properties away before the program's procedure saw the end.
    for (const char* name : {"none seen", "Hw_lbID", "Hw_hProc", "Ck_Ycjdx", "Ck_wtjbdx", "Qv_RgnSize"}) {
        EXPECT_EQ(propertiesAtNcDestroy.count(name), 0u) << name;
    }
    EXPECT_EQ(skin::FindWindowRecord(hwnd), 0);
}

TEST_F(PublicHeader, AttachingAndDestroyingManyWindowsGivesEveryHandleBack) {
    // The first window warms up the process-wide objects (fonts, caches of GDI+ and the system).
    DestroyWindow(NewAttached(20, 20));
    Pump();
    const int before = qtest::MeasureGdiHeadroom();
    for (int i = 0; i < 60; ++i) {
        HWND hwnd = NewAttached(20 + i % 5, 20);
        engine->SetBottomBarItem(hwnd, 1, "item");
        SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("renamed"));
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        DestroyWindow(hwnd);
    }
    PumpFor(200);
    EXPECT_EQ(skin::windowRecords.size(), 0u);
    EXPECT_LE(before - qtest::MeasureGdiHeadroom(), 5);
}

}  // namespace
