// The built player run as a user would run it: its window, its hot keys, the two links.
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

// Visible top-level windows of the process other than the player's own.
BOOL CALLBACK FindOtherWindow(HWND hwnd, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (process != search->process || !IsWindowVisible(hwnd) || std::wstring(name) == L"QorvelForm") return TRUE;
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

// The screen position of the middle of the child of `window` with that text.
POINT Centre(HWND window, const wchar_t* text) {
    Search search{0, text};
    EnumChildWindows(window, FindChildByText, reinterpret_cast<LPARAM>(&search));
    RECT rect = {};
    if (search.found) GetWindowRect(search.found, &rect);
    EXPECT_NE(search.found, nullptr) << "no child with that text";
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
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
    // A visible window of the player's other than its main window (a dialog), or null.
    HWND OtherWindow() const {
        Search search{process_.dwProcessId, nullptr};
        EnumWindows(FindOtherWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
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

TEST(PlayerProcess, ShowsCentredAnswersItsKeysAndLinksAndLeavesThroughTheExitLink) {
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

    // The music keys load their pages in the hidden web view: nothing may pop up.
    for (WORD key : {VK_F10, VK_F8, VK_F9}) PressKey(key);
    Sleep(700);
    EXPECT_EQ(player.OtherWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(window));

    // The help link opens the help box; Enter closes it.
    ClickAt(Centre(window, L"操作说明"));
    HWND help = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (help = player.OtherWindow()) != nullptr; }, 5000)) << "no help box";
    wchar_t title[64] = {};
    GetWindowTextW(help, title, 64);
    EXPECT_EQ(std::wstring(title), L"Qorvel音乐播放器提醒您：");
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return player.OtherWindow() == nullptr; }, 5000)) << "the help box stayed";

    ClickAt(Centre(window, L"退出软件"));
    EXPECT_EQ(player.WaitForExit(10000), 0u);
}

}  // namespace
