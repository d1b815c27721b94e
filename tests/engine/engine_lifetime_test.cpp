// Engine lifetime: construction, release order at destruction, graphics start-up and tables.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "engine/skin_engine.h"

namespace {

std::vector<std::string> releases;
skin::ReleaseCalls realCalls = skin::releaseCalls;

BOOL WINAPI RecordDestroyIcon(HICON icon) {
    releases.push_back("icon");
    return realCalls.destroyIcon(icon);
}
void WINAPI RecordShutdown(ULONG_PTR token) {
    releases.push_back("gdiplus " + std::to_string(token != 0));
    realCalls.gdiplusShutdown(token);
}

class EngineLifetime : public testing::Test {
protected:
    void SetUp() override {
        releases.clear();
        skin::releaseCalls = {RecordDestroyIcon, RecordShutdown};
    }
    void TearDown() override { skin::releaseCalls = realCalls; }
};

TEST_F(EngineLifetime, ConstructorReadsTheButtonFaceColourAndBuildsBothAdapters) {
    skin::backColor = 0x123456;
    skin::SkinEngine engine;
    EXPECT_EQ(skin::backColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(engine.windowProcAdapter.empty());
    EXPECT_FALSE(engine.buttonActionAdapter.empty());
    EXPECT_EQ(engine.frameWidth, 0);
    EXPECT_EQ(engine.hoverTarget, 0);
}

TEST_F(EngineLifetime, DestructorDestroysTheIconBeforeShuttingGraphicsDown) {
    auto* engine = new skin::SkinEngine;
    skin::gdiplusToken = skin::StartGraphics();
    ASSERT_NE(skin::gdiplusToken, 0u);
    skin::defaultIcon = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
    ASSERT_NE(skin::defaultIcon, nullptr);
    delete engine;
    EXPECT_EQ(releases, (std::vector<std::string>{"icon", "gdiplus 1"}));
    EXPECT_EQ(skin::gdiplusToken, 0u);
    EXPECT_EQ(skin::defaultIcon, nullptr);
}

TEST_F(EngineLifetime, SetUpRunTwiceKeepsOneGraphicsSessionAndIcon) {
    auto* engine = new skin::SkinEngine;
    skin::EngineModuleSetUp();
    const ULONG_PTR token = skin::gdiplusToken;
    ASSERT_NE(token, 0u);
    skin::defaultIcon = skin::defaultIcon ? skin::defaultIcon : CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
    const HICON icon = skin::defaultIcon;
    skin::EngineModuleSetUp();
    EXPECT_EQ(skin::gdiplusToken, token);
    EXPECT_EQ(skin::defaultIcon, icon);
    delete engine;
    EXPECT_EQ(releases, (std::vector<std::string>{"icon", "gdiplus 1"}));
}

TEST_F(EngineLifetime, DestroyingWithoutATokenOrIconReleasesNothing) {
    skin::gdiplusToken = 0;
    skin::defaultIcon = nullptr;
    delete new skin::SkinEngine;
    EXPECT_TRUE(releases.empty());
}

TEST_F(EngineLifetime, ShutdownGraphicsWithTheStoredTokenConsumesIt) {
    const ULONG_PTR token = skin::StartGraphics(1);
    ASSERT_NE(token, 0u);
    EXPECT_EQ(skin::gdiplusTokenCopy, token);
    skin::ShutdownGraphics(0, 0);  // the given token is ignored: the stored copy is used
    EXPECT_EQ(skin::gdiplusTokenCopy, 0u);
    skin::ShutdownGraphics(0, 0);  // nothing left to shut down
    skin::ShutdownGraphics(0, 1);
    EXPECT_EQ(releases, (std::vector<std::string>{"gdiplus 1"}));
}

TEST_F(EngineLifetime, ReleaseEngineTablesFreesEverythingWithoutTouchingSurfaces) {
    HDC dc = CreateCompatibleDC(nullptr);
    skin::windowRecords.emplace_back();
    skin::windowRecords.back().hwnd = GetDesktopWindow();
    skin::memoryDcTable.push_back({dc, nullptr, nullptr});
    skin::defaultBackgroundImage.assign(100, 7);
    skin::ReleaseEngineTables();
    EXPECT_TRUE(skin::windowRecords.empty());
    EXPECT_EQ(skin::windowRecords.capacity(), 0u);
    EXPECT_TRUE(skin::memoryDcTable.empty());
    EXPECT_TRUE(skin::defaultBackgroundImage.empty());
    // The DC was left alone: it is still ours to delete.
    EXPECT_TRUE(DeleteDC(dc));
}

}  // namespace
