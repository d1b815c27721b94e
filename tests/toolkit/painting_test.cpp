// What the see-through kinds paint: the parent behind them, outlines inside bounds, label text.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/gdiplus_session.h"
#include "tests/support/pixel_probe.h"
#include "toolkit/face_choice.h"
#include "toolkit/recording_services.h"
#include "toolkit/text_painter.h"
#include "toolkit/toolkit.h"

namespace {

using namespace toolkit;

constexpr COLORREF BACKGROUND = RGB(0, 0, 128);
constexpr COLORREF LINE = RGB(200, 30, 30);
constexpr COLORREF TEXT = RGB(236, 236, 236);

class PaintingTest : public testing::Test {
protected:
    RecordingServices doubles;
    Services services = doubles.Wire();
    std::unique_ptr<Form> form;

    void Build(bool shadow) {
        WindowSettings window;
        window.name = "Main";
        window.x = 0, window.y = 0, window.width = 300, window.height = 120;
        window.background = BACKGROUND;
        window.visible = false;  // painted off-screen only
        TransparentLabel style{"播放", "迷你简铁筋隶书", 40, FW_BOLD, GB2312_CHARSET, TEXT, shadow};
        form = std::make_unique<Form>(
            FormDefinition{window, {},
                           {{"frame", "", 0, 0, 300, 120, ShapeBox{8, LINE}, {}},
                            {"label", "frame", 20, 20, 200, 60, style, {}}}},
            services);
        ASSERT_TRUE(form->Build());
    }

    // How many pixels of `surface` are near `color`.
    static int Count(const qtest::MemorySurface& surface, COLORREF color, int tolerance = 8) {
        int count = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (qtest::ColorsNear(qtest::PixelAt(surface.dc(), x, y), color, tolerance)) ++count;
        return count;
    }
};

TEST_F(PaintingTest, AWideOutlineStaysInsideTheShapeBox) {
    Build(false);
    qtest::MemorySurface surface(300, 120);
    form->Find("frame")->PaintSurface(surface.dc(), {0, 0, 300, 120});
    for (POINT p : {POINT{0, 0}, POINT{7, 60}, POINT{299, 119}, POINT{150, 112}})
        EXPECT_TRUE(qtest::PixelNear(surface.dc(), p.x, p.y, LINE)) << p.x << "," << p.y;
    for (POINT p : {POINT{8, 8}, POINT{150, 60}, POINT{291, 111}})
        EXPECT_TRUE(qtest::PixelNear(surface.dc(), p.x, p.y, BACKGROUND)) << p.x << "," << p.y;
}

TEST_F(PaintingTest, ALabelShowsItsParentWithTheTextAndItsShadowOnTop) {
    for (bool shadow : {false, true}) {
        SCOPED_TRACE(shadow ? "with shadow" : "without shadow");
        Build(shadow);
        auto* label = form->Get<TransparentLabelControl>("label");
        ASSERT_NE(label, nullptr);
        qtest::MemorySurface surface(200, 60);
        label->PaintSurface(surface.dc(), {0, 0, 200, 60});
        // Left-aligned and vertically centred: the corners and the right end stay background.
        for (POINT p : {POINT{0, 0}, POINT{199, 0}, POINT{199, 59}, POINT{150, 30}})
            EXPECT_TRUE(qtest::PixelNear(surface.dc(), p.x, p.y, BACKGROUND)) << p.x << "," << p.y;
        EXPECT_GT(Count(surface, TEXT), 40);
        EXPECT_EQ(Count(surface, RGB(0, 0, 0)) > 20, shadow);
    }
}

TEST_F(PaintingTest, ChangingTheTextColourRepaintsInTheNewColour) {
    Build(false);
    auto* label = form->Get<TransparentLabelControl>("label");
    label->SetTextColor(RGB(255, 200, 0));
    qtest::MemorySurface surface(200, 60);
    label->PaintSurface(surface.dc(), {0, 0, 200, 60});
    EXPECT_EQ(Count(surface, TEXT), 0);
    EXPECT_GT(Count(surface, RGB(255, 200, 0)), 40);
}

// A 4 x 2 bottom-up 24-bit BMP: left half red, right half blue.
graphics::Bytes TwoColourBmp() {
    graphics::Bytes bmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0,
                           1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x < 4; ++x) {
            const unsigned char bgr[2][3] = {{0, 0, 255}, {255, 0, 0}};
            bmp.insert(bmp.end(), bgr[x / 2], bgr[x / 2] + 3);
        }
    return bmp;
}

TEST_F(PaintingTest, PicturesAreStretchedOrShownAtTheirOwnSizeOverTheParent) {
    qtest::GdiplusSession gdiplus;
    ASSERT_TRUE(gdiplus.ok());
    constexpr COLORREF RED = RGB(255, 0, 0), BLUE = RGB(0, 0, 255);
    struct Case {
        PictureLayout layout;
        std::vector<std::pair<POINT, COLORREF>> probes;
    } cases[] = {
        {PictureLayout::Stretch, {{{4, 10}, RED}, {{36, 10}, BLUE}, {{4, 1}, RED}}},
        {PictureLayout::NaturalSize, {{{1, 1}, RED}, {{3, 1}, BLUE}, {{20, 10}, BACKGROUND}, {{3, 2}, BACKGROUND}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout == PictureLayout::Stretch ? "stretched" : "natural size");
        Build(false);
        qtest::MemorySurface surface(40, 20);
        // A picture box on the window, painted the way its window would be.
        struct Host : PictureBoxControl {
            using PictureBoxControl::PictureBoxControl;
            void Adopt(Form* form) { SetOwner(form, form); }
        };
        Host host({"picture", "", 20, 20, 40, 20, PictureBox{}, {}}, PictureBox{TwoColourBmp(), c.layout});
        host.Adopt(form.get());
        host.PaintSurface(surface.dc(), {0, 0, 40, 20});
        for (const auto& probe : c.probes)
            EXPECT_TRUE(qtest::PixelNear(surface.dc(), probe.first.x, probe.first.y, probe.second, 24))
                << probe.first.x << "," << probe.first.y;
    }
}

TEST(FaceChoice, AMissingFaceFallsBackToAnInstalledCjkFace) {
    const std::wstring face = ChooseFace(L"Qorvel No Such Face");
    EXPECT_NE(face, L"Qorvel No Such Face");
    EXPECT_TRUE(FaceInstalled(face));

    const LOGFONTW font = LabelFont({"", "Qorvel No Such Face", 48});
    EXPECT_EQ(font.lfHeight, -48);  // a character height, not a cell height
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(std::wstring(font.lfFaceName), face);
}

}  // namespace
