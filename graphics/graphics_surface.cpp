// Graphics: a GDI+ drawing surface on a device context, a window or an image.
#include "graphics/graphics_surface.h"

#include "graphics/brush.h"
#include "graphics/flat_call.h"
#include "graphics/font.h"
#include "graphics/graphics_path.h"
#include "graphics/image.h"
#include "graphics/image_attributes.h"
#include "graphics/pen.h"
#include "graphics/region.h"
#include "graphics/string_format.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

Gdiplus::GpMetafile* MetafileOf(const Image& image) {
    return static_cast<Gdiplus::GpMetafile*>(image.nativeImage);
}

const UINT16* Utf16(const std::wstring& text) {
    return reinterpret_cast<const UINT16*>(text.c_str());
}

}  // namespace

Graphics::~Graphics() { DeleteGraphics(); }
Graphics::Graphics(Graphics&& other) noexcept { TakeFrom(other); }
Graphics& Graphics::operator=(Graphics&& other) noexcept { ReplaceWith(other); return *this; }

void Graphics::SetNativeHandle(void* handle) {
    nativeGraphics = static_cast<Gdiplus::GpGraphics*>(handle);
    OnNativeChanged(handle);
}
void Graphics::OnNativeChanged(void*) {}
int Graphics::DeleteNativeObject() { return DeleteGraphics(); }

int Graphics::DeleteGraphics() { return DeleteWith(GdipDeleteGraphics, nativeGraphics); }
int Graphics::Flush(FlushIntention intention) { return Check(GdipFlush(nativeGraphics, intention)); }

int Graphics::CreateFromHWND(HWND window, int useIcm) {
    Gdiplus::GpGraphics* graphics = nullptr;
    const Gdiplus::GpStatus status = useIcm != 0 ? GdipCreateFromHWNDICM(window, &graphics)
                                                 : GdipCreateFromHWND(window, &graphics);
    return Adopt(status, graphics);
}

int Graphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device) {
    Gdiplus::GpGraphics* graphics = nullptr;
    const Gdiplus::GpStatus status = device ? GdipCreateFromHDC2(dc, *device, &graphics)
                                            : GdipCreateFromHDC(dc, &graphics);
    return Adopt(status, graphics);
}

int Graphics::GetImageGraphicsContext(const Image& image) {
    Gdiplus::GpGraphics* graphics = nullptr;
    const Gdiplus::GpStatus status = GdipGetImageGraphicsContext(image.nativeImage, &graphics);
    return Adopt(status, graphics);
}

HDC Graphics::GetDC() { return GetValue<HDC>(GdipGetDC, nativeGraphics); }
int Graphics::ReleaseDC(HDC dc) { return Check(GdipReleaseDC(nativeGraphics, dc)); }
int Graphics::GetRenderingOrigin(int& x, int& y) { return Check(GdipGetRenderingOrigin(nativeGraphics, &x, &y)); }
int Graphics::SetRenderingOrigin(int x, int y) { return Check(GdipSetRenderingOrigin(nativeGraphics, x, y)); }
CompositingMode Graphics::GetCompositingMode() { return GetValue<CompositingMode>(GdipGetCompositingMode, nativeGraphics); }
int Graphics::SetCompositingMode(CompositingMode mode) { return Check(GdipSetCompositingMode(nativeGraphics, mode)); }
CompositingQuality Graphics::GetCompositingQuality() { return GetValue<CompositingQuality>(GdipGetCompositingQuality, nativeGraphics); }
int Graphics::SetCompositingQuality(CompositingQuality quality) { return Check(GdipSetCompositingQuality(nativeGraphics, quality)); }
int Graphics::SetTextRenderingHint(TextRenderingHint hint) { return Check(GdipSetTextRenderingHint(nativeGraphics, hint)); }
TextRenderingHint Graphics::GetTextRenderingHint() { return GetValue<TextRenderingHint>(GdipGetTextRenderingHint, nativeGraphics); }
int Graphics::SetTextContrast(UINT contrast) { return Check(GdipSetTextContrast(nativeGraphics, contrast)); }
UINT Graphics::GetTextContrast() { return GetValue<UINT>(GdipGetTextContrast, nativeGraphics); }
int Graphics::SetInterpolationMode(InterpolationMode mode) { return Check(GdipSetInterpolationMode(nativeGraphics, mode)); }
InterpolationMode Graphics::GetInterpolationMode() { return GetValue<InterpolationMode>(GdipGetInterpolationMode, nativeGraphics); }
int Graphics::SetSmoothingMode(SmoothingMode mode) { return Check(GdipSetSmoothingMode(nativeGraphics, mode)); }
SmoothingMode Graphics::GetSmoothingMode() { return GetValue<SmoothingMode>(GdipGetSmoothingMode, nativeGraphics); }
int Graphics::SetPixelOffsetMode(PixelOffsetMode mode) { return Check(GdipSetPixelOffsetMode(nativeGraphics, mode)); }
PixelOffsetMode Graphics::GetPixelOffsetMode() { return GetValue<PixelOffsetMode>(GdipGetPixelOffsetMode, nativeGraphics); }

int Graphics::SetWorldTransform(Gdiplus::GpMatrix* matrix) { return Check(GdipSetWorldTransform(nativeGraphics, matrix)); }
int Graphics::GetWorldTransform(Gdiplus::GpMatrix* matrix) { return Check(GdipGetWorldTransform(nativeGraphics, matrix)); }
int Graphics::ResetWorldTransform() { return Check(GdipResetWorldTransform(nativeGraphics)); }
int Graphics::MultiplyWorldTransform(const Gdiplus::GpMatrix* matrix, MatrixOrder order) { return Check(GdipMultiplyWorldTransform(nativeGraphics, matrix, order)); }
int Graphics::TranslateWorldTransform(float dx, float dy, MatrixOrder order) { return Check(GdipTranslateWorldTransform(nativeGraphics, dx, dy, order)); }
int Graphics::ScaleWorldTransform(float sx, float sy, MatrixOrder order) { return Check(GdipScaleWorldTransform(nativeGraphics, sx, sy, order)); }

int Graphics::ScaleAt(float sx, float sy, const PointF& point, MatrixOrder order) {
    return TransformAt(
        point, order,
        [&](float dx, float dy) { return GdipTranslateWorldTransform(nativeGraphics, dx, dy, order); },
        [&] { return GdipScaleWorldTransform(nativeGraphics, sx, sy, order); });
}

int Graphics::RotateWorldTransform(float angle, MatrixOrder order) { return Check(GdipRotateWorldTransform(nativeGraphics, angle, order)); }

int Graphics::RotateAt(float angle, const PointF& point, MatrixOrder order) {
    return TransformAt(
        point, order,
        [&](float dx, float dy) { return GdipTranslateWorldTransform(nativeGraphics, dx, dy, order); },
        [&] { return GdipRotateWorldTransform(nativeGraphics, angle, order); });
}

int Graphics::SetPageUnit(Unit unit) { return Check(GdipSetPageUnit(nativeGraphics, unit)); }
Unit Graphics::GetPageUnit() { return GetValue<Unit>(GdipGetPageUnit, nativeGraphics); }
int Graphics::SetPageScale(float scale) { return Check(GdipSetPageScale(nativeGraphics, scale)); }
float Graphics::GetPageScale() { return GetValue<float>(GdipGetPageScale, nativeGraphics); }
float Graphics::GetDpiX() { return GetValue<float>(GdipGetDpiX, nativeGraphics); }
float Graphics::GetDpiY() { return GetValue<float>(GdipGetDpiY, nativeGraphics); }
int Graphics::TransformPoints(CoordinateSpace destination, CoordinateSpace source, std::vector<PointF>& points) { return Check(GdipTransformPoints(nativeGraphics, destination, source, points.data(), Count(points))); }
int Graphics::TransformPointsI(CoordinateSpace destination, CoordinateSpace source, std::vector<Point>& points) { return Check(GdipTransformPointsI(nativeGraphics, destination, source, points.data(), Count(points))); }

ARGB Graphics::GetNearestColor(ARGB color) {
    lastStatus = GdipGetNearestColor(nativeGraphics, &color);
    return lastStatus == Gdiplus::Ok ? color : 0;
}

int Graphics::DrawLine(const Pen& pen, float x1, float y1, float x2, float y2) { return Check(GdipDrawLine(nativeGraphics, pen.nativePen, x1, y1, x2, y2)); }
int Graphics::DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2) { return Check(GdipDrawLineI(nativeGraphics, pen.nativePen, x1, y1, x2, y2)); }
int Graphics::DrawLines(const Pen& pen, const std::vector<PointF>& points) { return Check(GdipDrawLines(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawLinesI(const Pen& pen, const std::vector<Point>& points) { return Check(GdipDrawLinesI(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawArc(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle) { return Check(GdipDrawArc(nativeGraphics, pen.nativePen, x, y, width, height, startAngle, sweepAngle)); }
int Graphics::DrawArcI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) { return Check(GdipDrawArcI(nativeGraphics, pen.nativePen, x, y, width, height, startAngle, sweepAngle)); }
int Graphics::DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) { return Check(GdipDrawBezier(nativeGraphics, pen.nativePen, x1, y1, x2, y2, x3, y3, x4, y4)); }
int Graphics::DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) { return Check(GdipDrawBezierI(nativeGraphics, pen.nativePen, x1, y1, x2, y2, x3, y3, x4, y4)); }
int Graphics::DrawBeziers(const Pen& pen, const std::vector<PointF>& points) { return Check(GdipDrawBeziers(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawBeziersI(const Pen& pen, const std::vector<Point>& points) { return Check(GdipDrawBeziersI(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawRectangle(const Pen& pen, float x, float y, float width, float height) { return Check(GdipDrawRectangle(nativeGraphics, pen.nativePen, x, y, width, height)); }
int Graphics::DrawRectangleI(const Pen& pen, int x, int y, int width, int height) { return Check(GdipDrawRectangleI(nativeGraphics, pen.nativePen, x, y, width, height)); }
int Graphics::DrawRectangles(const Pen& pen, const std::vector<RectF>& rects) { return Check(GdipDrawRectangles(nativeGraphics, pen.nativePen, rects.data(), Count(rects))); }
int Graphics::DrawRectanglesI(const Pen& pen, const std::vector<Rect>& rects) { return Check(GdipDrawRectanglesI(nativeGraphics, pen.nativePen, rects.data(), Count(rects))); }
int Graphics::DrawEllipse(const Pen& pen, float x, float y, float width, float height) { return Check(GdipDrawEllipse(nativeGraphics, pen.nativePen, x, y, width, height)); }
int Graphics::DrawEllipseI(const Pen& pen, int x, int y, int width, int height) { return Check(GdipDrawEllipseI(nativeGraphics, pen.nativePen, x, y, width, height)); }
int Graphics::DrawPie(const Pen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle) { return Check(GdipDrawPie(nativeGraphics, pen.nativePen, x, y, width, height, startAngle, sweepAngle)); }
int Graphics::DrawPieI(const Pen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle) { return Check(GdipDrawPieI(nativeGraphics, pen.nativePen, x, y, width, height, startAngle, sweepAngle)); }
int Graphics::DrawPolygon(const Pen& pen, const std::vector<PointF>& points) { return Check(GdipDrawPolygon(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawPolygonI(const Pen& pen, const std::vector<Point>& points) { return Check(GdipDrawPolygonI(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) { return Check(GdipDrawPath(nativeGraphics, pen.nativePen, path.nativePath)); }
int Graphics::DrawCurve(const Pen& pen, const std::vector<PointF>& points) { return Check(GdipDrawCurve(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawCurveI(const Pen& pen, const std::vector<Point>& points) { return Check(GdipDrawCurveI(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawCurve2(const Pen& pen, const std::vector<PointF>& points, float tension) { return Check(GdipDrawCurve2(nativeGraphics, pen.nativePen, points.data(), Count(points), tension)); }
int Graphics::DrawCurve2I(const Pen& pen, const std::vector<Point>& points, float tension) { return Check(GdipDrawCurve2I(nativeGraphics, pen.nativePen, points.data(), Count(points), tension)); }
int Graphics::DrawCurve3(const Pen& pen, const std::vector<PointF>& points, int offset, int numberOfSegments, float tension) { return Check(GdipDrawCurve3(nativeGraphics, pen.nativePen, points.data(), Count(points), offset, numberOfSegments, tension)); }
int Graphics::DrawCurve3I(const Pen& pen, const std::vector<Point>& points, int offset, int numberOfSegments, float tension) { return Check(GdipDrawCurve3I(nativeGraphics, pen.nativePen, points.data(), Count(points), offset, numberOfSegments, tension)); }
int Graphics::DrawClosedCurve(const Pen& pen, const std::vector<PointF>& points) { return Check(GdipDrawClosedCurve(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawClosedCurveI(const Pen& pen, const std::vector<Point>& points) { return Check(GdipDrawClosedCurveI(nativeGraphics, pen.nativePen, points.data(), Count(points))); }
int Graphics::DrawClosedCurve2(const Pen& pen, const std::vector<PointF>& points, float tension) { return Check(GdipDrawClosedCurve2(nativeGraphics, pen.nativePen, points.data(), Count(points), tension)); }
int Graphics::DrawClosedCurve2I(const Pen& pen, const std::vector<Point>& points, float tension) { return Check(GdipDrawClosedCurve2I(nativeGraphics, pen.nativePen, points.data(), Count(points), tension)); }

int Graphics::GraphicsClear(ARGB color) { return Check(GdipGraphicsClear(nativeGraphics, color)); }
int Graphics::FillRectangle(const Brush& brush, float x, float y, float width, float height) { return Check(GdipFillRectangle(nativeGraphics, brush.nativeBrush, x, y, width, height)); }
int Graphics::FillRectangleF(const Brush& brush, const RectF& rect) { return Check(GdipFillRectangle(nativeGraphics, brush.nativeBrush, rect.X, rect.Y, rect.Width, rect.Height)); }
int Graphics::FillRectangleI(const Brush& brush, int x, int y, int width, int height) { return Check(GdipFillRectangleI(nativeGraphics, brush.nativeBrush, x, y, width, height)); }
int Graphics::FillRectangles(const Brush& brush, const std::vector<RectF>& rects) { return Check(GdipFillRectangles(nativeGraphics, brush.nativeBrush, rects.data(), Count(rects))); }
int Graphics::FillRectanglesI(const Brush& brush, const std::vector<Rect>& rects) { return Check(GdipFillRectanglesI(nativeGraphics, brush.nativeBrush, rects.data(), Count(rects))); }
int Graphics::FillPolygon(const Brush& brush, const std::vector<PointF>& points, FillMode fillMode) { return Check(GdipFillPolygon(nativeGraphics, brush.nativeBrush, points.data(), Count(points), fillMode)); }
int Graphics::FillPolygonI(const Brush& brush, const std::vector<Point>& points, FillMode fillMode) { return Check(GdipFillPolygonI(nativeGraphics, brush.nativeBrush, points.data(), Count(points), fillMode)); }
int Graphics::FillEllipse(const Brush& brush, float x, float y, float width, float height) { return Check(GdipFillEllipse(nativeGraphics, brush.nativeBrush, x, y, width, height)); }
int Graphics::FillEllipseI(const Brush& brush, int x, int y, int width, int height) { return Check(GdipFillEllipseI(nativeGraphics, brush.nativeBrush, x, y, width, height)); }
int Graphics::FillPie(const Brush& brush, float x, float y, float width, float height, float startAngle, float sweepAngle) { return Check(GdipFillPie(nativeGraphics, brush.nativeBrush, x, y, width, height, startAngle, sweepAngle)); }
int Graphics::FillPieI(const Brush& brush, int x, int y, int width, int height, float startAngle, float sweepAngle) { return Check(GdipFillPieI(nativeGraphics, brush.nativeBrush, x, y, width, height, startAngle, sweepAngle)); }
int Graphics::FillPath(const Brush& brush, const GraphicsPath& path) { return Check(GdipFillPath(nativeGraphics, brush.nativeBrush, path.nativePath)); }
int Graphics::FillClosedCurve(const Brush& brush, const std::vector<PointF>& points) { return Check(GdipFillClosedCurve(nativeGraphics, brush.nativeBrush, points.data(), Count(points))); }
int Graphics::FillClosedCurve2(const Brush& brush, const std::vector<PointF>& points, float tension, FillMode fillMode) { return Check(GdipFillClosedCurve2(nativeGraphics, brush.nativeBrush, points.data(), Count(points), tension, fillMode)); }
int Graphics::FillClosedCurveI(const Brush& brush, const std::vector<Point>& points) { return Check(GdipFillClosedCurveI(nativeGraphics, brush.nativeBrush, points.data(), Count(points))); }
int Graphics::FillClosedCurve2I(const Brush& brush, const std::vector<Point>& points, float tension, FillMode fillMode) { return Check(GdipFillClosedCurve2I(nativeGraphics, brush.nativeBrush, points.data(), Count(points), tension, fillMode)); }
int Graphics::FillRegion(const Brush& brush, const Region& region) { return Check(GdipFillRegion(nativeGraphics, brush.nativeBrush, region.nativeRegion)); }

int Graphics::DrawString(const std::string& text, const Font& font, const Brush& brush, const RectF& layout, const StringFormat* format) {
    const std::wstring wide = AnsiToWide(text);
    return Check(GdipDrawString(nativeGraphics, wide.c_str(), static_cast<int>(wide.size()), font.nativeFont, &layout, NativeOf(format), brush.nativeBrush));
}

int Graphics::DrawStringW(const Bytes& text, const Font& font, const Brush& brush, const RectF& layout, const StringFormat* format) {
    const std::wstring wide = BytesToWide(text);
    return Check(GdipDrawString(nativeGraphics, wide.c_str(), static_cast<int>(wide.size()), font.nativeFont, &layout, NativeOf(format), brush.nativeBrush));
}

int Graphics::MeasureString(const std::string& text, const Font& font, const RectF& layout, const StringFormat* format, RectF& bounds) {
    const std::wstring wide = AnsiToWide(text);
    return Check(GdipMeasureString(nativeGraphics, wide.c_str(), static_cast<int>(wide.size()), font.nativeFont, &layout, NativeOf(format), &bounds, nullptr, nullptr));
}

int Graphics::MeasureStringW(const Bytes& text, const Font& font, const RectF& layout, const StringFormat* format, RectF& bounds) {
    const std::wstring wide = BytesToWide(text);
    return Check(GdipMeasureString(nativeGraphics, wide.c_str(), static_cast<int>(wide.size()), font.nativeFont, &layout, NativeOf(format), &bounds, nullptr, nullptr));
}

namespace {

// Creates `count` native regions, measures the format's character ranges into them and, on
// success, hands them to new wrappers in `regions`; on failure deletes them again.
int MeasureRanges(Gdiplus::GpGraphics* graphics, const std::wstring& text, const Font& font,
                  const RectF& layout, const StringFormat* format, int count,
                  std::vector<Region>& regions) {
    if (count < 1) return Check(Gdiplus::InvalidParameter);
    std::vector<Gdiplus::GpRegion*> natives(count, nullptr);
    Gdiplus::GpStatus status = Gdiplus::Ok;
    for (int i = 0; i < count && status == Gdiplus::Ok; ++i) status = GdipCreateRegion(&natives[i]);
    if (status == Gdiplus::Ok) {
        status = GdipMeasureCharacterRanges(graphics, text.c_str(), static_cast<int>(text.size()), font.nativeFont, layout, NativeOf(format), count, natives.data());
    }
    if (status != Gdiplus::Ok) {
        for (Gdiplus::GpRegion* region : natives) {
            if (region != nullptr) GdipDeleteRegion(region);
        }
        return Check(status);
    }
    std::vector<Region> measured(count);
    for (int i = 0; i < count; ++i) measured[i].SetNativeObject(natives[i]);
    regions = std::move(measured);
    return Check(status);
}

// Draws glyphs at given positions; refuses fewer positions than the text needs.
int DrawDriverText(Gdiplus::GpGraphics* graphics, const std::wstring& text, const Font& font,
                   const Brush& brush, const std::vector<PointF>& positions, int flags,
                   const Gdiplus::GpMatrix* matrix) {
    const bool onePosition = (flags & Gdiplus::DriverStringOptionsRealizedAdvance) != 0;
    const size_t needed = onePosition ? 1 : text.size();
    if (positions.size() < needed || positions.empty()) return Check(Gdiplus::InvalidParameter);
    return Check(GdipDrawDriverString(graphics, Utf16(text), static_cast<int>(text.size()), font.nativeFont, brush.nativeBrush, positions.data(), flags, matrix));
}

}  // namespace

int Graphics::MeasureCharacterRanges(const std::string& text, const Font& font, const RectF& layout, const StringFormat* format, int count, std::vector<Region>& regions) { return MeasureRanges(nativeGraphics, AnsiToWide(text), font, layout, format, count, regions); }
int Graphics::MeasureCharacterRangesW(const Bytes& text, const Font& font, const RectF& layout, const StringFormat* format, int count, std::vector<Region>& regions) { return MeasureRanges(nativeGraphics, BytesToWide(text), font, layout, format, count, regions); }
int Graphics::DrawDriverString(const std::string& text, const Font& font, const Brush& brush, const std::vector<PointF>& positions, int flags, const Gdiplus::GpMatrix* matrix) { return DrawDriverText(nativeGraphics, AnsiToWide(text), font, brush, positions, flags, matrix); }
int Graphics::DrawDriverStringW(const Bytes& text, const Font& font, const Brush& brush, const std::vector<PointF>& positions, int flags, const Gdiplus::GpMatrix* matrix) { return DrawDriverText(nativeGraphics, BytesToWide(text), font, brush, positions, flags, matrix); }

int Graphics::DrawImage(const Image& image, float x, float y) { return Check(GdipDrawImage(nativeGraphics, image.nativeImage, x, y)); }
int Graphics::DrawImageI(const Image& image, int x, int y) { return Check(GdipDrawImageI(nativeGraphics, image.nativeImage, x, y)); }
int Graphics::DrawCachedBitmap(Gdiplus::GpCachedBitmap* cachedBitmap, int x, int y) { return Check(GdipDrawCachedBitmap(nativeGraphics, cachedBitmap, x, y)); }

int Graphics::DrawImageRect(const Image& image, float x, float y, float width, float height, Unit unit) {
    UINT imageWidth = 0, imageHeight = 0;
    GdipGetImageWidth(image.nativeImage, &imageWidth);
    GdipGetImageHeight(image.nativeImage, &imageHeight);
    return Check(GdipDrawImageRectRect(nativeGraphics, image.nativeImage, x, y, width, height, 0, 0, static_cast<float>(imageWidth), static_cast<float>(imageHeight), unit, nullptr, nullptr, nullptr));
}

int Graphics::DrawImageRectI(const Image& image, int x, int y, int width, int height, Unit unit) {
    UINT imageWidth = 0, imageHeight = 0;
    GdipGetImageWidth(image.nativeImage, &imageWidth);
    GdipGetImageHeight(image.nativeImage, &imageHeight);
    return Check(GdipDrawImageRectRectI(nativeGraphics, image.nativeImage, x, y, width, height, 0, 0, static_cast<int>(imageWidth), static_cast<int>(imageHeight), unit, nullptr, nullptr, nullptr));
}

int Graphics::DrawImagePoints(const Image& image, const std::vector<PointF>& points) { return Check(GdipDrawImagePoints(nativeGraphics, image.nativeImage, points.data(), Count(points))); }
int Graphics::DrawImagePointsI(const Image& image, const std::vector<Point>& points) { return Check(GdipDrawImagePointsI(nativeGraphics, image.nativeImage, points.data(), Count(points))); }
int Graphics::DrawImagePointRect(const Image& image, float x, float y, float sourceX, float sourceY, float sourceWidth, float sourceHeight, Unit sourceUnit) { return Check(GdipDrawImagePointRect(nativeGraphics, image.nativeImage, x, y, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit)); }
int Graphics::DrawImagePointRectI(const Image& image, int x, int y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, Unit sourceUnit) { return Check(GdipDrawImagePointRectI(nativeGraphics, image.nativeImage, x, y, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit)); }
int Graphics::DrawImageRectRect(const Image& image, float x, float y, float width, float height, float sourceX, float sourceY, float sourceWidth, float sourceHeight, Unit sourceUnit, const ImageAttributes* attributes) { return Check(GdipDrawImageRectRect(nativeGraphics, image.nativeImage, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, NativeOf(attributes), nullptr, nullptr)); }
int Graphics::DrawImageRectRectI(const Image& image, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth, int sourceHeight, Unit sourceUnit, const ImageAttributes* attributes) { return Check(GdipDrawImageRectRectI(nativeGraphics, image.nativeImage, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, NativeOf(attributes), nullptr, nullptr)); }
int Graphics::DrawImagePointsRect(const Image& image, const std::vector<PointF>& points, float sourceX, float sourceY, float sourceWidth, float sourceHeight, Unit sourceUnit, const ImageAttributes* attributes) { return Check(GdipDrawImagePointsRect(nativeGraphics, image.nativeImage, points.data(), Count(points), sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, NativeOf(attributes), nullptr, nullptr)); }
int Graphics::DrawImagePointsRectI(const Image& image, const std::vector<Point>& points, int sourceX, int sourceY, int sourceWidth, int sourceHeight, Unit sourceUnit, const ImageAttributes* attributes) { return Check(GdipDrawImagePointsRectI(nativeGraphics, image.nativeImage, points.data(), Count(points), sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, NativeOf(attributes), nullptr, nullptr)); }

int Graphics::EnumerateMetafileDestPoint(const Image& metafile, const PointF& destination, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileDestPoint(nativeGraphics, MetafileOf(metafile), destination, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileDestPointI(const Image& metafile, const Point& destination, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileDestPointI(nativeGraphics, MetafileOf(metafile), destination, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileDestPoints(const Image& metafile, const std::vector<PointF>& destination, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileDestPoints(nativeGraphics, MetafileOf(metafile), destination.data(), Count(destination), callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileDestPointsI(const Image& metafile, const std::vector<Point>& destination, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileDestPointsI(nativeGraphics, MetafileOf(metafile), destination.data(), Count(destination), callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileDestRect(const Image& metafile, const RectF& destination, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileDestRect(nativeGraphics, MetafileOf(metafile), destination, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileDestRectI(const Image& metafile, const Rect& destination, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileDestRectI(nativeGraphics, MetafileOf(metafile), destination, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileSrcRectDestPoint(const Image& metafile, const PointF& destination, const RectF& source, Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileSrcRectDestPoint(nativeGraphics, MetafileOf(metafile), destination, source, sourceUnit, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileSrcRectDestPointI(const Image& metafile, const Point& destination, const Rect& source, Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileSrcRectDestPointI(nativeGraphics, MetafileOf(metafile), destination, source, sourceUnit, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileSrcRectDestPoints(const Image& metafile, const std::vector<PointF>& destination, const RectF& source, Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileSrcRectDestPoints(nativeGraphics, MetafileOf(metafile), destination.data(), Count(destination), source, sourceUnit, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileSrcRectDestPointsI(const Image& metafile, const std::vector<Point>& destination, const Rect& source, Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileSrcRectDestPointsI(nativeGraphics, MetafileOf(metafile), destination.data(), Count(destination), source, sourceUnit, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileSrcRectDestRect(const Image& metafile, const RectF& destination, const RectF& source, Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileSrcRectDestRect(nativeGraphics, MetafileOf(metafile), destination, source, sourceUnit, callback, data, NativeOf(attributes))); }
int Graphics::EnumerateMetafileSrcRectDestRectI(const Image& metafile, const Rect& destination, const Rect& source, Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback, void* data, const ImageAttributes* attributes) { return Check(GdipEnumerateMetafileSrcRectDestRectI(nativeGraphics, MetafileOf(metafile), destination, source, sourceUnit, callback, data, NativeOf(attributes))); }

int Graphics::SetClipGraphics(const Graphics& source, CombineMode mode) { return Check(GdipSetClipGraphics(nativeGraphics, source.nativeGraphics, mode)); }
int Graphics::SetClipPath(const GraphicsPath& path, CombineMode mode) { return Check(GdipSetClipPath(nativeGraphics, path.nativePath, mode)); }
int Graphics::SetClipRect(float x, float y, float width, float height, CombineMode mode) { return Check(GdipSetClipRect(nativeGraphics, x, y, width, height, mode)); }
int Graphics::SetClipRectI(int x, int y, int width, int height, CombineMode mode) { return Check(GdipSetClipRectI(nativeGraphics, x, y, width, height, mode)); }
int Graphics::SetClipRegion(const Region& region, CombineMode mode) { return Check(GdipSetClipRegion(nativeGraphics, region.nativeRegion, mode)); }
int Graphics::SetClipHrgn(HRGN region, CombineMode mode) { return Check(GdipSetClipHrgn(nativeGraphics, region, mode)); }
int Graphics::ResetClip() { return Check(GdipResetClip(nativeGraphics)); }
int Graphics::TranslateClip(float dx, float dy) { return Check(GdipTranslateClip(nativeGraphics, dx, dy)); }
int Graphics::TranslateClipI(int dx, int dy) { return Check(GdipTranslateClipI(nativeGraphics, dx, dy)); }
int Graphics::GetClip(Region& region) { return Check(GdipGetClip(nativeGraphics, region.nativeRegion)); }
int Graphics::GetClipBounds(RectF& bounds) { return Check(GdipGetClipBounds(nativeGraphics, &bounds)); }
int Graphics::GetClipBoundsI(Rect& bounds) { return Check(GdipGetClipBoundsI(nativeGraphics, &bounds)); }
int Graphics::GetVisibleClipBounds(RectF& bounds) { return Check(GdipGetVisibleClipBounds(nativeGraphics, &bounds)); }
int Graphics::GetVisibleClipBoundsI(Rect& bounds) { return Check(GdipGetVisibleClipBoundsI(nativeGraphics, &bounds)); }
int Graphics::IsClipEmpty() { return GetValue<BOOL>(GdipIsClipEmpty, nativeGraphics); }
int Graphics::IsVisibleClipEmpty() { return GetValue<BOOL>(GdipIsVisibleClipEmpty, nativeGraphics); }
int Graphics::IsVisiblePoint(float x, float y) { return GetValue<BOOL>(GdipIsVisiblePoint, nativeGraphics, x, y); }
int Graphics::IsVisiblePointI(int x, int y) { return GetValue<BOOL>(GdipIsVisiblePointI, nativeGraphics, x, y); }
int Graphics::IsVisibleRect(float x, float y, float width, float height) { return GetValue<BOOL>(GdipIsVisibleRect, nativeGraphics, x, y, width, height); }
int Graphics::IsVisibleRectI(int x, int y, int width, int height) { return GetValue<BOOL>(GdipIsVisibleRectI, nativeGraphics, x, y, width, height); }
GraphicsState Graphics::SaveGraphics() { return GetValue<GraphicsState>(GdipSaveGraphics, nativeGraphics); }
int Graphics::RestoreGraphics(GraphicsState state) { return Check(GdipRestoreGraphics(nativeGraphics, state)); }
GraphicsContainer Graphics::BeginContainer(const RectF& destination, const RectF& source, Unit unit) { return GetValue<GraphicsContainer>(GdipBeginContainer, nativeGraphics, &destination, &source, unit); }
GraphicsContainer Graphics::BeginContainerI(const Rect& destination, const Rect& source, Unit unit) { return GetValue<GraphicsContainer>(GdipBeginContainerI, nativeGraphics, &destination, &source, unit); }
GraphicsContainer Graphics::BeginContainer2() { return GetValue<GraphicsContainer>(GdipBeginContainer2, nativeGraphics); }
int Graphics::EndContainer(GraphicsContainer state) { return Check(GdipEndContainer(nativeGraphics, state)); }
int Graphics::Comment(const Bytes& data) { return Check(GdipComment(nativeGraphics, static_cast<UINT>(data.size()), data.data())); }

}  // namespace graphics
