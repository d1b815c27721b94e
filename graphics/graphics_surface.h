// Graphics: a GDI+ drawing surface on a device context, a window or an image.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "graphics/gdiplus_object.h"

namespace graphics {

class Brush;
class Font;
class GraphicsPath;
class Image;
class ImageAttributes;
class Pen;
class Region;
class StringFormat;

// Each operation calls the flat function "Gdip" + its name on nativeGraphics unless its comment
// says otherwise. Actions return 1 on success, else 0; getters of one value return it (0 on
// failure); the status of the call is in lastStatus. Wrapper arguments pass their native
// object; an empty wrapper passes null, which GDI+ answers with InvalidParameter (2). Optional
// wrapper arguments are pointers and may be null. Lists pass their length as the count.
class Graphics : public GdiplusObject {
public:
    Graphics() = default;
    // Deletes the native graphics.
    ~Graphics() override;
    Graphics(Graphics&& other) noexcept;
    Graphics& operator=(Graphics&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    virtual void OnNativeChanged(void* handle);
    int DeleteNativeObject() override;

    virtual int DeleteGraphics();
    virtual int Flush(FlushIntention intention = Gdiplus::FlushIntentionFlush);
    // GdipCreateFromHWNDICM when useIcm is non-zero, else GdipCreateFromHWND.
    virtual int CreateFromHWND(HWND window, int useIcm = 0);
    // GdipCreateFromHDC2 (dc, device) when a device is given, else GdipCreateFromHDC (dc).
    // Delete the surface before the device context is released or deleted.
    virtual int CreateFromHDC(HDC dc, std::optional<HANDLE> device = std::nullopt);
    // A surface that draws into `image`.
    virtual int GetImageGraphicsContext(const Image& image);
    virtual HDC GetDC();
    virtual int ReleaseDC(HDC dc);
    virtual int GetRenderingOrigin(int& x, int& y);
    virtual int SetRenderingOrigin(int x, int y);
    virtual CompositingMode GetCompositingMode();
    virtual int SetCompositingMode(CompositingMode mode);
    virtual CompositingQuality GetCompositingQuality();
    virtual int SetCompositingQuality(CompositingQuality quality);
    virtual int SetTextRenderingHint(TextRenderingHint hint);
    virtual TextRenderingHint GetTextRenderingHint();
    virtual int SetTextContrast(UINT contrast);
    virtual UINT GetTextContrast();
    virtual int SetInterpolationMode(InterpolationMode mode);
    virtual InterpolationMode GetInterpolationMode();
    virtual int SetSmoothingMode(SmoothingMode mode);
    virtual SmoothingMode GetSmoothingMode();
    virtual int SetPixelOffsetMode(PixelOffsetMode mode);
    virtual PixelOffsetMode GetPixelOffsetMode();
    virtual int SetWorldTransform(Gdiplus::GpMatrix* matrix);
    // Writes the world transform into `matrix`.
    virtual int GetWorldTransform(Gdiplus::GpMatrix* matrix);
    virtual int ResetWorldTransform();
    virtual int MultiplyWorldTransform(const Gdiplus::GpMatrix* matrix,
                                       MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int TranslateWorldTransform(float dx, float dy,
                                        MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int ScaleWorldTransform(float sx, float sy,
                                    MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Scales about `point`, which keeps its place (translate, scale, translate back).
    virtual int ScaleAt(float sx, float sy, const PointF& point,
                        MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int RotateWorldTransform(float angle, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    // Rotates about `point`, which keeps its place.
    virtual int RotateAt(float angle, const PointF& point,
                         MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    virtual int SetPageUnit(Unit unit);
    virtual Unit GetPageUnit();
    virtual int SetPageScale(float scale);
    virtual float GetPageScale();
    virtual float GetDpiX();
    virtual float GetDpiY();
    virtual int TransformPoints(CoordinateSpace destination, CoordinateSpace source,
                                std::vector<PointF>& points);
    virtual int TransformPointsI(CoordinateSpace destination, CoordinateSpace source,
                                 std::vector<Point>& points);
    // The colour nearest to `color` that the surface can show.
    virtual ARGB GetNearestColor(ARGB color);

    virtual int DrawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    virtual int DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2);
    virtual int DrawLines(const Pen& pen, const std::vector<PointF>& points);
    virtual int DrawLinesI(const Pen& pen, const std::vector<Point>& points);
    virtual int DrawArc(const Pen& pen, float x, float y, float width, float height,
                        float startAngle, float sweepAngle);
    virtual int DrawArcI(const Pen& pen, int x, int y, int width, int height, float startAngle,
                         float sweepAngle);
    virtual int DrawBezier(const Pen& pen, float x1, float y1, float x2, float y2, float x3,
                           float y3, float x4, float y4);
    virtual int DrawBezierI(const Pen& pen, int x1, int y1, int x2, int y2, int x3, int y3,
                            int x4, int y4);
    virtual int DrawBeziers(const Pen& pen, const std::vector<PointF>& points);
    virtual int DrawBeziersI(const Pen& pen, const std::vector<Point>& points);
    virtual int DrawRectangle(const Pen& pen, float x, float y, float width, float height);
    virtual int DrawRectangleI(const Pen& pen, int x, int y, int width, int height);
    virtual int DrawRectangles(const Pen& pen, const std::vector<RectF>& rects);
    virtual int DrawRectanglesI(const Pen& pen, const std::vector<Rect>& rects);
    virtual int DrawEllipse(const Pen& pen, float x, float y, float width, float height);
    virtual int DrawEllipseI(const Pen& pen, int x, int y, int width, int height);
    virtual int DrawPie(const Pen& pen, float x, float y, float width, float height,
                        float startAngle, float sweepAngle);
    virtual int DrawPieI(const Pen& pen, int x, int y, int width, int height, float startAngle,
                         float sweepAngle);
    virtual int DrawPolygon(const Pen& pen, const std::vector<PointF>& points);
    virtual int DrawPolygonI(const Pen& pen, const std::vector<Point>& points);
    virtual int DrawPath(const Pen& pen, const GraphicsPath& path);
    virtual int DrawCurve(const Pen& pen, const std::vector<PointF>& points);
    virtual int DrawCurveI(const Pen& pen, const std::vector<Point>& points);
    virtual int DrawCurve2(const Pen& pen, const std::vector<PointF>& points, float tension);
    virtual int DrawCurve2I(const Pen& pen, const std::vector<Point>& points, float tension);
    virtual int DrawCurve3(const Pen& pen, const std::vector<PointF>& points, int offset,
                           int numberOfSegments, float tension);
    virtual int DrawCurve3I(const Pen& pen, const std::vector<Point>& points, int offset,
                            int numberOfSegments, float tension);
    virtual int DrawClosedCurve(const Pen& pen, const std::vector<PointF>& points);
    virtual int DrawClosedCurveI(const Pen& pen, const std::vector<Point>& points);
    virtual int DrawClosedCurve2(const Pen& pen, const std::vector<PointF>& points, float tension);
    virtual int DrawClosedCurve2I(const Pen& pen, const std::vector<Point>& points,
                                  float tension);

    virtual int GraphicsClear(ARGB color);
    virtual int FillRectangle(const Brush& brush, float x, float y, float width, float height);
    // GdipFillRectangle with the rectangle as a record.
    virtual int FillRectangleF(const Brush& brush, const RectF& rect);
    virtual int FillRectangleI(const Brush& brush, int x, int y, int width, int height);
    virtual int FillRectangles(const Brush& brush, const std::vector<RectF>& rects);
    virtual int FillRectanglesI(const Brush& brush, const std::vector<Rect>& rects);
    virtual int FillPolygon(const Brush& brush, const std::vector<PointF>& points,
                            FillMode fillMode = Gdiplus::FillModeAlternate);
    virtual int FillPolygonI(const Brush& brush, const std::vector<Point>& points,
                             FillMode fillMode = Gdiplus::FillModeAlternate);
    virtual int FillEllipse(const Brush& brush, float x, float y, float width, float height);
    virtual int FillEllipseI(const Brush& brush, int x, int y, int width, int height);
    virtual int FillPie(const Brush& brush, float x, float y, float width, float height,
                        float startAngle, float sweepAngle);
    virtual int FillPieI(const Brush& brush, int x, int y, int width, int height,
                         float startAngle, float sweepAngle);
    virtual int FillPath(const Brush& brush, const GraphicsPath& path);
    virtual int FillClosedCurve(const Brush& brush, const std::vector<PointF>& points);
    virtual int FillClosedCurve2(const Brush& brush, const std::vector<PointF>& points,
                                 float tension, FillMode fillMode = Gdiplus::FillModeAlternate);
    virtual int FillClosedCurveI(const Brush& brush, const std::vector<Point>& points);
    virtual int FillClosedCurve2I(const Brush& brush, const std::vector<Point>& points,
                                  float tension, FillMode fillMode = Gdiplus::FillModeAlternate);
    virtual int FillRegion(const Brush& brush, const Region& region);

    // Text in the ANSI code page (936 here); the W forms take UTF-16 text bytes. A null format
    // draws with GDI+'s default layout.
    virtual int DrawString(const std::string& text, const Font& font, const Brush& brush,
                           const RectF& layout, const StringFormat* format = nullptr);
    virtual int DrawStringW(const Bytes& text, const Font& font, const Brush& brush,
                            const RectF& layout, const StringFormat* format = nullptr);
    // Writes the rectangle the text would occupy into `bounds`.
    virtual int MeasureString(const std::string& text, const Font& font, const RectF& layout,
                              const StringFormat* format, RectF& bounds);
    virtual int MeasureStringW(const Bytes& text, const Font& font, const RectF& layout,
                               const StringFormat* format, RectF& bounds);
    // Measures the format's character ranges into `count` new regions; on success `regions`
    // is replaced by those, else left as it was.
    virtual int MeasureCharacterRanges(const std::string& text, const Font& font,
                                       const RectF& layout, const StringFormat* format,
                                       int count, std::vector<Region>& regions);
    virtual int MeasureCharacterRangesW(const Bytes& text, const Font& font, const RectF& layout,
                                        const StringFormat* format, int count,
                                        std::vector<Region>& regions);
    // One position per character, or one in all with DriverStringOptionsRealizedAdvance (4);
    // fewer positions are refused with InvalidParameter.
    virtual int DrawDriverString(const std::string& text, const Font& font, const Brush& brush,
                                 const std::vector<PointF>& positions,
                                 int flags = Gdiplus::DriverStringOptionsCmapLookup,
                                 const Gdiplus::GpMatrix* matrix = nullptr);
    virtual int DrawDriverStringW(const Bytes& text, const Font& font, const Brush& brush,
                                  const std::vector<PointF>& positions,
                                  int flags = Gdiplus::DriverStringOptionsCmapLookup,
                                  const Gdiplus::GpMatrix* matrix = nullptr);

    virtual int DrawImage(const Image& image, float x, float y);
    virtual int DrawImageI(const Image& image, int x, int y);
    virtual int DrawCachedBitmap(Gdiplus::GpCachedBitmap* cachedBitmap, int x, int y);
    // The whole image scaled into the rectangle (GdipDrawImageRectRect).
    virtual int DrawImageRect(const Image& image, float x, float y, float width, float height,
                              Unit unit = Gdiplus::UnitPixel);
    virtual int DrawImageRectI(const Image& image, int x, int y, int width, int height,
                               Unit unit = Gdiplus::UnitPixel);
    // Three points: upper-left, upper-right and lower-left corner of the destination.
    virtual int DrawImagePoints(const Image& image, const std::vector<PointF>& points);
    virtual int DrawImagePointsI(const Image& image, const std::vector<Point>& points);
    virtual int DrawImagePointRect(const Image& image, float x, float y, float sourceX,
                                   float sourceY, float sourceWidth, float sourceHeight,
                                   Unit sourceUnit = Gdiplus::UnitPixel);
    virtual int DrawImagePointRectI(const Image& image, int x, int y, int sourceX, int sourceY,
                                    int sourceWidth, int sourceHeight,
                                    Unit sourceUnit = Gdiplus::UnitPixel);
    virtual int DrawImageRectRect(const Image& image, float x, float y, float width,
                                  float height, float sourceX, float sourceY, float sourceWidth,
                                  float sourceHeight, Unit sourceUnit = Gdiplus::UnitPixel,
                                  const ImageAttributes* attributes = nullptr);
    virtual int DrawImageRectRectI(const Image& image, int x, int y, int width, int height,
                                   int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                                   Unit sourceUnit = Gdiplus::UnitPixel,
                                   const ImageAttributes* attributes = nullptr);
    virtual int DrawImagePointsRect(const Image& image, const std::vector<PointF>& points,
                                    float sourceX, float sourceY, float sourceWidth,
                                    float sourceHeight, Unit sourceUnit = Gdiplus::UnitPixel,
                                    const ImageAttributes* attributes = nullptr);
    virtual int DrawImagePointsRectI(const Image& image, const std::vector<Point>& points,
                                     int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                                     Unit sourceUnit = Gdiplus::UnitPixel,
                                     const ImageAttributes* attributes = nullptr);

    // Metafile playback: `metafile` is an Image wrapper holding a metafile; `callback` receives
    // each record with `data`.
    virtual int EnumerateMetafileDestPoint(const Image& metafile, const PointF& destination,
                                           Gdiplus::EnumerateMetafileProc callback,
                                           void* data = nullptr,
                                           const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileDestPointI(const Image& metafile, const Point& destination,
                                            Gdiplus::EnumerateMetafileProc callback,
                                            void* data = nullptr,
                                            const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileDestPoints(const Image& metafile,
                                            const std::vector<PointF>& destination,
                                            Gdiplus::EnumerateMetafileProc callback,
                                            void* data = nullptr,
                                            const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileDestPointsI(const Image& metafile,
                                             const std::vector<Point>& destination,
                                             Gdiplus::EnumerateMetafileProc callback,
                                             void* data = nullptr,
                                             const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileDestRect(const Image& metafile, const RectF& destination,
                                          Gdiplus::EnumerateMetafileProc callback,
                                          void* data = nullptr,
                                          const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileDestRectI(const Image& metafile, const Rect& destination,
                                           Gdiplus::EnumerateMetafileProc callback,
                                           void* data = nullptr,
                                           const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileSrcRectDestPoint(
        const Image& metafile, const PointF& destination, const RectF& source, Unit sourceUnit,
        Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
        const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileSrcRectDestPointI(
        const Image& metafile, const Point& destination, const Rect& source, Unit sourceUnit,
        Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
        const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileSrcRectDestPoints(
        const Image& metafile, const std::vector<PointF>& destination, const RectF& source,
        Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
        const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileSrcRectDestPointsI(
        const Image& metafile, const std::vector<Point>& destination, const Rect& source,
        Unit sourceUnit, Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
        const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileSrcRectDestRect(
        const Image& metafile, const RectF& destination, const RectF& source, Unit sourceUnit,
        Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
        const ImageAttributes* attributes = nullptr);
    virtual int EnumerateMetafileSrcRectDestRectI(
        const Image& metafile, const Rect& destination, const Rect& source, Unit sourceUnit,
        Gdiplus::EnumerateMetafileProc callback, void* data = nullptr,
        const ImageAttributes* attributes = nullptr);

    virtual int SetClipGraphics(const Graphics& source,
                                CombineMode mode = Gdiplus::CombineModeReplace);
    virtual int SetClipPath(const GraphicsPath& path,
                            CombineMode mode = Gdiplus::CombineModeReplace);
    virtual int SetClipRect(float x, float y, float width, float height,
                            CombineMode mode = Gdiplus::CombineModeReplace);
    virtual int SetClipRectI(int x, int y, int width, int height,
                             CombineMode mode = Gdiplus::CombineModeReplace);
    virtual int SetClipRegion(const Region& region,
                              CombineMode mode = Gdiplus::CombineModeReplace);
    virtual int SetClipHrgn(HRGN region, CombineMode mode = Gdiplus::CombineModeReplace);
    virtual int ResetClip();
    virtual int TranslateClip(float dx, float dy);
    virtual int TranslateClipI(int dx, int dy);
    // Writes the clip into `region`, which must hold a native region.
    virtual int GetClip(Region& region);
    virtual int GetClipBounds(RectF& bounds);
    virtual int GetClipBoundsI(Rect& bounds);
    virtual int GetVisibleClipBounds(RectF& bounds);
    virtual int GetVisibleClipBoundsI(Rect& bounds);
    virtual int IsClipEmpty();
    virtual int IsVisibleClipEmpty();
    virtual int IsVisiblePoint(float x, float y);
    virtual int IsVisiblePointI(int x, int y);
    virtual int IsVisibleRect(float x, float y, float width, float height);
    virtual int IsVisibleRectI(int x, int y, int width, int height);
    virtual GraphicsState SaveGraphics();
    virtual int RestoreGraphics(GraphicsState state);
    virtual GraphicsContainer BeginContainer(const RectF& destination, const RectF& source,
                                             Unit unit);
    virtual GraphicsContainer BeginContainerI(const Rect& destination, const Rect& source,
                                              Unit unit);
    virtual GraphicsContainer BeginContainer2();
    virtual int EndContainer(GraphicsContainer state);
    // Adds `data` as a comment record (surfaces on metafiles only).
    virtual int Comment(const Bytes& data);

    Gdiplus::GpGraphics* nativeGraphics = nullptr;
};

// The native object of an optional Graphics argument (null for none).
inline Gdiplus::GpGraphics* NativeOf(const Graphics* graphics) {
    return graphics != nullptr ? graphics->nativeGraphics : nullptr;
}

}  // namespace graphics
