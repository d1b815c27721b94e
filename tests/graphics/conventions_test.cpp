// The wrapper conventions: empty wrappers, create and delete operations, getters, lastStatus.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "tests/support/gdi_headroom.h"
#include "tests/support/gdiplus_session.h"

namespace {

using namespace graphics;

constexpr int kOk = 0;
constexpr int kInvalidParameter = 2;

class Conventions : public testing::Test {
protected:
    qtest::GdiplusSession session;
};

// An operation on empty wrappers passes null handles: GDI+ refuses without drawing.
TEST_F(Conventions, EmptyWrappersAnswerInvalidParameter) {
    Bitmap target;
    ASSERT_EQ(target.CreateBlankBitmap(8, 8), 1);
    Graphics surface;
    ASSERT_EQ(surface.GetImageGraphicsContext(target), 1);
    Graphics emptySurface;
    Pen emptyPen;
    SolidBrush emptyBrush;
    GraphicsPath emptyPath;
    Image emptyImage;
    Font emptyFont;
    Pen pen;
    ASSERT_EQ(pen.CreatePen1(0xFFFF0000, 3), 1);
    SolidBrush brush;
    ASSERT_EQ(brush.CreateSolidFill(0xFFFF0000), 1);

    const std::vector<std::pair<std::string, std::function<int()>>> calls = {
        {"DrawLine on an empty surface", [&] { return emptySurface.DrawLine(pen, 0, 0, 8, 8); }},
        {"DrawLine with an empty pen", [&] { return surface.DrawLine(emptyPen, 0, 0, 8, 8); }},
        {"FillRectangle with an empty brush", [&] { return surface.FillRectangle(emptyBrush, 0, 0, 8, 8); }},
        {"FillPath with an empty path", [&] { return surface.FillPath(brush, emptyPath); }},
        {"DrawImage of an empty image", [&] { return surface.DrawImage(emptyImage, 0, 0); }},
        {"DrawString with an empty font", [&] { return surface.DrawString("x", emptyFont, brush, RectF(0, 0, 8, 8)); }},
        {"SetPenWidth on an empty pen", [&] { return emptyPen.SetPenWidth(2); }},
        {"AddPathLine on an empty path", [&] { return emptyPath.AddPathLine(0, 0, 1, 1); }},
    };
    for (const auto& call : calls) {
        lastStatus = kOk;
        EXPECT_EQ(call.second(), 0) << call.first;
        EXPECT_EQ(lastStatus, kInvalidParameter) << call.first;
    }
    EXPECT_EQ(target.BitmapGetPixel(4, 4), 0u) << "nothing was drawn";
}

// Getters of one value answer the value, or 0 with the status of the failed call.
TEST_F(Conventions, SingleValueGettersAnswerTheValueOrZero) {
    Pen pen;
    ASSERT_EQ(pen.CreatePen1(0x80102030, 2.5f), 1);
    EXPECT_FLOAT_EQ(pen.GetPenWidth(), 2.5f);
    EXPECT_EQ(pen.GetPenColor(), 0x80102030u);
    EXPECT_EQ(lastStatus, kOk);
    Pen empty;
    EXPECT_FLOAT_EQ(empty.GetPenWidth(), 0.0f);
    EXPECT_EQ(lastStatus, kInvalidParameter);
}

// Deleting an empty wrapper makes no call; after a create the first delete succeeds, the
// second answers 0 without a call.
TEST_F(Conventions, DeletingTwiceIsHarmless) {
    struct Case {
        const char* name;
        std::function<int()> create;
        std::function<int()> remove;
        std::function<void*()> handle;
    };
    Bitmap canvas;
    ASSERT_EQ(canvas.CreateBlankBitmap(4, 4), 1);
    Graphics surface;
    Bitmap bitmap;
    Pen pen;
    SolidBrush brush;
    GraphicsPath path;
    Region region;
    FontFamily family;
    Font font;
    StringFormat format;
    const std::vector<Case> cases = {
        {"Bitmap", [&] { return bitmap.CreateBlankBitmap(4, 4); }, [&] { return bitmap.DisposeImage(); }, [&] { return bitmap.GetNativeObject(); }},
        {"Graphics", [&] { return surface.GetImageGraphicsContext(canvas); }, [&] { return surface.DeleteGraphics(); }, [&] { return surface.GetNativeObject(); }},
        {"Pen", [&] { return pen.CreatePen1(0xFF000000, 1); }, [&] { return pen.DeletePen(); }, [&] { return pen.GetNativeObject(); }},
        {"SolidBrush", [&] { return brush.CreateSolidFill(0xFF000000); }, [&] { return brush.DeleteBrush(); }, [&] { return brush.GetNativeObject(); }},
        {"GraphicsPath", [&] { return path.CreatePath(); }, [&] { return path.DeletePath(); }, [&] { return path.GetNativeObject(); }},
        {"Region", [&] { return region.CreateRegion(); }, [&] { return region.DeleteRegion(); }, [&] { return region.GetNativeObject(); }},
        {"FontFamily", [&] { return family.CreateFontFamilyFromName("宋体"); }, [&] { return family.DeleteFontFamily(); }, [&] { return family.GetNativeObject(); }},
        {"Font", [&] { return font.CreateFontByName("宋体", 10); }, [&] { return font.DeleteFont(); }, [&] { return font.GetNativeObject(); }},
        {"StringFormat", [&] { return format.CreateStringFormat(); }, [&] { return format.DeleteStringFormat(); }, [&] { return format.GetNativeObject(); }},
    };
    for (const Case& c : cases) {
        lastStatus = 77;
        EXPECT_EQ(c.remove(), 0) << c.name << " empty";
        EXPECT_EQ(lastStatus, 77) << c.name << ": no call on an empty wrapper";
        ASSERT_EQ(c.create(), 1) << c.name;
        EXPECT_NE(c.handle(), nullptr) << c.name;
        EXPECT_EQ(c.remove(), 1) << c.name;
        EXPECT_EQ(c.handle(), nullptr) << c.name;
        lastStatus = 77;
        EXPECT_EQ(c.remove(), 0) << c.name << " twice";
        EXPECT_EQ(lastStatus, 77) << c.name;
    }
}

// A create operation fills every handle field of the wrapper with the new object.
TEST_F(Conventions, CreateFillsEveryHandleField) {
    Bitmap bitmap;
    ASSERT_EQ(bitmap.CreateBlankBitmap(4, 4), 1);
    EXPECT_EQ(bitmap.nativeObject, static_cast<void*>(bitmap.nativeImage));
    EXPECT_EQ(static_cast<Gdiplus::GpImage*>(bitmap.nativeBitmap), bitmap.nativeImage);

    LinearGradientBrush line;
    ASSERT_EQ(line.CreateLineBrush(PointF(0, 0), PointF(10, 0), 0xFF000000, 0xFFFFFFFF), 1);
    EXPECT_EQ(line.nativeObject, static_cast<void*>(line.nativeBrush));
    EXPECT_EQ(line.nativeConcreteBrush, line.nativeBrush);

    Graphics surface;
    ASSERT_EQ(surface.GetImageGraphicsContext(bitmap), 1);
    EXPECT_EQ(surface.nativeObject, static_cast<void*>(surface.nativeGraphics));

    // SetNativeObject(0) empties every field again.
    line.SetNativeObject(nullptr);
    EXPECT_EQ(line.nativeBrush, nullptr);
    EXPECT_EQ(line.nativeConcreteBrush, nullptr);
    line.SetNativeObject(nullptr);
}

// A failed create leaves the wrapper empty with the refusal in lastStatus.
TEST_F(Conventions, FailedCreateLeavesTheWrapperEmpty) {
    Bitmap bitmap;
    EXPECT_EQ(bitmap.CreateBlankBitmap(0, 10), 0);
    EXPECT_EQ(lastStatus, kInvalidParameter);
    EXPECT_EQ(bitmap.nativeObject, nullptr);
    EXPECT_EQ(bitmap.nativeBitmap, nullptr);
    EXPECT_EQ(bitmap.GetImageWidth(), 0u);
}

// Moving hands the native object over: the source is empty and only one owner deletes it.
TEST_F(Conventions, MovingHandsTheObjectOver) {
    Pen first;
    ASSERT_EQ(first.CreatePen1(0xFF112233, 4), 1);
    Gdiplus::GpPen* native = first.nativePen;
    Pen second(std::move(first));
    EXPECT_EQ(first.nativePen, nullptr);
    EXPECT_EQ(second.nativePen, native);
    EXPECT_FLOAT_EQ(second.GetPenWidth(), 4);

    std::vector<Pen> pens;
    pens.push_back(std::move(second));
    pens.emplace_back();
    pens.back().CreatePen1(0xFF000000, 1);
    pens.resize(8);
    EXPECT_EQ(pens[0].nativePen, native);
    EXPECT_EQ(pens[0].GetPenColor(), 0xFF112233u);
}

// Paints the way the engine does, many times over: no GDI handle may be left behind.
TEST_F(Conventions, RepeatedPaintsLeaveNoGdiHandlesBehind) {
    Bitmap picture;
    ASSERT_EQ(picture.CreateBlankBitmap(16, 8), 1);
    const Bytes png = picture.SaveImageToBytes(std::string(IMAGE_FORMAT_PNG));
    auto paint = [&] {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP target = CreateCompatibleBitmap(screen, 32, 32);
        HGDIOBJ previous = SelectObject(memory, target);
        {
            Graphics surface;
            surface.CreateFromHDC(memory);
            surface.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
            Font font;
            font.CreateFontFromHFONT(memory, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
            Font gui;
            gui.CreateDefaultGuiFont();
            SolidBrush brush;
            brush.CreateSolidFill(0xFF336699);
            GraphicsPath path;
            path.CreatePath();
            path.AddRoundedRectangle(1, 1, 30, 30, 20);
            surface.FillPath(brush, path);
            surface.DrawString("文字", font, brush, RectF(0, 0, 32, 32));
            Bitmap glyph, turned;
            glyph.CreateBitmapFromBytes(png);
            glyph.RotateBitmap(30, turned);
            surface.DrawImageRect(turned, 0, 0, 16, 16);
            Region region;
            region.CreateRegionPath(path);
            DeleteObject(region.GetRegionHRgn(&surface));
            DeleteObject(glyph.CreateHBITMAPFromBitmap(0));
        }
        SelectObject(memory, previous);
        DeleteObject(target);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    };
    paint();  // first use may create lasting caches
    const int before = qtest::MeasureGdiHeadroom();
    for (int i = 0; i < 200; ++i) paint();
    EXPECT_LE(before - qtest::MeasureGdiHeadroom(), 5);
}

}  // namespace
