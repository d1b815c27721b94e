// Start-up and shutdown of the whole program in this process, with recording services.
#include <gtest/gtest.h>

#include <windows.h>
#include <gdiplus.h>

#include <string>
#include <vector>

#include "app/embedded_data.h"
#include "app/program.h"
#include "toolkit/recording_services.h"

namespace {

std::vector<std::string> releases;
skin::ReleaseCalls realCalls = skin::releaseCalls;

BOOL WINAPI RecordDestroyIcon(HICON icon) {
    releases.push_back("icon");
    return realCalls.destroyIcon(icon);
}
void WINAPI RecordShutdown(ULONG_PTR token) {
    releases.push_back("gdiplus");
    realCalls.gdiplusShutdown(token);
}

// What the running program looked like, seen from inside its message loop.
struct Observed {
    bool found = false, visible = false;
    int skinControls = -1, controlAlpha = -1, translucentControls = -1, trackBarFrame = -1;
} observed;

BOOL CALLBACK FindForm(HWND hwnd, LPARAM found) {
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (std::wstring(name) != L"QorvelForm") return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

BOOL CALLBACK FindExitLink(HWND hwnd, LPARAM found) {
    wchar_t text[16] = {};
    GetWindowTextW(hwnd, text, 16);
    if (std::wstring(text) != L"退出软件") return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// Runs once the loop is going: looks, then leaves through the exit link.
void CALLBACK Drive(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND form = nullptr, exitLink = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindForm, reinterpret_cast<LPARAM>(&form));
    observed.found = form != nullptr;
    if (!form) return;
    observed.visible = IsWindowVisible(form);
    observed.skinControls = skin::skinControls;
    observed.controlAlpha = skin::controlAlpha;
    observed.translucentControls = skin::translucentControls;
    observed.trackBarFrame = skin::trackBarFrame;
    EnumChildWindows(form, FindExitLink, reinterpret_cast<LPARAM>(&exitLink));
    if (exitLink)
        SendMessageW(exitLink, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    else
        DestroyWindow(form);  // never leave the loop running
}

void SetUpWithoutGraphics() {
    skin::EngineModuleSetUp();
    // As if GDI+ had refused to start: no token, nothing running.
    if (skin::gdiplusToken) Gdiplus::GdiplusShutdown(skin::gdiplusToken);
    skin::gdiplusToken = skin::gdiplusTokenCopy = 0;
}

class ProgramTest : public testing::Test {
protected:
    toolkit::RecordingServices doubles;
    toolkit::Services services = doubles.Wire();

    int Run(void (*setUp)()) {
        observed = Observed{};
        releases.clear();
        skin::releaseCalls = {RecordDestroyIcon, RecordShutdown};
        SetTimer(nullptr, 0, 10, Drive);
        const int code = app::RunPlayer(services, setUp);
        skin::releaseCalls = realCalls;
        return code;
    }
};

TEST_F(ProgramTest, StartsInOrderAndShutsTheEngineDownOnceAtExit) {
    EXPECT_EQ(Run(&skin::EngineModuleSetUp), 0);
    ASSERT_TRUE(observed.found);
    EXPECT_TRUE(observed.visible);
    // The creation handler's options, set after the module set-up, are those in force.
    EXPECT_EQ(observed.skinControls, 1);
    EXPECT_EQ(observed.controlAlpha, 0);
    EXPECT_EQ(observed.translucentControls, 1);
    EXPECT_EQ(observed.trackBarFrame, 1);
    // One engine destructor: the icon (resource 129), then GDI+.
    EXPECT_EQ(releases, (std::vector<std::string>{"icon", "gdiplus"}));
    EXPECT_EQ(app::skinEngine, nullptr);
    EXPECT_EQ(skin::gdiplusToken, 0u);
    ASSERT_FALSE(doubles.sound.played.empty());
    EXPECT_TRUE(doubles.sound.played.front() == app::STARTUP_CLIP());
}

TEST_F(ProgramTest, WithoutGraphicsTheWindowStillShowsAndTheProgramEndsWithZero) {
    EXPECT_EQ(Run(&SetUpWithoutGraphics), 0);
    ASSERT_TRUE(observed.found);
    EXPECT_TRUE(observed.visible);
    EXPECT_EQ(releases, std::vector<std::string>{"icon"});  // nothing to shut down
}

}  // namespace
