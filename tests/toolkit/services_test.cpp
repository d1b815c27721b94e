// The real services under the platform: hot keys, browser, sound, random numbers.
#include <gtest/gtest.h>

#include <windows.h>

#include "toolkit/hot_key_routes.h"
#include "toolkit/toolkit.h"
#include "toolkit/ole_browser.h"
#include "toolkit/system_hot_keys.h"
#include "toolkit/system_random.h"
#include "toolkit/winmm_sound_player.h"

namespace {

using namespace toolkit;

struct PlainWindow {
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ~PlainWindow() { DestroyWindow(hwnd); }
};

TEST(SystemHotKeys, RegistersWithFreshIdsAndAnswersZeroForATakenKey) {
    PlainWindow first, second, receiver;
    SystemHotKeys hotKeys;
    const int a = hotKeys.Register(first.hwnd, receiver.hwnd, 0, VK_F6);
    const int b = hotKeys.Register(first.hwnd, receiver.hwnd, 0, VK_F7);
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(HotKeyReceiver(first.hwnd, a), receiver.hwnd);
    // The same key for another window is taken: 0, and no route.
    EXPECT_EQ(hotKeys.Register(second.hwnd, receiver.hwnd, 0, VK_F6), 0);
    EXPECT_EQ(hotKeys.Register(nullptr, receiver.hwnd, 0, VK_F5), 0);
    UnregisterHotKey(first.hwnd, a);
    UnregisterHotKey(first.hwnd, b);
    DropHotKeyRoutes(first.hwnd);
    EXPECT_EQ(HotKeyReceiver(first.hwnd, a), nullptr);
}

TEST(OleBrowser, LoadsSilentlyAndGoesWithoutATrace) {
    InitRunTime();
    {
        PlainWindow host;
        OleBrowserFactory factory;
        auto browser = factory.Create(host.hwnd);
        ASSERT_NE(browser, nullptr);
        // Here the browser control has nothing to render with and no network: nothing may
        // be reported, nothing may block.
        browser->Navigate("example.com");
        browser->Navigate("");
        browser->Resize(30, 20);
        EXPECT_EQ(factory.Create(nullptr), nullptr);
    }
    EndRunTime();
}

TEST(WinmmSoundPlayer, PlaysFromItsOwnCopyAndIgnoresEmptyClips) {
    // A minimal PCM clip of silence; the caller's buffer goes away while it may still play.
    graphics::Bytes clip = {'R', 'I', 'F', 'F', 36 + 8, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                            1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0,
                            'd', 'a', 't', 'a', 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    WinmmSoundPlayer player;
    auto* temporary = new graphics::Bytes(clip);
    player.PlayOnce(*temporary);
    delete temporary;
    player.PlayOnce({});
    player.PlayOnce(clip);
}

TEST(SystemRandom, StaysWithinItsRanges) {
    SystemRandom random;
    for (int i = 0; i < 200; ++i) {
        const int plain = random.Next();
        EXPECT_TRUE(plain >= 0 && plain <= 32767) << plain;
        const int bounded = random.Next(5, 3);  // bounds in either order
        EXPECT_TRUE(bounded >= 3 && bounded <= 5) << bounded;
    }
}

}  // namespace
