// Image, Bitmap and MemoryStream: pictures through bytes, pixels, rotation, encoders.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "tests/graphics/canvas.h"

namespace {

using namespace graphics;
using namespace gtest_graphics;

using ImageTest = GraphicsTest;

// A 1 x 1 animated GIF: two frames, shown for 10 and then 20 hundredths of a second.
const Bytes TWO_FRAME_GIF = {
    'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,  // screen 1 x 1, 2-colour table
    0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,                     // red, blue
    0x21, 0xF9, 4, 0, 10, 0, 0, 0,                          // frame delay 10
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0,   // one pixel of colour 0
    0x21, 0xF9, 4, 0, 20, 0, 0, 0,                          // frame delay 20
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0,
    0x3B};

// A 7 x 5 bitmap with a few known pixels.
void MakeMarked(Bitmap& bitmap) {
    ASSERT_EQ(bitmap.CreateBlankBitmap(7, 5), 1);
    bitmap.BitmapSetPixel(0, 0, kRed);
    bitmap.BitmapSetPixel(6, 4, kBlue);
    bitmap.BitmapSetPixel(3, 2, 0x80FFFFFF);
}

TEST_F(ImageTest, BlankBitmapIsTransparent32BitArgb) {
    Bitmap bitmap;
    ASSERT_EQ(bitmap.CreateBlankBitmap(10, 10), 1);
    EXPECT_EQ(bitmap.GetImagePixelFormat(), 2498570);
    EXPECT_EQ(bitmap.GetImageWidth(), 10u);
    EXPECT_EQ(bitmap.GetImageHeight(), 10u);
    EXPECT_EQ(bitmap.BitmapGetPixel(5, 5), 0u);
    EXPECT_EQ(bitmap.BitmapGetPixel(10, 5), 0u) << "outside";

    Bitmap rgb;
    ASSERT_EQ(rgb.CreateBlankBitmap(3, 2, PixelFormat24bppRGB), 1);
    EXPECT_EQ(rgb.GetImagePixelFormat(), PixelFormat24bppRGB);
}

// PNG bytes load back to the same picture; the bytes end where the encoder stopped writing.
TEST_F(ImageTest, PngRoundTripThroughBytes) {
    Bitmap marked;
    MakeMarked(marked);
    const Bytes png = marked.SaveImageToBytes(std::string(IMAGE_FORMAT_PNG));
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG", 4), 0);
    EXPECT_EQ(std::memcmp(png.data() + png.size() - 8, "IEND\xAE\x42\x60\x82", 8), 0)
        << "no slack after the last chunk";

    Image image;
    ASSERT_EQ(image.LoadImageFromBytes(png), 1);
    EXPECT_EQ(image.GetImageWidth(), 7u);
    EXPECT_EQ(image.GetImageHeight(), 5u);
    EXPECT_EQ(image.GetImageRawFormat(), IMAGE_FORMAT_PNG);
    // Saved again in its own raw format, without naming one.
    EXPECT_FALSE(image.SaveImageToBytes().empty());

    Bitmap loaded;
    ASSERT_EQ(loaded.CreateBitmapFromBytes(png), 1);
    EXPECT_EQ(loaded.BitmapGetPixel(0, 0), kRed);
    EXPECT_EQ(loaded.BitmapGetPixel(6, 4), kBlue);
    EXPECT_TRUE(ArgbNear(loaded.BitmapGetPixel(3, 2), 0x80FFFFFF));
    // The bitmap draws from the stream it was loaded from, kept alive with it.
    Canvas canvas(8, 8);
    ASSERT_EQ(canvas.surface.DrawImageI(loaded, 0, 0), 1);
    EXPECT_EQ(canvas.Pixel(6, 4), kBlue);
    // Loading again replaces picture and stream together.
    ASSERT_EQ(loaded.LoadImageFromBytes(marked.SaveImageToBytes(std::string(IMAGE_FORMAT_BMP))), 1);
    EXPECT_EQ(loaded.GetImageRawFormat(), IMAGE_FORMAT_BMP);
    EXPECT_EQ(loaded.BitmapGetPixel(0, 0), kRed);
}

// Pictures saved to a file load back from it, by ANSI and by UTF-16 name.
TEST_F(ImageTest, FilesRoundTrip) {
    char folder[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
    const std::string path = std::string(folder) + "图片 round trip.png";
    Bitmap marked;
    MakeMarked(marked);
    ASSERT_EQ(marked.SaveImageToFile(path, IMAGE_FORMAT_PNG), 1);
    Image image;
    ASSERT_EQ(image.LoadImageFromFile(path), 1);
    EXPECT_EQ(image.GetImageWidth(), 7u);
    EXPECT_EQ(image.GetImageRawFormat(), IMAGE_FORMAT_PNG);
    Bitmap bitmap;
    ASSERT_EQ(bitmap.CreateBitmapFromFileW(WideToBytes(AnsiToWide(path))), 1);
    EXPECT_EQ(bitmap.BitmapGetPixel(6, 4), kBlue);
    image.DisposeImage();
    bitmap.DisposeImage();
    DeleteFileA(path.c_str());

    // The default format is BMP.
    const std::string bmpPath = std::string(folder) + "default format";
    ASSERT_EQ(marked.SaveImageToFile(bmpPath), 1);
    ASSERT_EQ(image.LoadImageFromFile(bmpPath), 1);
    EXPECT_EQ(image.GetImageRawFormat(), IMAGE_FORMAT_BMP);
    image.DisposeImage();
    DeleteFileA(bmpPath.c_str());

    EXPECT_EQ(image.LoadImageFromFile(std::string(folder) + "no such picture.png"), 0);
    EXPECT_NE(lastStatus, kOk);
    EXPECT_EQ(image.nativeImage, nullptr);
}

// Format texts are matched exactly; a text no encoder has gives nothing.
TEST_F(ImageTest, SavingWithAnUnknownFormatGivesNothing) {
    Bitmap marked;
    MakeMarked(marked);
    std::string lower = IMAGE_FORMAT_PNG;
    for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    struct Case {
        const char* name;
        std::optional<std::string> format;
    };
    const std::vector<Case> cases = {
        {"lower-case PNG", lower},
        {"no braces", std::string(IMAGE_FORMAT_PNG).substr(1, 36)},
        {"raw format of a blank bitmap (memory bitmap)", std::nullopt},
    };
    for (const Case& c : cases) {
        lastStatus = kOk;
        EXPECT_TRUE(marked.SaveImageToBytes(c.format).empty()) << c.name;
        EXPECT_EQ(lastStatus, kUnknownImageFormat) << c.name;
    }
    EXPECT_EQ(marked.SaveImageToFile("unused.bmp", lower), 0);
    EXPECT_EQ(lastStatus, kUnknownImageFormat);
    EXPECT_TRUE(FindEncoder(lower).empty());
    EXPECT_FALSE(FindEncoder(IMAGE_FORMAT_PNG).empty());

    Image empty;
    EXPECT_TRUE(empty.SaveImageToBytes(std::string(IMAGE_FORMAT_PNG)).empty());
    EXPECT_EQ(lastStatus, kInvalidParameter);
}

// Encoder parameters reach the encoder; malformed ones are refused before any saving.
TEST_F(ImageTest, EncoderParametersAreCheckedAndPassed) {
    Bitmap marked;
    MakeMarked(marked);
    const std::string quality = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
    const int typeLong = 4;
    EXPECT_FALSE(marked.SaveImageToBytes(std::string(IMAGE_FORMAT_JPEG), {{quality, 1, typeLong, {50, 0, 0, 0}}}).empty());
    const std::vector<std::pair<const char*, EncoderParameter>> refused = {
        {"category not GUID text", {"quality", 1, typeLong, {50, 0, 0, 0}}},
        {"fewer value bytes than values", {quality, 1, typeLong, {50}}},
    };
    for (const auto& c : refused) {
        EXPECT_TRUE(marked.SaveImageToBytes(std::string(IMAGE_FORMAT_JPEG), {c.second}).empty()) << c.first;
        EXPECT_EQ(lastStatus, kInvalidParameter) << c.first;
    }
}

// Undecodable bytes leave the wrapper empty: no size, nothing drawn.
TEST_F(ImageTest, UndecodableBytesLeaveTheWrapperEmpty) {
    const std::vector<Bytes> inputs = {Bytes(), Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}};
    for (const Bytes& input : inputs) {
        Image image;
        EXPECT_EQ(image.LoadImageFromBytes(input), 0);
        EXPECT_NE(lastStatus, kOk);
        EXPECT_EQ(image.nativeImage, nullptr);
        EXPECT_EQ(image.imageStream.GetStream(), nullptr) << "the stream went with the failure";
        EXPECT_EQ(image.GetImageWidth(), 0u);
        Bitmap bitmap;
        EXPECT_EQ(bitmap.CreateBitmapFromBytes(input), 0);
        EXPECT_EQ(bitmap.nativeBitmap, nullptr);
    }
}

TEST_F(ImageTest, FrameDelaysComeFromTheFrameDelayProperty) {
    Image animation;
    ASSERT_EQ(animation.LoadImageFromBytes(TWO_FRAME_GIF), 1);
    EXPECT_EQ(animation.ImageGetFrameCount(FRAME_DIMENSION_TIME), 2u);
    std::vector<int> delays = {99};
    ASSERT_EQ(animation.GetFrameDelays(delays), 1);
    EXPECT_EQ(delays, (std::vector<int>{10, 20}));

    Bitmap still;
    MakeMarked(still);
    delays = {99};
    EXPECT_EQ(still.GetFrameDelays(delays), 0);
    EXPECT_EQ(delays, std::vector<int>{99}) << "left as it was";
}

TEST_F(ImageTest, RotatedSizeMeasuresBetweenPixelCentres) {
    struct Case {
        float width, height;
        int angle;
        float rotatedWidth, rotatedHeight;
    };
    const std::vector<Case> cases = {
        {100, 50, 90, 49, 99},
        {100, 50, 0, 99, 49},
        {100, 50, 180, 99, 49},
        {100, 50, -90, 49, 99},
        {11, 11, 45, 14.1421f, 14.1421f},
    };
    Bitmap bitmap;
    for (const Case& c : cases) {
        float w = -1, h = -1;
        bitmap.RotatedSize(c.width, c.height, c.angle, w, h);
        EXPECT_NEAR(w, c.rotatedWidth, 1e-3) << c.width << "x" << c.height << " at " << c.angle;
        EXPECT_NEAR(h, c.rotatedHeight, 1e-3) << c.width << "x" << c.height << " at " << c.angle;
    }
}

// A picture red on the left and blue on the right, turned a quarter clockwise, is red above
// and blue below; a given background fills what the picture does not cover.
TEST_F(ImageTest, RotateBitmapTurnsThePicture) {
    Bitmap source;
    ASSERT_EQ(source.CreateBlankBitmap(21, 11), 1);
    Graphics painter;
    ASSERT_EQ(painter.GetImageGraphicsContext(source), 1);
    SolidBrush red, blue;
    red.CreateSolidFill(kRed);
    blue.CreateSolidFill(kBlue);
    painter.FillRectangleI(red, 0, 0, 10, 11);
    painter.FillRectangleI(blue, 11, 0, 10, 11);
    painter.DeleteGraphics();

    Bitmap turned;
    ASSERT_EQ(source.RotateBitmap(90, turned), 1);
    ASSERT_EQ(turned.GetImageWidth(), 10u);
    ASSERT_EQ(turned.GetImageHeight(), 20u);
    EXPECT_EQ(turned.GetImagePixelFormat(), PixelFormat32bppARGB);
    EXPECT_TRUE(ArgbNear(turned.BitmapGetPixel(5, 3), kRed, 8));
    EXPECT_TRUE(ArgbNear(turned.BitmapGetPixel(5, 16), kBlue, 8));

    Bitmap larger;
    ASSERT_EQ(source.RotateBitmap(0, larger, kGreen, Gdiplus::InterpolationModeNearestNeighbor, Gdiplus::SizeF(41, 31)), 1);
    EXPECT_EQ(larger.GetImageWidth(), 41u);
    EXPECT_TRUE(ArgbNear(larger.BitmapGetPixel(1, 1), kGreen));
    EXPECT_TRUE(ArgbNear(larger.BitmapGetPixel(12, 15), kRed));

    Bitmap empty;
    EXPECT_EQ(empty.RotateBitmap(90, turned), 0);
    EXPECT_EQ(turned.GetImageWidth(), 10u) << "target unchanged";
}

// Copies are separate native objects: each outlives the other.
TEST_F(ImageTest, ClonesAndAreasAreSeparateObjects) {
    Bitmap marked;
    MakeMarked(marked);
    Image clone;
    ASSERT_EQ(marked.CloneImage(clone), 1);
    Bitmap area;
    ASSERT_EQ(marked.CloneBitmapAreaI(4, 2, 3, 3, PixelFormat32bppARGB, area), 1);
    ASSERT_EQ(marked.DisposeImage(), 1);
    EXPECT_EQ(clone.GetImageWidth(), 7u);
    EXPECT_EQ(area.GetImageWidth(), 3u);
    EXPECT_EQ(area.BitmapGetPixel(2, 2), kBlue);
}

// Bitmaps to and from GDI objects and locked pixel memory.
TEST_F(ImageTest, BitmapsMeetGdiAndRawPixels) {
    Bitmap marked;
    MakeMarked(marked);
    HBITMAP gdi = marked.CreateHBITMAPFromBitmap(kGreen);
    ASSERT_NE(gdi, nullptr);
    Bitmap back;
    ASSERT_EQ(back.CreateBitmapFromHBITMAP(gdi), 1);
    EXPECT_EQ(back.GetImageWidth(), 7u);
    EXPECT_TRUE(ArgbNear(back.BitmapGetPixel(6, 4), kBlue));
    EXPECT_TRUE(ArgbNear(back.BitmapGetPixel(1, 1), kGreen)) << "transparent pixels over the background";
    DeleteObject(gdi);

    BitmapData data = {};
    ASSERT_EQ(marked.BitmapLockBits(Rect(0, 0, 7, 5), Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, data), 1);
    EXPECT_EQ(static_cast<const ARGB*>(data.Scan0)[0], kRed);
    ASSERT_EQ(marked.BitmapUnlockBits(data), 1);

    HICON icon = marked.CreateHICONFromBitmap();
    ASSERT_NE(icon, nullptr);
    Bitmap fromIcon;
    EXPECT_EQ(fromIcon.CreateBitmapFromHICON(icon), 1);
    EXPECT_EQ(fromIcon.GetImageWidth(), 7u);
    DestroyIcon(icon);
}

TEST_F(ImageTest, MemoryStreamHoldsBytesBehindAStream) {
    MemoryStream stream;
    const Bytes bytes = {1, 2, 3, 4};
    ASSERT_NE(stream.LoadBytes(bytes), nullptr);
    EXPECT_EQ(stream.Size(), 4u);
    EXPECT_EQ(stream.ReadBytes(), bytes);

    // A longer length is zero-filled, never read past the buffer.
    ASSERT_NE(stream.LoadBytes(bytes, 6), nullptr);
    EXPECT_EQ(stream.ReadBytes(), (Bytes{1, 2, 3, 4, 0, 0}));
    ASSERT_NE(stream.LoadBytes(bytes, 2), nullptr);
    EXPECT_EQ(stream.ReadBytes(), (Bytes{1, 2}));

    // What is written to an empty stream is what reads back.
    MemoryStream growing;
    IStream* output = growing.LoadBytes(Bytes());
    ASSERT_NE(output, nullptr);
    ULONG written = 0;
    ASSERT_EQ(output->Write("abc", 3, &written), S_OK);
    EXPECT_EQ(growing.ReadBytes(), (Bytes{'a', 'b', 'c'}));

    // An attached stream is shared, not taken: its creator still releases its own reference.
    MemoryStream attached;
    ASSERT_EQ(attached.AttachStream(stream.GetStream()), 1);
    EXPECT_EQ(attached.GetMemory(), stream.GetMemory());
    EXPECT_EQ(attached.ReadBytes(), (Bytes{1, 2}));
    attached.Release();
    attached.Release();
    EXPECT_EQ(attached.GetStream(), nullptr);
    EXPECT_EQ(stream.ReadBytes(), (Bytes{1, 2})) << "the first owner's stream still works";
    EXPECT_EQ(attached.AttachStream(nullptr), 0);

    MemoryStream moved(std::move(stream));
    EXPECT_EQ(stream.GetStream(), nullptr);
    EXPECT_EQ(moved.ReadBytes(), (Bytes{1, 2}));
}

}  // namespace

// Image attributes steer how a picture's pixels reach the surface: a colour key drops the
// keyed pixels, a colour matrix scales the others, and no attributes draw the picture as it is.
TEST_F(ImageTest, ImageAttributesApplyWhileDrawing) {
    Bitmap picture;
    ASSERT_EQ(picture.CreateBlankBitmap(2, 1), 1);
    picture.BitmapSetPixel(0, 0, kRed);
    picture.BitmapSetPixel(1, 0, kBlue);

    ImageAttributes keyed;
    ASSERT_EQ(keyed.CreateImageAttributes(), 1);
    EXPECT_EQ(keyed.SetImageAttributesColorKeys(Gdiplus::ColorAdjustTypeDefault, TRUE, kRed, kRed), 1);
    ImageAttributes halved;
    ASSERT_EQ(halved.CreateImageAttributes(), 1);
    Gdiplus::ColorMatrix half = {{{0.5f, 0, 0, 0, 0}, {0, 0.5f, 0, 0, 0}, {0, 0, 0.5f, 0, 0},
                                  {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};
    EXPECT_EQ(halved.SetImageAttributesColorMatrix(Gdiplus::ColorAdjustTypeDefault, TRUE, &half), 1);

    struct Case {
        const ImageAttributes* attributes;
        ARGB left, right;
    } cases[] = {
        {nullptr, kRed, kBlue},
        {&keyed, kWhite, kBlue},
        {&halved, 0xFF800000, 0xFF000080},
    };
    for (const auto& c : cases) {
        Canvas canvas(2, 1);
        canvas.surface.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        EXPECT_EQ(canvas.surface.DrawImageRectRectI(picture, 0, 0, 2, 1, 0, 0, 2, 1, Gdiplus::UnitPixel,
                                                    c.attributes), 1);
        EXPECT_TRUE(ArgbNear(canvas.Pixel(0, 0), c.left, 3));
        EXPECT_TRUE(ArgbNear(canvas.Pixel(1, 0), c.right, 3));
    }

    EXPECT_EQ(keyed.DisposeImageAttributes(), 1);
    EXPECT_EQ(keyed.DisposeImageAttributes(), 0);
    EXPECT_EQ(keyed.SetImageAttributesWrapMode(Gdiplus::WrapModeClamp), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
}
