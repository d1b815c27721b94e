// MessageRecorder: records the messages that reach a window procedure and compares them with
// an expected sequence, in the manner of Wine's user32 conformance tests.
#include "tests/support/message_recorder.h"

#include <cstdio>
#include <string>

#include "tests/support/test_window.h"

namespace qtest {

namespace {
constexpr char RECORDER_PROPERTY[] = "QorvelMessageRecorder";

// The posted message the thread has just taken from its queue, until a procedure sees it.
thread_local MSG pendingPosted{};
thread_local bool postedPending = false;
thread_local int depth = 0;

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        pendingPosted = *reinterpret_cast<const MSG*>(lParam);
        postedPending = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool TakePosted(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (depth != 0 || !postedPending) return false;
    const MSG& m = pendingPosted;
    if (m.hwnd != hwnd || m.message != message || m.wParam != wParam || m.lParam != lParam) {
        return false;
    }
    postedPending = false;
    return true;
}

std::string Describe(UINT message, unsigned flags, WPARAM wParam, LPARAM lParam) {
    char text[96];
    std::snprintf(text, sizeof text, "%04X %s wp=%08lX lp=%08lX", message,
                  (flags & posted) ? "posted" : (flags & sent) ? "sent  " : "      ",
                  static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
    std::string line = text;
    if (flags & optional) line += " (optional)";
    return line;
}
}  // namespace

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* recorder = static_cast<MessageRecorder*>(GetPropA(hwnd, RECORDER_PROPERTY));
    if (!recorder) return DefWindowProcA(hwnd, message, wParam, lParam);
    const bool fromQueue = TakePosted(hwnd, message, wParam, lParam);
    recorder->Record(hwnd, message, wParam, lParam, fromQueue);
    const WNDPROC previous = recorder->PreviousProc(hwnd);
    ++depth;
    const LRESULT result = previous ? CallWindowProcA(previous, hwnd, message, wParam, lParam)
                                    : DefWindowProcA(hwnd, message, wParam, lParam);
    --depth;
    if (message == WM_NCDESTROY) RemovePropA(hwnd, RECORDER_PROPERTY);
    return result;
}

MessageRecorder::MessageRecorder()
    : hook_(SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId())) {}

MessageRecorder::~MessageRecorder() {
    for (const Watched& w : watched_) {
        if (!IsWindow(w.hwnd) || GetPropA(w.hwnd, RECORDER_PROPERTY) != this) continue;
        RemovePropA(w.hwnd, RECORDER_PROPERTY);
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w.hwnd, GWLP_WNDPROC)) == RecordingProc) {
            SetWindowLongPtrA(w.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(w.previous));
        }
    }
    if (hook_) UnhookWindowsHookEx(hook_);
}

void MessageRecorder::Watch(HWND hwnd) {
    SetPropA(hwnd, RECORDER_PROPERTY, this);
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
    watched_.push_back({hwnd, previous});
}

WNDPROC MessageRecorder::PreviousProc(HWND hwnd) const {
    for (const Watched& w : watched_) {
        if (w.hwnd == hwnd) return w.previous;
    }
    return nullptr;
}

void MessageRecorder::Ignore(std::initializer_list<UINT> messages) {
    ignored_.insert(messages.begin(), messages.end());
}

void MessageRecorder::Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool fromQueue) {
    if (ignored_.count(message)) return;
    if ((message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED) && lParam) {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        // SWP_NOCLIENTSIZE, SWP_NOCLIENTMOVE and SWP_STATECHANGED are internal and vary.
        lParam = position->flags & ~(0x0800u | 0x1000u | 0x8000u);
    }
    messages_.push_back({hwnd, message, fromQueue ? unsigned(posted) : unsigned(sent), wParam, lParam});
}

::testing::AssertionResult MessageRecorder::Matches(const std::vector<ExpectedMessage>& expected,
                                                    HWND hwnd) {
    PumpMessages();
    std::vector<RecordedMessage> actual;
    for (const RecordedMessage& m : messages_) {
        if (!hwnd || m.hwnd == hwnd) actual.push_back(m);
    }
    messages_.clear();

    auto same = [](const ExpectedMessage& e, const RecordedMessage& a) {
        if (e.message != a.message) return false;
        if ((e.flags & (sent | posted)) && (e.flags & (sent | posted)) != a.flags) return false;
        if ((e.flags & wparam) && ((e.wParam ^ a.wParam) & e.wParamMask)) return false;
        if ((e.flags & lparam) && ((e.lParam ^ a.lParam) & e.lParamMask)) return false;
        return true;
    };
    std::size_t i = 0, j = 0;
    bool ok = true;
    while (ok && i < expected.size()) {
        if (j < actual.size() && same(expected[i], actual[j])) {
            ++i;
            ++j;
        } else if (expected[i].flags & optional) {
            ++i;
        } else {
            ok = false;
        }
    }
    if (ok && j == actual.size()) return ::testing::AssertionSuccess();

    std::string report = "message sequence differs\nexpected:\n";
    for (const ExpectedMessage& e : expected) {
        report += "  " + Describe(e.message, e.flags, e.wParam, e.lParam) + "\n";
    }
    report += "actual:\n";
    for (const RecordedMessage& a : actual) {
        report += "  " + Describe(a.message, a.flags, a.wParam, a.lParam) + "\n";
    }
    return ::testing::AssertionFailure() << report;
}

}  // namespace qtest
