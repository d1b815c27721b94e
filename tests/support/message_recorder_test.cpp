// The message recorder itself: order, sent versus posted, optional entries, parameter masks
// and the report of a mismatch.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/message_recorder.h"
#include "tests/support/test_window.h"

namespace {

using qtest::ExpectedMessage;

TEST(MessageRecorderTest, ComparesRecordedSequencesWithExpectations) {
    qtest::TestWindow window;
    qtest::MessageRecorder recorder;
    recorder.Watch(window.hwnd());
    const UINT probe = WM_APP + 1;

    SendMessageA(window.hwnd(), probe, 1, 0x1234);
    PostMessageA(window.hwnd(), probe, 2, 0);
    SendMessageA(window.hwnd(), WM_NULL, 0, 0);
    // The posted message arrives last, when the recorder settles the queue.
    EXPECT_TRUE(recorder.Matches({
        {probe, qtest::sent | qtest::wparam | qtest::lparam, 1, 0x1200, ~WPARAM(0), 0xFF00},
        {WM_USER, qtest::sent | qtest::optional},
        {WM_NULL, qtest::sent},
        {probe, qtest::posted | qtest::wparam, 2},
    }));

    struct Mismatch {
        const char* name;
        std::vector<ExpectedMessage> expected;
    };
    const Mismatch mismatches[] = {
        {"wrong wParam", {{probe, qtest::sent | qtest::wparam, 9}}},
        {"posted instead of sent", {{probe, qtest::posted}}},
        {"message missing", {{probe, qtest::sent}, {WM_NULL, qtest::sent}}},
        {"message not expected", {}},
    };
    for (const Mismatch& m : mismatches) {
        SCOPED_TRACE(m.name);
        SendMessageA(window.hwnd(), probe, 1, 0);
        const ::testing::AssertionResult result = recorder.Matches(m.expected);
        EXPECT_FALSE(result);
        EXPECT_NE(std::string(result.message()).find("actual:"), std::string::npos);
    }

    // Messages go on to the procedure that was there before.
    SetWindowTextA(window.hwnd(), "changed");
    char text[32] = {};
    GetWindowTextA(window.hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "changed");
}

}  // namespace
