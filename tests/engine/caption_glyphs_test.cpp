// The embedded caption glyphs decode as 32-bit ARGB pictures of the fixed sizes, transparent
// around a white sign under a translucent top line.
#include <gtest/gtest.h>

#include "engine/core/caption_glyphs.h"
#include "graphics/graphics.h"
#include "tests/support/gdiplus_session.h"

namespace {

TEST(CaptionGlyphsTest, GlyphsHaveTheirSizeFormatAndTransparency) {
    qtest::GdiplusSession session;
    ASSERT_TRUE(session.ok());
    struct Case {
        const char* name;
        skin::EmbeddedPicture picture;
        int width;
        POINT sign;  // a pixel of the white sign
    };
    const skin::CaptionGlyphSet& g = skin::CAPTION_GLYPHS;
    const Case cases[] = {
        {"help", g.help, 26, {13, 13}},         {"menu", g.menu, 26, {13, 5}},
        {"minimize", g.minimize, 26, {13, 12}}, {"maximize", g.maximize, 26, {13, 4}},
        {"restore", g.restore, 26, {11, 13}},   {"close", g.close, 38, {19, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        graphics::Bitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmapFromBytes(c.picture.ToBytes()));
        float width = 0, height = 0;
        ASSERT_TRUE(bitmap.GetImageDimension(width, height));
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, 18);
        EXPECT_EQ(bitmap.GetImagePixelFormat(), PixelFormat32bppARGB);

        EXPECT_EQ(bitmap.BitmapGetPixel(0, 17) >> 24, 0u);  // transparent ground
        const unsigned topLine = bitmap.BitmapGetPixel(1, 0);
        EXPECT_GT(topLine >> 24, 40u);
        EXPECT_LT(topLine >> 24, 200u);
        EXPECT_EQ(topLine & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(bitmap.BitmapGetPixel(c.sign.x, c.sign.y), 0xFFFFFFFFu);
    }
}

}  // namespace
