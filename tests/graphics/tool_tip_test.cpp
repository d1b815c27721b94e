// ToolTip: the tip window it creates, the tool record every operation sends, and the tools the
// real tool-tip control ends up holding.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "graphics/tool_tip.h"
#include "tests/support/test_window.h"

namespace {

// What a tool message carried, copied while the message was being handled.
struct SentTool {
    UINT message;
    TTTOOLINFOA record;
    std::string text;
};

std::vector<SentTool> sentTools;
WNDPROC tipProcedure = nullptr;

LRESULT CALLBACK RecordingTipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TTM_ADDTOOLA || message == TTM_DELTOOLA || message == TTM_NEWTOOLRECTA ||
        message == TTM_UPDATETIPTEXTA) {
        SentTool sent{message, {}, {}};
        std::memcpy(&sent.record, reinterpret_cast<const void*>(lParam), TTTOOLINFOA_V1_SIZE);
        const LPSTR text = sent.record.lpszText;
        if (text && text != LPSTR_TEXTCALLBACKA) sent.text = text;
        sentTools.push_back(sent);
    }
    return CallWindowProcA(tipProcedure, hwnd, message, wParam, lParam);
}

TTTOOLINFOA QueryTool(HWND tip, HWND owner, UINT_PTR id, char* text) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = owner;
    tool.uId = id;
    tool.lpszText = text;
    SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool));
    return tool;
}

class ToolTipTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (tip_.GetTipWindow()) DestroyWindow(tip_.GetTipWindow());
        owner_.Destroy();
    }
    qtest::TestWindow owner_{300, 200};
    graphics::ToolTip tip_;
};

TEST_F(ToolTipTest, TipWindowIsATopLevelToolTipWithTheRequestedStyle) {
    struct Case {
        int balloon;
        LONG style;
    };
    for (const Case c : {Case{0, TTS_ALWAYSTIP}, Case{1, TTS_ALWAYSTIP | TTS_BALLOON},
                         Case{7, TTS_ALWAYSTIP | TTS_BALLOON}}) {
        SCOPED_TRACE(c.balloon);
        graphics::ToolTip tip;
        const HWND window = tip.CreateTipWindow(owner_.hwnd(), c.balloon);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(tip.GetTipWindow(), window);
        EXPECT_EQ(tip.ownerWindow, owner_.hwnd());
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_BALLOON), c.style);
        EXPECT_EQ(GetParent(window), nullptr);
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
        char className[64] = {};
        GetClassNameA(window, className, sizeof className);
        EXPECT_STRCASEEQ(className, TOOLTIPS_CLASSA);
        DestroyWindow(window);
    }
}

TEST_F(ToolTipTest, EveryToolMessageCarriesTheFirstVersionRecord) {
    const HWND window = tip_.CreateTipWindow(owner_.hwnd());
    ASSERT_NE(window, nullptr);
    sentTools.clear();
    tipProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingTipProc)));

    const RECT area{4, 5, 30, 23};
    const RECT moved{40, 0, 66, 18};
    tip_.AddTool(area, "帮助", 1);
    tip_.AddCallbackTool(area, 2);
    tip_.SetToolRect(1, moved);
    tip_.SetToolText(1, "关闭");
    tip_.DeleteTool(2);

    struct Expected {
        UINT message;
        UINT_PTR id;
        RECT rect;
        LPSTR text;  // null: none; LPSTR_TEXTCALLBACKA: callback; else compared as text
    };
    const Expected expected[] = {
        {TTM_ADDTOOLA, 1, area, const_cast<LPSTR>("帮助")},
        {TTM_ADDTOOLA, 2, area, LPSTR_TEXTCALLBACKA},
        {TTM_NEWTOOLRECTA, 1, moved, nullptr},
        {TTM_UPDATETIPTEXTA, 1, {0, 0, 0, 0}, const_cast<LPSTR>("关闭")},
        {TTM_DELTOOLA, 2, {0, 0, 0, 0}, nullptr},
    };
    ASSERT_EQ(sentTools.size(), sizeof expected / sizeof expected[0]);
    for (std::size_t i = 0; i < sentTools.size(); ++i) {
        SCOPED_TRACE(i);
        const SentTool& sent = sentTools[i];
        const Expected& e = expected[i];
        EXPECT_EQ(sent.message, e.message);
        EXPECT_EQ(sent.record.cbSize, 40u);
        EXPECT_EQ(sent.record.uFlags, static_cast<UINT>(TTF_SUBCLASS));
        EXPECT_EQ(sent.record.hwnd, owner_.hwnd());
        EXPECT_EQ(sent.record.uId, e.id);
        EXPECT_TRUE(EqualRect(&sent.record.rect, &e.rect));
        EXPECT_EQ(sent.record.hinst, nullptr);
        if (e.text == nullptr || e.text == LPSTR_TEXTCALLBACKA) {
            EXPECT_EQ(sent.record.lpszText, e.text);
        } else {
            EXPECT_EQ(sent.text, e.text);
        }
    }
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tipProcedure));
}

TEST_F(ToolTipTest, ControlKeepsTextsRectanglesAndColours) {
    const HWND window = tip_.CreateTipWindow(owner_.hwnd());
    ASSERT_NE(window, nullptr);
    std::string text = "最小化";
    tip_.AddTool(RECT{0, 0, 0, 0}, text, 3);
    text.assign("overwritten");  // the control holds its own copy
    tip_.SetToolRect(3, RECT{10, 2, 36, 20});
    tip_.AddCallbackTool(RECT{50, 2, 76, 20}, 4);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 2);

    char buffer[256] = {};
    TTTOOLINFOA tool = QueryTool(window, owner_.hwnd(), 3, buffer);
    const RECT placed{10, 2, 36, 20};
    EXPECT_TRUE(EqualRect(&tool.rect, &placed));
    EXPECT_STREQ(buffer, "最小化");
    tool = QueryTool(window, owner_.hwnd(), 4, buffer);
    EXPECT_EQ(tool.lpszText, LPSTR_TEXTCALLBACKA);

    tip_.SetToolText(3, "最大化");
    QueryTool(window, owner_.hwnd(), 3, buffer);
    EXPECT_STREQ(buffer, "最大化");
    tip_.DeleteTool(4);
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);

    tip_.SetTipBackColor(RGB(1, 2, 3));
    tip_.SetTipTextColor(RGB(4, 5, 6));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(window, TTM_GETTIPBKCOLOR, 0, 0)), RGB(1, 2, 3));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(window, TTM_GETTIPTEXTCOLOR, 0, 0)), RGB(4, 5, 6));
    const LRESULT first = tip_.SetMaxTipWidth(200);
    EXPECT_EQ(tip_.SetMaxTipWidth(300), 200);
    EXPECT_NE(first, 200);
}

TEST_F(ToolTipTest, ObjectNeitherNeedsNorOwnsItsWindow) {
    // Before a window exists every operation is a quiet no-op.
    tip_.AddTool(RECT{0, 0, 10, 10}, "x", 1);
    tip_.SetToolText(1, "y");
    EXPECT_EQ(tip_.SetMaxTipWidth(100), 0);
    EXPECT_EQ(tip_.GetTipWindow(), nullptr);

    const HWND window = tip_.CreateTipWindow(owner_.hwnd());
    ASSERT_NE(window, nullptr);
    {
        std::unique_ptr<graphics::ToolTip> copy = tip_.Copy();
        EXPECT_EQ(copy->GetTipWindow(), window);
        EXPECT_EQ(copy->ownerWindow, owner_.hwnd());
        copy->AddTool(RECT{0, 0, 10, 10}, "shared", 9);
    }
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 1);
}

}  // namespace
