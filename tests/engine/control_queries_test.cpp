// Control queries: class names, owner-drawn list boxes and the font a control draws with.
#include <gtest/gtest.h>

#include <windows.h>

#include "engine/core/control_queries.h"
#include "graphics/graphics.h"
#include "tests/support/gdiplus_session.h"
#include "tests/support/test_window.h"

namespace {

TEST(ControlQueriesTest, OwnerDrawnListBoxesAreRecognisedByClassAndStyle) {
    qtest::TestWindow window;
    struct Case {
        const char* className;
        DWORD style;
        int ownerDrawn;
    };
    const Case cases[] = {
        {"ListBox", 0, 0},
        {"ListBox", LBS_OWNERDRAWFIXED, 1},
        {"ListBox", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, 1},
        {"listbox", LBS_OWNERDRAWFIXED, 1},  // class names ignore case
        {"Edit", 0x10, 0},                   // the same bit on another class means something else
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        HWND control = window.AddChild(c.className, c.style, 10, 10, 100, 80);
        EXPECT_EQ(skin::IsOwnerDrawnListBox(control), c.ownerDrawn);
        DestroyWindow(control);
    }
    HWND edit = window.AddChild("Edit", 0, 10, 10, 100, 20);
    EXPECT_EQ(skin::GetClassNameText(edit), "Edit");
    EXPECT_EQ(skin::GetClassNameText(nullptr), "");
}

TEST(ControlQueriesTest, ControlFontIsReadThroughGdiplus) {
    qtest::GdiplusSession session;
    ASSERT_TRUE(session.ok());
    qtest::TestWindow window;
    HWND label = window.AddChild("Static", 0, 10, 10, 100, 20);
    HFONT font = CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, "Tahoma");
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    // The face the system resolves the font to (a substitute where Tahoma is missing).
    char face[LF_FACESIZE] = {};
    HDC dc = GetDC(label);
    HGDIOBJ previous = SelectObject(dc, font);
    GetTextFaceA(dc, sizeof face, face);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);

    const skin::ControlFont read = skin::GetControlFont(label);
    EXPECT_EQ(read.face, face);
    EXPECT_EQ(read.size, 16);
    EXPECT_EQ(read.style & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
    // The control's font stays usable: it still belongs to the control.
    EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    window.Destroy();
    DeleteObject(font);
}

}  // namespace
