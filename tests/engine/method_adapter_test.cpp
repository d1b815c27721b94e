// Callback adapters: argument passing, results, preserved registers, limits, real window use.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "engine/skin_engine.h"
#include "tests/engine/adapter_probe.h"

namespace {

std::uint16_t CurrentControlWord() {
    std::uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

// An engine whose operations record what reached them.
class ProbeEngine : public skin::SkinEngine {
public:
    LRESULT HandleWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        seen = {reinterpret_cast<std::uint32_t>(hwnd), message, wParam, static_cast<std::uint32_t>(lParam)};
        self = this;
        controlWordInside = CurrentControlWord();
        // Leave a different control word behind: the adapter must restore the caller's.
        const std::uint16_t single = 0x007F;
        asm volatile("fldcw %0" ::"m"(single));
        return message == WM_USER + 7 ? 0x5EED1234 : SkinEngine::HandleWindowMessage(hwnd, message, wParam, lParam);
    }
    virtual int Combine(int a, int b) {
        seen = {static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(b)};
        self = this;
        return a * 1000 + b;
    }
    virtual int CountCall() {
        self = this;
        return ++calls;
    }

    std::vector<std::uint32_t> seen;
    const void* self = nullptr;
    std::uint16_t controlWordInside = 0;
    int calls = 0;
};

TEST(MethodAdapter, StdcallCallbacksReachTheOperationWithArgumentsAndResultUnchanged) {
    ProbeEngine engine;
    struct Case {
        skin::ExecutableCode code;
        std::vector<std::uint32_t> args;
        std::uint32_t result;
    } cases[] = {
        {engine.MakeMethodAdapter(&ProbeEngine::HandleWindowMessage, 4),
         {0x00010203, WM_USER + 7, 0xFFFFFFFF, 0x80000001}, 0x5EED1234},
        {engine.MakeMethodAdapter(&ProbeEngine::Combine, 2), {12, 34}, 12034},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.args.size());
        ASSERT_FALSE(c.code.empty());
        engine.seen.clear();
        ProbeResult r{};
        ProbeCall(c.code.data(), c.args.data(), static_cast<int>(c.args.size()), &r);
        EXPECT_EQ(engine.seen, c.args);
        EXPECT_EQ(engine.self, &engine);
        EXPECT_EQ(r.result, c.result);
        EXPECT_EQ(r.bytesRemoved, static_cast<int>(c.args.size() * 4));
        EXPECT_EQ(r.ebx, 0x11111111u);
        EXPECT_EQ(r.esi, 0x22222222u);
        EXPECT_EQ(r.edi, 0x33333333u);
        EXPECT_EQ(r.ebp, 0x44444444u);
        EXPECT_EQ(r.fpuControlWord, probeControlWord);
    }
    // The FPU was reset on the way in, whatever the caller had set.
    EXPECT_EQ(engine.controlWordInside, 0x037F);
}

TEST(MethodAdapter, CallerRemovesSwitchAndZeroArgumentsRemoveNothing) {
    ProbeEngine engine;
    auto none = engine.MakeMethodAdapter(&ProbeEngine::CountCall, 0);
    auto callerRemoves = engine.MakeMethodAdapter(&ProbeEngine::Combine, 2, true);
    ProbeResult r{};
    ProbeCall(none.data(), nullptr, 0, &r);
    EXPECT_EQ(r.result, 1u);
    EXPECT_EQ(r.bytesRemoved, 0);
    EXPECT_EQ(r.ebx, 0x11111111u);

    const std::uint32_t args[] = {5, 6};
    ProbeCall(callerRemoves.data(), args, 2, &r);
    EXPECT_EQ(r.result, 5006u);
    EXPECT_EQ(r.bytesRemoved, 0);
    EXPECT_EQ(r.ebp, 0x44444444u);
}

TEST(MethodAdapter, RequestsBeyondTheLimitsOrWithoutAnOperationGiveAnEmptyBuffer) {
    ProbeEngine engine;
    EXPECT_FALSE(engine.MakeMethodAdapter(&ProbeEngine::Combine, 256).empty());
    EXPECT_TRUE(engine.MakeMethodAdapter(&ProbeEngine::Combine, 257).empty());
    EXPECT_TRUE(engine.MakeMethodAdapter(&ProbeEngine::Combine, -1).empty());
    EXPECT_TRUE(engine.MakeMethodAdapter(static_cast<int (ProbeEngine::*)(int, int)>(nullptr), 2).empty());
}

TEST(MethodAdapter, GeneratedCodeIsExecutableButNotWritable) {
    ProbeEngine engine;
    MEMORY_BASIC_INFORMATION info{};
    ASSERT_NE(VirtualQuery(engine.windowProcAdapter.data(), &info, sizeof info), 0u);
    EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_EXECUTE_READ));
    EXPECT_EQ(engine.buttonActionEntry, engine.buttonActionAdapter.entry());
    EXPECT_NE(engine.buttonActionEntry, 0u);
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 9) return static_cast<LRESULT>(wParam + lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeTopLevelWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "AdapterTestWindow";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "AdapterTestWindow", "adapter", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

TEST(MethodAdapter, RoutesTheMessagesOfARealWindow) {
    ProbeEngine engine;
    auto adapter = engine.MakeMethodAdapter(&ProbeEngine::HandleWindowMessage, 4);
    HWND hwnd = MakeTopLevelWindow();
    ASSERT_NE(hwnd, nullptr) << "no display?";
    auto previous = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, static_cast<LONG_PTR>(adapter.entry()));
    SetPropA(hwnd, "Hw_hProc", reinterpret_cast<HANDLE>(previous));

    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 7, 3, 4), 0x5EED1234);
    EXPECT_EQ(engine.seen, (std::vector<std::uint32_t>{reinterpret_cast<std::uint32_t>(hwnd), WM_USER + 7, 3, 4}));
    // Unhandled messages reach the replaced procedure.
    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 9, 20, 22), 42);
    // A posted message goes through the queue and DispatchMessage.
    PostMessageA(hwnd, WM_USER + 7, 8, 9);
    MSG msg;
    while (PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ(engine.seen[2], 8u);

    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, previous);
    RemovePropA(hwnd, "Hw_hProc");
    DestroyWindow(hwnd);
}

TEST(MethodAdapter, WindowWithoutAReplacedProcedureGetsTheDefaultHandling) {
    skin::SkinEngine engine;
    HWND hwnd = MakeTopLevelWindow();
    ASSERT_NE(hwnd, nullptr);
    auto previous = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, static_cast<LONG_PTR>(engine.windowProcAdapter.entry()));
    EXPECT_TRUE(SetWindowTextA(hwnd, "skinned"));
    char text[32] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "skinned");
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, previous);
    DestroyWindow(hwnd);
}

}  // namespace
