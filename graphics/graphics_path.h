// GraphicsPath: a GDI+ path of figures built from lines, curves, shapes and text.
#pragma once
#include <string>
#include <vector>

#include "graphics/gdiplus_object.h"

namespace graphics {

class FontFamily;
class Graphics;
class Pen;
class StringFormat;

// The points of a path with their GDI+ point types, one type per point.
struct PathData {
    int count = 0;
    std::vector<PointF> points;
    std::vector<BYTE> types;
};

// Each operation calls "Gdip" + its name on nativePath, under the conventions of Graphics.
// Lists pass their length as the count.
class GraphicsPath : public GdiplusObject {
public:
    GraphicsPath() = default;
    // Deletes the native path.
    ~GraphicsPath() override;
    GraphicsPath(GraphicsPath&& other) noexcept;
    GraphicsPath& operator=(GraphicsPath&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    int DeleteNativeObject() override;

    virtual int DeletePath();
    virtual int CreatePath(FillMode fillMode = Gdiplus::FillModeAlternate);
    // A path of `points` with one type per point; fewer types than points are refused.
    virtual int CreatePath2(const std::vector<PointF>& points, const std::vector<BYTE>& types,
                            FillMode fillMode = Gdiplus::FillModeAlternate);
    virtual int CreatePath2I(const std::vector<Point>& points, const std::vector<BYTE>& types,
                             FillMode fillMode = Gdiplus::FillModeAlternate);
    // Puts a new native copy of this path into `target`.
    virtual int ClonePath(GraphicsPath& target);
    virtual int ResetPath();
    virtual FillMode GetPathFillMode();
    virtual int SetPathFillMode(FillMode fillMode);
    // Replaces `data` by the path's points and types (count from GdipGetPointCount first).
    virtual int GetPathData(PathData& data);
    virtual int GetPathTypes(std::vector<BYTE>& types);
    virtual int GetPathPoints(std::vector<PointF>& points);
    virtual int GetPathPointsI(std::vector<Point>& points);
    virtual int StartPathFigure();
    virtual int ClosePathFigure();
    virtual int ClosePathFigures();
    virtual int SetPathMarker();
    virtual int ClearPathMarkers();
    virtual int ReversePath();
    virtual int GetPathLastPoint(PointF& point);
    virtual int AddPathLine(float x1, float y1, float x2, float y2);
    virtual int AddPathLineI(int x1, int y1, int x2, int y2);
    virtual int AddPathLine2(const std::vector<PointF>& points);
    virtual int AddPathLine2I(const std::vector<Point>& points);
    virtual int AddPathArc(float x, float y, float width, float height, float startAngle,
                           float sweepAngle);
    virtual int AddPathArcI(int x, int y, int width, int height, float startAngle,
                            float sweepAngle);
    virtual int AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3,
                              float x4, float y4);
    virtual int AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    virtual int AddPathBeziers(const std::vector<PointF>& points);
    virtual int AddPathBeziersI(const std::vector<Point>& points);
    virtual int AddPathCurve(const std::vector<PointF>& points);
    virtual int AddPathCurve2(const std::vector<PointF>& points, float tension);
    virtual int AddPathCurve3(const std::vector<PointF>& points, int offset,
                              int numberOfSegments, float tension);
    virtual int AddPathCurveI(const std::vector<Point>& points);
    virtual int AddPathCurve2I(const std::vector<Point>& points, float tension);
    virtual int AddPathCurve3I(const std::vector<Point>& points, int offset,
                               int numberOfSegments, float tension);
    virtual int AddPathClosedCurve(const std::vector<PointF>& points);
    virtual int AddPathClosedCurve2(const std::vector<PointF>& points, float tension);
    virtual int AddPathClosedCurveI(const std::vector<Point>& points);
    virtual int AddPathClosedCurve2I(const std::vector<Point>& points, float tension);
    virtual int AddPathRectangle(float x, float y, float width, float height);
    // A closed figure of four quarter arcs joined by lines. The corner ellipses are `percent`
    // of the width and of the height (clamped to 1..100; 100 makes one ellipse). Returns the
    // status of closing the figure.
    virtual int AddRoundedRectangle(float x, float y, float width, float height, int percent);
    virtual int AddPathRectangles(const std::vector<RectF>& rects);
    virtual int AddPathRectangleI(int x, int y, int width, int height);
    virtual int AddPathRectanglesI(const std::vector<Rect>& rects);
    virtual int AddPathEllipse(float x, float y, float width, float height);
    virtual int AddPathEllipseI(int x, int y, int width, int height);
    virtual int AddPathPie(float x, float y, float width, float height, float startAngle,
                           float sweepAngle);
    virtual int AddPathPieI(int x, int y, int width, int height, float startAngle,
                            float sweepAngle);
    virtual int AddPathPolygon(const std::vector<PointF>& points);
    virtual int AddPathPolygonI(const std::vector<Point>& points);
    virtual int AddPathPath(const GraphicsPath& path, BOOL connect);
    // Text outlines: text in the ANSI code page (936 here), or UTF-16 bytes in the W forms.
    // Without a format the text is laid out with a default one.
    virtual int AddPathString(const std::string& text, const FontFamily& family, int emSize,
                              const RectF& layout, int style,
                              const StringFormat* format = nullptr);
    virtual int AddPathStringW(const Bytes& text, const FontFamily& family, int emSize,
                               const RectF& layout, int style,
                               const StringFormat* format = nullptr);
    virtual int AddPathStringI(const std::string& text, const FontFamily& family, int emSize,
                               const Rect& layout, int style,
                               const StringFormat* format = nullptr);
    virtual int AddPathStringIW(const Bytes& text, const FontFamily& family, int emSize,
                                const Rect& layout, int style,
                                const StringFormat* format = nullptr);
    virtual int TransformPath(Gdiplus::GpMatrix* matrix);
    virtual int GetPathWorldBounds(RectF& bounds, const Gdiplus::GpMatrix* matrix = nullptr,
                                   const Pen* pen = nullptr);
    virtual int GetPathWorldBoundsI(Rect& bounds, const Gdiplus::GpMatrix* matrix = nullptr,
                                    const Pen* pen = nullptr);
    virtual int FlattenPath(Gdiplus::GpMatrix* matrix = nullptr, float flatness = 0.25f);
    virtual int WidenPath(const Pen& pen, Gdiplus::GpMatrix* matrix = nullptr,
                          float flatness = 0.25f);
    virtual int WindingModeOutline(Gdiplus::GpMatrix* matrix = nullptr, float flatness = 0.25f);
    // Maps the source rectangle onto the quadrilateral (or parallelogram) of `points`.
    virtual int WarpPath(Gdiplus::GpMatrix* matrix, const std::vector<PointF>& points,
                         float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                         WarpMode mode = Gdiplus::WarpModePerspective, float flatness = 0.25f);
    virtual int GetPointCount();
    virtual int IsVisiblePathPoint(float x, float y, const Graphics* graphics = nullptr);
    virtual int IsVisiblePathPointI(int x, int y, const Graphics* graphics = nullptr);
    virtual int IsOutlineVisiblePathPoint(float x, float y, const Pen& pen,
                                          const Graphics* graphics = nullptr);
    virtual int IsOutlineVisiblePathPointI(int x, int y, const Pen& pen,
                                           const Graphics* graphics = nullptr);

    Gdiplus::GpPath* nativePath = nullptr;
};

}  // namespace graphics
