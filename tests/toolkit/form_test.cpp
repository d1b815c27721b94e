// Forms from a definition: window settings, control tree, events, hot-key routing, the loop.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/recording_services.h"
#include "toolkit/toolkit.h"

namespace {

using namespace toolkit;

// One shown form for the suite: under a display without a window manager, hiding or
// destroying a shown window costs seconds.
class FormTest : public testing::Test {
protected:
    static RecordingServices* doubles;
    static Services* services;
    static Form* form;
    static std::vector<std::string> events;

    static Handler Note(const std::string& what) {
        return [what](int first, int) { events.push_back(what + " " + std::to_string(first)); };
    }

    static FormDefinition Definition(bool visible) {
        WindowSettings window;
        window.name = "Main";
        window.x = 5, window.y = 5, window.width = 201, window.height = 151;
        window.visible = visible;
        return {window,
                {{Event::Created, [](int, int) {
                      // Created runs before the window is shown.
                      events.push_back(IsWindowVisible(form->Handle()) ? "created shown" : "created hidden");
                  }}},
                {
                    {"frame", "", 0, 0, 200, 150, ShapeBox{4, RGB(37, 37, 37)}, {}},
                    {"picture", "frame", 4, 4, 192, 142, PictureBox{}, {}},
                    {"receiver", "picture", 300, 10, 64, 24, Label{}, {{Event::Feedback, Note("feedback")}}},
                    {"button", "picture", 300, 40, 56, 40, PushButton{"隐藏"}, {{Event::Clicked, Note("clicked")}}},
                    {"link", "picture", 10, 100, 88, 24, TransparentLabel{"退出"}, {{Event::LeftButtonDown, Note("pressed")}}},
                    {"orphan", "nobody", 1, 2, 3, 4, Label{}, {}},
                }};
    }

    static void SetUpTestSuite() {
        doubles = new RecordingServices;
        services = new Services(doubles->Wire());
        form = new Form(Definition(true), *services);
        form->Build();
    }
    static void TearDownTestSuite() {
        delete form;
        delete services;
        delete doubles;
    }
    void SetUp() override {
        ASSERT_TRUE(form->IsAlive());
        events.clear();
    }
};

RecordingServices* FormTest::doubles = nullptr;
Services* FormTest::services = nullptr;
Form* FormTest::form = nullptr;
std::vector<std::string> FormTest::events;

TEST(FormCreation, CreatedRunsBeforeTheWindowIsShown) {
    RecordingServices doubles;
    Services services = doubles.Wire();
    WindowSettings window;
    window.name = "Main";
    window.x = 0, window.y = 0, window.width = 50, window.height = 50;
    window.visible = false;
    std::vector<bool> visibleWhenCreated;
    Form* built = nullptr;
    Form form({window, {{Event::Created, [&](int, int) { visibleWhenCreated.push_back(IsWindowVisible(built->Handle())); }}}, {}},
              services);
    built = &form;
    ASSERT_TRUE(form.Build());
    EXPECT_EQ(visibleWhenCreated, std::vector<bool>{false});
}

TEST_F(FormTest, TheWindowIsABorderlessCentredToolWindow) {
    HWND hwnd = form->Handle();
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);  // no task-bar button
    EXPECT_FALSE(exStyle & (WS_EX_APPWINDOW | WS_EX_TOPMOST));

    RECT rect, work;
    GetWindowRect(hwnd, &rect);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rect.right - rect.left, 201);
    EXPECT_EQ(rect.bottom - rect.top, 151);
    EXPECT_NEAR(rect.left - work.left, work.right - rect.right, 1);
    EXPECT_NEAR(rect.top - work.top, work.bottom - rect.bottom, 1);

    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(FormTest, ControlsSitInTheirParentsAtTheirPlaces) {
    struct Row {
        const char* name;
        const char* parent;  // null: the window
        RECT rect;           // in the parent's client area
    } rows[] = {
        {"frame", nullptr, {0, 0, 200, 150}},
        {"picture", "frame", {4, 4, 196, 146}},
        {"receiver", "picture", {300, 10, 364, 34}},
        {"button", "picture", {300, 40, 356, 80}},
        {"link", "picture", {10, 100, 98, 124}},
        {"orphan", nullptr, {1, 2, 4, 6}},  // an unknown parent puts it on the window
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Control* control = form->Find(row.name);
        ASSERT_NE(control, nullptr);
        HWND parent = row.parent ? form->Find(row.parent)->Handle() : form->Handle();
        EXPECT_EQ(GetParent(control->Handle()), parent);
        RECT rect;
        GetWindowRect(control->Handle(), &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_TRUE(EqualRect(&rect, &row.rect));
    }
    EXPECT_EQ(form->Get<PushButtonControl>("frame"), nullptr);  // wrong kind
    EXPECT_EQ(form->Find("missing"), nullptr);
}

TEST_F(FormTest, ButtonCaptionsRoundTripChineseAndClicksRaiseClicked) {
    auto* button = form->Get<PushButtonControl>("button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Text(), "隐藏");
    button->SetText("显示");
    EXPECT_EQ(button->Text(), "显示");
    // Converted from code page 936 explicitly, whatever the process's ANSI code page.
    wchar_t native[16] = {};
    GetWindowTextW(button->Handle(), native, 16);
    EXPECT_EQ(std::wstring(native), L"显示");

    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(events.back(), "clicked 0");
}

TEST_F(FormTest, HotKeyPressesReachTheReceiverOnly) {
    HWND receiver = form->Find("receiver")->Handle();
    const int id = doubles->hotKeys.Register(form->Handle(), receiver, 0, VK_F7);
    RecordingHotKeys::Press(form->Handle(), id);
    RecordingHotKeys::Press(form->Handle(), id + 1);  // never registered
    EXPECT_EQ(events, (std::vector<std::string>{"feedback " + std::to_string(id)}));
}

TEST_F(FormTest, APressOnASurfaceRunsItsHandlerWithoutDragging) {
    // The mouse button is not really down, so no move loop may start (it would never end).
    SendMessageW(form->Find("link")->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    EXPECT_EQ(events.back(), "pressed 5");
}

TEST_F(FormTest, TheLoopEndsWhenTheWindowIsDestroyedAndTheEndHookRunsOnce) {
    static int hookCalls = 0;
    hookCalls = 0;
    SetEndOfProgramHook([] { ++hookCalls; });
    Form closing(Definition(false), *services);
    ASSERT_TRUE(closing.Build());
    PostMessageW(closing.Handle(), WM_CLOSE, 0, 0);
    RunMessageLoop(closing);
    EXPECT_FALSE(closing.IsAlive());
    EXPECT_EQ(closing.Find("button")->Handle(), nullptr);  // standard controls are let go too
    EndRunTime();
    EndRunTime();
    EXPECT_EQ(hookCalls, 1);
}

TEST_F(FormTest, TimersTickThroughTheFormOnlyWithAPeriod) {
    FormDefinition definition = Definition(false);
    definition.controls.push_back({"ticker", "", 0, 0, 26, 26, Timer{0}, {{Event::TimerTick, Note("tick")}}});
    Form second(definition, *services);
    ASSERT_TRUE(second.Build());
    auto* ticker = second.Get<TimerControl>("ticker");
    ASSERT_NE(ticker, nullptr);
    EXPECT_EQ(ticker->Period(), 0);
    ticker->SetPeriod(15);
    MSG message;
    const DWORD until = GetTickCount() + 2000;
    while (GetTickCount() < until && (events.empty() || events.back() != "tick 0")) {
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        else Sleep(5);
    }
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "tick 0");
}

}  // namespace
