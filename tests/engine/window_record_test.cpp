// Window records: new lists, lookup by window, release and renumbering when windows go.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/core/engine_tables.h"
#include "engine/core/window_detach.h"
#include "engine/core/window_lookup.h"
#include "tests/support/skinned_window.h"
#include "tests/support/test_window.h"

namespace {

using skin::WindowSkinRecord;

int Prop(HWND hwnd, const char* name) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(hwnd, name)));
}

class WindowRecordTest : public ::testing::Test {
protected:
    void SetUp() override { skin::ReleaseEngineTables(); }
    void TearDown() override {
        windows_.clear();
        skin::ReleaseEngineTables();
    }

    qtest::TestWindow& NewWindow() {
        windows_.push_back(std::make_unique<qtest::TestWindow>());
        return *windows_.back();
    }

    std::vector<std::unique_ptr<qtest::TestWindow>> windows_;
};

TEST_F(WindowRecordTest, EveryListOfANewRecordHoldsOneEmptyEntry) {
    const WindowSkinRecord record;
    const int counts[] = {record.captionButtons.Count(), record.bottomBarItems.Count(),
                          record.bottomBarItemRects.Count(), record.buttons.Count(),
                          record.edits.Count(), record.lists.Count(), record.trackBars.Count(),
                          record.progressBars.Count(), record.combos.Count(), record.spins.Count(),
                          record.headers.Count(), record.compositeControls.Count(),
                          record.containers.Count(), record.dockedWindows.Count(),
                          record.containers.At(1).dockedItems.Count()};
    for (int count : counts) EXPECT_EQ(count, 1);
    EXPECT_EQ(record.buttons.At(1).hwnd, nullptr);
    EXPECT_EQ(record.containers.At(1).window, nullptr);
}

TEST_F(WindowRecordTest, FirstControlTakesThePlaceholderLaterOnesAreAppended) {
    auto& window = NewWindow();
    const int index = qtest::GiveWindowRecord(window.hwnd());
    HWND first = window.AddChild("BUTTON", BS_PUSHBUTTON, 10, 40, 80, 24);
    HWND second = window.AddChild("BUTTON", BS_PUSHBUTTON, 100, 40, 80, 24);
    EXPECT_EQ(qtest::RegisterControl(index, &WindowSkinRecord::buttons, first), 1);
    EXPECT_EQ(qtest::RegisterControl(index, &WindowSkinRecord::buttons, second), 2);
    EXPECT_EQ(skin::windowRecords[0].buttons.Count(), 2);
    EXPECT_EQ(skin::windowRecords[0].edits.Count(), 1);
}

TEST_F(WindowRecordTest, FindWindowRecordBeforeAttachAndAfterDetach) {
    auto& first = NewWindow();
    auto& second = NewWindow();
    EXPECT_EQ(skin::FindWindowRecord(first.hwnd()), 0);
    EXPECT_EQ(skin::FindWindowRecord(nullptr), 0);

    qtest::GiveWindowRecord(first.hwnd());
    qtest::GiveWindowRecord(second.hwnd());
    EXPECT_EQ(skin::FindWindowRecord(first.hwnd()), 1);
    EXPECT_EQ(skin::FindWindowRecord(second.hwnd()), 2);

    HWND gone = first.hwnd();
    first.Destroy();
    EXPECT_EQ(skin::FindWindowRecord(gone), 0);
    EXPECT_EQ(skin::FindWindowRecord(second.hwnd()), 1);
    EXPECT_EQ(skin::RecordAt(2), nullptr);
    EXPECT_EQ(skin::RecordAt(0), nullptr);
}

// A window with one control of every kind, a container and a composite control.
struct SkinnedWindowWithControls {
    HWND window;
    std::vector<HWND> controls;  // carry "Hw_FuID"
    HWND composite;              // carries "Kj_FuID"
};

SkinnedWindowWithControls Populate(qtest::TestWindow& window) {
    const int index = qtest::GiveWindowRecord(window.hwnd());
    auto child = [&](const char* className) { return window.AddChild(className, 0, 5, 30, 40, 20); };
    SkinnedWindowWithControls made{window.hwnd(), {}, nullptr};
    auto add = [&](auto list, const char* className) {
        HWND control = child(className);
        qtest::RegisterControl(index, list, control);
        made.controls.push_back(control);
    };
    add(&WindowSkinRecord::buttons, "BUTTON");
    add(&WindowSkinRecord::buttons, "BUTTON");  // a second entry in the same list
    add(&WindowSkinRecord::edits, "Edit");
    add(&WindowSkinRecord::lists, "ListBox");
    add(&WindowSkinRecord::combos, "ComboBox");
    add(&WindowSkinRecord::trackBars, "msctls_trackbar32");
    add(&WindowSkinRecord::progressBars, "msctls_progress32");
    add(&WindowSkinRecord::spins, "msctls_updown32");
    add(&WindowSkinRecord::headers, "SysHeader32");
    HWND panel = child("Static");
    qtest::RegisterContainer(index, panel);
    made.controls.push_back(panel);
    made.composite = child("Static");
    qtest::RegisterControl(index, &WindowSkinRecord::compositeControls, made.composite);
    return made;
}

// After every destruction, each remaining window and everything registered in it carries the
// position of its record, and the records keep their order.
void ExpectConsistentNumbering(const std::vector<SkinnedWindowWithControls>& alive) {
    ASSERT_EQ(skin::windowRecords.size(), alive.size());
    for (std::size_t i = 0; i < alive.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        EXPECT_EQ(skin::windowRecords[i].hwnd, alive[i].window);
        EXPECT_EQ(Prop(alive[i].window, "Hw_lbID"), position);
        for (HWND control : alive[i].controls) EXPECT_EQ(Prop(control, "Hw_FuID"), position);
        EXPECT_EQ(Prop(alive[i].composite, "Kj_FuID"), position);
    }
}

TEST_F(WindowRecordTest, RenumbersRemainingWindowsWhateverTheOrderOfDestruction) {
    // Between them: the first, a middle and the last of several windows, and the only one.
    const std::vector<std::vector<int>> orders = {{0, 1, 2}, {1, 2, 0}};
    for (const auto& order : orders) {
        SCOPED_TRACE(::testing::Message() << "destroying " << order[0] << order[1] << order[2]);
        std::vector<SkinnedWindowWithControls> alive;
        std::vector<qtest::TestWindow*> frames;
        for (int i = 0; i < 3; ++i) {
            frames.push_back(&NewWindow());
            alive.push_back(Populate(*frames.back()));
        }
        const std::vector<SkinnedWindowWithControls> all = alive;
        for (int victim : order) {
            const HWND gone = all[static_cast<std::size_t>(victim)].window;
            frames[static_cast<std::size_t>(victim)]->Destroy();
            alive.erase(std::find_if(alive.begin(), alive.end(),
                                     [gone](const auto& w) { return w.window == gone; }));
            ExpectConsistentNumbering(alive);
        }
        EXPECT_TRUE(skin::windowRecords.empty());
        windows_.clear();
    }
}

TEST_F(WindowRecordTest, DetachOfAWindowWithoutRecordStillRenumbers) {
    auto& window = NewWindow();
    SkinnedWindowWithControls made = Populate(window);
    SetPropA(made.window, "Hw_lbID", reinterpret_cast<HANDLE>(7));
    SetPropA(made.controls[0], "Hw_FuID", reinterpret_cast<HANDLE>(7));
    skin::DetachWindow(nullptr);
    ExpectConsistentNumbering({made});
    EXPECT_EQ(Prop(made.controls[1], "Hw_lbID"), 2);  // its place in `buttons` is untouched
}

TEST_F(WindowRecordTest, DetachDeletesTheBuffersAndClosesTheToolTips) {
    auto& window = NewWindow();
    qtest::GiveWindowRecord(window.hwnd());
    WindowSkinRecord& record = skin::windowRecords[0];
    HWND button = window.AddChild("BUTTON", BS_PUSHBUTTON, 10, 40, 80, 24);
    qtest::RegisterControl(1, &WindowSkinRecord::buttons, button);
    const HWND captionTip = record.captionToolTip.CreateTipWindow(window.hwnd());
    const HWND buttonTip = record.buttons.At(1).toolTip.CreateTipWindow(button);
    const HGDIOBJ objects[] = {record.backBufferDc, GetPropA(window.hwnd(), "Ck_wtjbdx"),
                               record.captionBufferDc, record.captionBufferBitmap,
                               record.bottomBarBufferDc, record.bottomBarBufferBitmap};
    for (HGDIOBJ object : objects) ASSERT_NE(GetObjectType(object), 0u);
    ASSERT_TRUE(IsWindow(captionTip));

    window.Destroy();

    for (HGDIOBJ object : objects) EXPECT_EQ(GetObjectType(object), 0u) << object;
    EXPECT_FALSE(IsWindow(captionTip));
    EXPECT_FALSE(IsWindow(buttonTip));
}

}  // namespace
