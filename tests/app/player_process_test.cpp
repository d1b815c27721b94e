// The built player run as a user would run it: its window, F11 pressed twice, the exit link.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// The player is built next to the tests: <build>/app/QorvelPlayer.exe.
std::wstring PlayerPath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"..\\..\\app\\QorvelPlayer.exe";
}

template <class Condition>
bool WaitUntil(Condition condition, DWORD milliseconds) {
    const DWORD until = GetTickCount() + milliseconds;
    while (!condition()) {
        if (GetTickCount() > until) return false;
        Sleep(20);
    }
    return true;
}

struct Search {
    DWORD process;
    const wchar_t* text;
    HWND found = nullptr;
};

BOOL CALLBACK FindPlayerWindow(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (process != search->process || std::wstring(name) != L"QorvelForm") return TRUE;
    search->found = hwnd;
    return FALSE;
}

BOOL CALLBACK FindChildByText(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    wchar_t text[32] = {};
    GetWindowTextW(hwnd, text, 32);
    if (std::wstring(text) != search->text) return TRUE;
    search->found = hwnd;
    return FALSE;
}

void PressKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void ClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

class Player {
public:
    Player() {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + PlayerPath() + L"\"";
        started_ = CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process_);
    }
    ~Player() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool started() const { return started_; }
    HWND Window() const {
        Search search{process_.dwProcessId, nullptr};
        EnumWindows(FindPlayerWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // The exit code, or STILL_ACTIVE when it has not ended within the time.
    DWORD WaitForExit(DWORD milliseconds) const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

TEST(PlayerProcess, ShowsCentredTogglesOnF11AndLeavesThroughTheExitLink) {
    Player player;
    ASSERT_TRUE(player.started()) << "no player at the expected path";
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (window = player.Window()) && IsWindowVisible(window); }, 20000));

    RECT rect, work;
    GetWindowRect(window, &rect);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rect.right - rect.left, 401);
    EXPECT_EQ(rect.bottom - rect.top, 305);
    EXPECT_NEAR(rect.left - work.left, work.right - rect.right, 1);
    EXPECT_NEAR(rect.top - work.top, work.bottom - rect.bottom, 1);
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION, 0);
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);  // not in the task bar
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);

    PressKey(VK_F11);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 8000)) << "F11 did not hide";
    PressKey(VK_F11);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 8000)) << "F11 did not show";

    Search link{0, L"退出软件"};
    EnumChildWindows(window, FindChildByText, reinterpret_cast<LPARAM>(&link));
    ASSERT_NE(link.found, nullptr);
    RECT linkRect;
    GetWindowRect(link.found, &linkRect);
    ClickAt({(linkRect.left + linkRect.right) / 2, (linkRect.top + linkRect.bottom) / 2});
    EXPECT_EQ(player.WaitForExit(10000), 0u);
}

}  // namespace
