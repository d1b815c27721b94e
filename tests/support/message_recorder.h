// MessageRecorder: records the messages that reach a window procedure and compares them with
// an expected sequence, in the manner of Wine's user32 conformance tests.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <vector>

namespace qtest {

// Flags of recorded and expected entries.
enum MessageFlags : unsigned {
    sent = 0x1,      // reached the procedure through SendMessage (or a direct call)
    posted = 0x2,    // reached it from the message queue
    wparam = 0x4,    // expected: compare wParam (under wParamMask)
    lparam = 0x8,    // expected: compare lParam (under lParamMask)
    optional = 0x10, // expected: may be missing
};

struct ExpectedMessage {
    UINT message;
    unsigned flags;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    WPARAM wParamMask = ~WPARAM(0);
    LPARAM lParamMask = ~LPARAM(0);
};

// For WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED the recorded lParam is the WINDOWPOS flags
// (without the internal client-area bits), not the pointer, so that it can be compared.
struct RecordedMessage {
    HWND hwnd;
    UINT message;
    unsigned flags;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageRecorder {
public:
    MessageRecorder();
    // Takes its procedures out of the windows it still watches (where nobody subclassed them
    // again on top).
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Puts a recording procedure in front of `hwnd`'s current one. Install it before the code
    // under test subclasses the window, and the record shows what reaches the previous
    // procedure of that code.
    void Watch(HWND hwnd);
    // The procedure that was in place when Watch ran.
    WNDPROC PreviousProc(HWND hwnd) const;

    // Messages never to record, such as the noisy WM_GETICON or WM_NCHITTEST (none by default).
    void Ignore(std::initializer_list<UINT> messages);

    const std::vector<RecordedMessage>& messages() const { return messages_; }
    void Clear() { messages_.clear(); }

    // Settles the queue, then compares the record (of `hwnd` only, when given) with
    // `expected`; on a mismatch the failure shows both sequences. Clears the record.
    ::testing::AssertionResult Matches(const std::vector<ExpectedMessage>& expected,
                                       HWND hwnd = nullptr);

private:
    friend LRESULT CALLBACK RecordingProc(HWND, UINT, WPARAM, LPARAM);
    struct Watched {
        HWND hwnd;
        WNDPROC previous;
    };
    void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool fromQueue);

    std::vector<Watched> watched_;
    std::vector<RecordedMessage> messages_;
    std::set<UINT> ignored_;
    HHOOK hook_ = nullptr;
};

}  // namespace qtest
