// Registered memory DCs: release, re-registration and the copy into a bitmap.
#include <gtest/gtest.h>

#include <windows.h>

#include "engine/core/engine_tables.h"
#include "engine/core/memory_dc.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/pixel_probe.h"

namespace {

// A registered 32-bit memory DC filled with `color`, as a background capture leaves it.
HDC MakeRegisteredDc(int width, int height, COLORREF color) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    skin::RegisterMemoryDc(dc, bitmap, SelectObject(dc, bitmap));
    HBRUSH brush = CreateSolidBrush(color);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    return dc;
}

class MemoryDcTest : public ::testing::Test {
protected:
    void SetUp() override { skin::memoryDcTable.clear(); }
    void TearDown() override { skin::memoryDcTable.clear(); }
};

TEST_F(MemoryDcTest, ReleasingTwiceOrUnknownDcsIsHarmless) {
    HDC dc = MakeRegisteredDc(8, 8, RGB(1, 2, 3));
    const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    EXPECT_EQ(skin::ReleaseMemoryDc(dc), 1);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(skin::ReleaseMemoryDc(dc), 0);
    EXPECT_EQ(skin::ReleaseMemoryDc(nullptr), 0);

    HDC unregistered = CreateCompatibleDC(nullptr);
    EXPECT_EQ(skin::ReleaseMemoryDc(unregistered), 0);
    EXPECT_EQ(GetObjectType(unregistered), static_cast<DWORD>(OBJ_MEMDC));
    DeleteDC(unregistered);
    EXPECT_TRUE(skin::memoryDcTable.empty());
}

TEST_F(MemoryDcTest, RegisteringADcAgainUpdatesItsEntry) {
    HDC dc = MakeRegisteredDc(4, 4, RGB(0, 0, 0));
    const HGDIOBJ first = skin::memoryDcTable[0].bitmap;
    HBITMAP replacement = CreateCompatibleBitmap(dc, 4, 4);
    SelectObject(dc, replacement);
    skin::RegisterMemoryDc(dc, replacement, skin::memoryDcTable[0].previousObject);
    DeleteObject(first);
    ASSERT_EQ(skin::memoryDcTable.size(), 1u);
    EXPECT_EQ(skin::memoryDcTable[0].bitmap, replacement);
    EXPECT_EQ(skin::ReleaseMemoryDc(dc), 1);
    EXPECT_EQ(GetObjectType(replacement), 0u);
}

TEST_F(MemoryDcTest, CopyDcToBitmapKeepsThePixelsAndReleasesTheDc) {
    HDC dc = MakeRegisteredDc(16, 10, RGB(200, 40, 90));
    SetPixel(dc, 15, 9, RGB(10, 250, 20));
    HBITMAP bitmap = skin::CopyDcToBitmap(dc, 16, 10);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(skin::memoryDcTable.empty());
    EXPECT_EQ(GetObjectType(dc), 0u);

    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 10);
    EXPECT_GT(info.bmBitsPixel, 8);  // a colour bitmap, not the monochrome one of a bare memory DC
    qtest::MemorySurface check(16, 10);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(check.dc(), 0, 0, 16, 10, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(bitmap);
    EXPECT_TRUE(qtest::PixelNear(check.dc(), 3, 3, RGB(200, 40, 90), 0));
    EXPECT_TRUE(qtest::PixelNear(check.dc(), 15, 9, RGB(10, 250, 20), 0));
    EXPECT_EQ(skin::CopyDcToBitmap(nullptr, 4, 4), nullptr);
}

TEST_F(MemoryDcTest, CopyAndReleaseCyclesLeakNoHandles) {
    auto cycle = [] {
        HDC dc = MakeRegisteredDc(32, 32, RGB(9, 9, 9));
        DeleteObject(skin::CopyDcToBitmap(dc, 32, 32));
    };
    cycle();  // lets the system allocate whatever it keeps for good
    const int before = qtest::MeasureGdiHeadroom();
    for (int i = 0; i < 300; ++i) cycle();
    EXPECT_EQ(qtest::MeasureGdiHeadroom(), before);
}

}  // namespace
