// EngineFixture: an engine with GDI+ running and real windows attached to it, torn down in order.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/skin_engine.h"
#include "tests/support/test_window.h"

namespace qtest {

// A frameless window with both caption boxes: the kind of window the engine skins.
constexpr DWORD SKINNED_STYLE = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Each test gets a fresh engine after the module set-up (GDI+ started, default icon, option
// defaults). Windows made with NewWindow are destroyed before the engine goes, because an
// attached window's procedure lives in the engine.
class EngineFixture : public testing::Test {
protected:
    void SetUp() override {
        skin::EngineModuleSetUp();
        engine_ = MakeEngine();
    }

    // The engine under test; a fixture may give a derived one.
    virtual std::unique_ptr<skin::SkinEngine> MakeEngine() {
        return std::make_unique<skin::SkinEngine>();
    }

    void TearDown() override {
        windows_.clear();  // destroys them; WM_NCDESTROY releases their records
        PumpMessages();
        engine_.reset();   // shuts GDI+ down
        skin::ReleaseEngineTables();
        skin::firstSizePending = 1;
        skin::defaultBackgroundLayout = 0;
        skin::backColor = GetSysColor(COLOR_BTNFACE);
    }

    skin::SkinEngine& engine() { return *engine_; }
    // Destroys the engine now, before the test's windows.
    void DestroyEngine() { engine_.reset(); }

    // A visible top-level window of the given outer size, destroyed at the end of the test.
    HWND NewWindow(int width = 420, int height = 320, DWORD style = SKINNED_STYLE,
                   const char* title = "test window") {
        windows_.push_back(std::make_unique<TestWindow>(width, height, style, title));
        return windows_.back()->hwnd();
    }

    // A new window attached with the defaults and fully painted; returns its record position.
    int AttachPainted(HWND hwnd) {
        engine().AttachWindow(hwnd);
        const int index = skin::FindWindowRecord(hwnd);
        if (index > 0) engine().PaintWindow(index, 1);
        PumpMessages();
        return skin::FindWindowRecord(hwnd);
    }

    // The record of an attached window (fails the test when there is none).
    skin::WindowSkinRecord& RecordOf(HWND hwnd) {
        const int index = skin::FindWindowRecord(hwnd);
        EXPECT_GE(index, 1) << "window not attached";
        return skin::windowRecords.at(static_cast<size_t>(index > 0 ? index : 1) - 1);
    }

    std::vector<std::unique_ptr<TestWindow>> windows_;

private:
    std::unique_ptr<skin::SkinEngine> engine_;
};

}  // namespace qtest
