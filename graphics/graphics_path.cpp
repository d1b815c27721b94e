// GraphicsPath: a GDI+ path of figures built from lines, curves, shapes and text.
#include "graphics/graphics_path.h"

#include <cmath>

#include "graphics/flat_call.h"
#include "graphics/font_family.h"
#include "graphics/graphics_surface.h"
#include "graphics/pen.h"
#include "graphics/string_format.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

// Laid out as GDI+'s PathData record, with arrays the caller owns.
struct RawPathData {
    INT count;
    PointF* points;
    BYTE* types;
};

// Sizes `values` by the path's point count, then fills it with `function`.
template <class Value, class Function>
int ReadPathArray(Gdiplus::GpPath* path, Function function, std::vector<Value>& values) {
    const int count = GetValue<INT>(GdipGetPointCount, path);
    if (lastStatus != Gdiplus::Ok) return 0;
    std::vector<Value> read(count > 0 ? count : 0);
    if (count > 0 && !Check(function(path, read.data(), count))) return 0;
    values = std::move(read);
    return 1;
}

// A layout to pass for `format`: its own, or a default one held until the call is done,
// since not every gdiplus.dll accepts a null format when adding text to a path.
class LayoutFormat {
public:
    explicit LayoutFormat(const StringFormat* format) : given_(NativeOf(format)) {
        if (given_ == nullptr) GdipCreateStringFormat(0, LANG_NEUTRAL, &own_);
    }
    ~LayoutFormat() {
        if (own_ != nullptr) GdipDeleteStringFormat(own_);
    }
    LayoutFormat(const LayoutFormat&) = delete;
    LayoutFormat& operator=(const LayoutFormat&) = delete;
    const Gdiplus::GpStringFormat* get() const { return given_ != nullptr ? given_ : own_; }

private:
    Gdiplus::GpStringFormat* given_;
    Gdiplus::GpStringFormat* own_ = nullptr;
};

int AddText(Gdiplus::GpPath* path, const std::wstring& text, const FontFamily& family, int emSize,
            const RectF& layout, int style, const StringFormat* format) {
    const LayoutFormat layoutFormat(format);
    return Check(GdipAddPathString(path, text.c_str(), static_cast<int>(text.size()), family.nativeFamily, style, static_cast<float>(emSize), &layout, layoutFormat.get()));
}

int AddTextI(Gdiplus::GpPath* path, const std::wstring& text, const FontFamily& family, int emSize,
             const Rect& layout, int style, const StringFormat* format) {
    const LayoutFormat layoutFormat(format);
    return Check(GdipAddPathStringI(path, text.c_str(), static_cast<int>(text.size()), family.nativeFamily, style, static_cast<float>(emSize), &layout, layoutFormat.get()));
}

}  // namespace

GraphicsPath::~GraphicsPath() { DeletePath(); }
GraphicsPath::GraphicsPath(GraphicsPath&& other) noexcept { TakeFrom(other); }
GraphicsPath& GraphicsPath::operator=(GraphicsPath&& other) noexcept { ReplaceWith(other); return *this; }

void GraphicsPath::SetNativeHandle(void* handle) { nativePath = static_cast<Gdiplus::GpPath*>(handle); }
int GraphicsPath::DeleteNativeObject() { return DeletePath(); }

int GraphicsPath::DeletePath() { return DeleteWith(GdipDeletePath, nativePath); }

int GraphicsPath::CreatePath(FillMode fillMode) {
    Gdiplus::GpPath* path = nullptr;
    const Gdiplus::GpStatus status = GdipCreatePath(fillMode, &path);
    return Adopt(status, path);
}

int GraphicsPath::CreatePath2(const std::vector<PointF>& points, const std::vector<BYTE>& types, FillMode fillMode) {
    if (types.size() < points.size()) return Check(Gdiplus::InvalidParameter);
    Gdiplus::GpPath* path = nullptr;
    const Gdiplus::GpStatus status = GdipCreatePath2(points.data(), types.data(), Count(points), fillMode, &path);
    return Adopt(status, path);
}

int GraphicsPath::CreatePath2I(const std::vector<Point>& points, const std::vector<BYTE>& types, FillMode fillMode) {
    if (types.size() < points.size()) return Check(Gdiplus::InvalidParameter);
    Gdiplus::GpPath* path = nullptr;
    const Gdiplus::GpStatus status = GdipCreatePath2I(points.data(), types.data(), Count(points), fillMode, &path);
    return Adopt(status, path);
}

int GraphicsPath::ClonePath(GraphicsPath& target) {
    Gdiplus::GpPath* path = nullptr;
    const Gdiplus::GpStatus status = GdipClonePath(nativePath, &path);
    return target.Adopt(status, path);
}

int GraphicsPath::ResetPath() { return Check(GdipResetPath(nativePath)); }
FillMode GraphicsPath::GetPathFillMode() { return GetValue<FillMode>(GdipGetPathFillMode, nativePath); }
int GraphicsPath::SetPathFillMode(FillMode fillMode) { return Check(GdipSetPathFillMode(nativePath, fillMode)); }

int GraphicsPath::GetPathData(PathData& data) {
    const int count = GetValue<INT>(GdipGetPointCount, nativePath);
    if (lastStatus != Gdiplus::Ok) return 0;
    PathData read;
    read.count = count > 0 ? count : 0;
    read.points.resize(read.count);
    read.types.resize(read.count);
    RawPathData raw = {read.count, read.points.data(), read.types.data()};
    if (read.count > 0 && !Check(GdipGetPathData(nativePath, reinterpret_cast<Gdiplus::GpPathData*>(&raw)))) return 0;
    data = std::move(read);
    return 1;
}

int GraphicsPath::GetPathTypes(std::vector<BYTE>& types) { return ReadPathArray(nativePath, GdipGetPathTypes, types); }
int GraphicsPath::GetPathPoints(std::vector<PointF>& points) { return ReadPathArray(nativePath, GdipGetPathPoints, points); }
int GraphicsPath::GetPathPointsI(std::vector<Point>& points) { return ReadPathArray(nativePath, GdipGetPathPointsI, points); }
int GraphicsPath::StartPathFigure() { return Check(GdipStartPathFigure(nativePath)); }
int GraphicsPath::ClosePathFigure() { return Check(GdipClosePathFigure(nativePath)); }
int GraphicsPath::ClosePathFigures() { return Check(GdipClosePathFigures(nativePath)); }
int GraphicsPath::SetPathMarker() { return Check(GdipSetPathMarker(nativePath)); }
int GraphicsPath::ClearPathMarkers() { return Check(GdipClearPathMarkers(nativePath)); }
int GraphicsPath::ReversePath() { return Check(GdipReversePath(nativePath)); }
int GraphicsPath::GetPathLastPoint(PointF& point) { return Check(GdipGetPathLastPoint(nativePath, &point)); }
int GraphicsPath::AddPathLine(float x1, float y1, float x2, float y2) { return Check(GdipAddPathLine(nativePath, x1, y1, x2, y2)); }
int GraphicsPath::AddPathLineI(int x1, int y1, int x2, int y2) { return Check(GdipAddPathLineI(nativePath, x1, y1, x2, y2)); }
int GraphicsPath::AddPathLine2(const std::vector<PointF>& points) { return Check(GdipAddPathLine2(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathLine2I(const std::vector<Point>& points) { return Check(GdipAddPathLine2I(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle) { return Check(GdipAddPathArc(nativePath, x, y, width, height, startAngle, sweepAngle)); }
int GraphicsPath::AddPathArcI(int x, int y, int width, int height, float startAngle, float sweepAngle) { return Check(GdipAddPathArcI(nativePath, x, y, width, height, startAngle, sweepAngle)); }
int GraphicsPath::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) { return Check(GdipAddPathBezier(nativePath, x1, y1, x2, y2, x3, y3, x4, y4)); }
int GraphicsPath::AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) { return Check(GdipAddPathBezierI(nativePath, x1, y1, x2, y2, x3, y3, x4, y4)); }
int GraphicsPath::AddPathBeziers(const std::vector<PointF>& points) { return Check(GdipAddPathBeziers(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathBeziersI(const std::vector<Point>& points) { return Check(GdipAddPathBeziersI(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathCurve(const std::vector<PointF>& points) { return Check(GdipAddPathCurve(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathCurve2(const std::vector<PointF>& points, float tension) { return Check(GdipAddPathCurve2(nativePath, points.data(), Count(points), tension)); }
int GraphicsPath::AddPathCurve3(const std::vector<PointF>& points, int offset, int numberOfSegments, float tension) { return Check(GdipAddPathCurve3(nativePath, points.data(), Count(points), offset, numberOfSegments, tension)); }
int GraphicsPath::AddPathCurveI(const std::vector<Point>& points) { return Check(GdipAddPathCurveI(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathCurve2I(const std::vector<Point>& points, float tension) { return Check(GdipAddPathCurve2I(nativePath, points.data(), Count(points), tension)); }
int GraphicsPath::AddPathCurve3I(const std::vector<Point>& points, int offset, int numberOfSegments, float tension) { return Check(GdipAddPathCurve3I(nativePath, points.data(), Count(points), offset, numberOfSegments, tension)); }
int GraphicsPath::AddPathClosedCurve(const std::vector<PointF>& points) { return Check(GdipAddPathClosedCurve(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathClosedCurve2(const std::vector<PointF>& points, float tension) { return Check(GdipAddPathClosedCurve2(nativePath, points.data(), Count(points), tension)); }
int GraphicsPath::AddPathClosedCurveI(const std::vector<Point>& points) { return Check(GdipAddPathClosedCurveI(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathClosedCurve2I(const std::vector<Point>& points, float tension) { return Check(GdipAddPathClosedCurve2I(nativePath, points.data(), Count(points), tension)); }
int GraphicsPath::AddPathRectangle(float x, float y, float width, float height) { return Check(GdipAddPathRectangle(nativePath, x, y, width, height)); }

int GraphicsPath::AddRoundedRectangle(float x, float y, float width, float height, int percent) {
    if (percent <= 0) percent = 1;
    if (percent > 100) percent = 100;
    const float ellipseWidth = static_cast<float>(std::trunc(static_cast<double>(width) * percent / 100.0));
    const float ellipseHeight = static_cast<float>(std::trunc(static_cast<double>(height) * percent / 100.0));
    const float right = x + width - ellipseWidth;
    const float bottom = y + height - ellipseHeight;
    // Clockwise from the top-right corner; GDI+ joins each arc to the previous one with a line.
    GdipAddPathArc(nativePath, right, y, ellipseWidth, ellipseHeight, 270, 90);
    GdipAddPathArc(nativePath, right, bottom, ellipseWidth, ellipseHeight, 0, 90);
    GdipAddPathArc(nativePath, x, bottom, ellipseWidth, ellipseHeight, 90, 90);
    GdipAddPathArc(nativePath, x, y, ellipseWidth, ellipseHeight, 180, 90);
    return Check(GdipClosePathFigure(nativePath));
}

int GraphicsPath::AddPathRectangles(const std::vector<RectF>& rects) { return Check(GdipAddPathRectangles(nativePath, rects.data(), Count(rects))); }
int GraphicsPath::AddPathRectangleI(int x, int y, int width, int height) { return Check(GdipAddPathRectangleI(nativePath, x, y, width, height)); }
int GraphicsPath::AddPathRectanglesI(const std::vector<Rect>& rects) { return Check(GdipAddPathRectanglesI(nativePath, rects.data(), Count(rects))); }
int GraphicsPath::AddPathEllipse(float x, float y, float width, float height) { return Check(GdipAddPathEllipse(nativePath, x, y, width, height)); }
int GraphicsPath::AddPathEllipseI(int x, int y, int width, int height) { return Check(GdipAddPathEllipseI(nativePath, x, y, width, height)); }
int GraphicsPath::AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle) { return Check(GdipAddPathPie(nativePath, x, y, width, height, startAngle, sweepAngle)); }
int GraphicsPath::AddPathPieI(int x, int y, int width, int height, float startAngle, float sweepAngle) { return Check(GdipAddPathPieI(nativePath, x, y, width, height, startAngle, sweepAngle)); }
int GraphicsPath::AddPathPolygon(const std::vector<PointF>& points) { return Check(GdipAddPathPolygon(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathPolygonI(const std::vector<Point>& points) { return Check(GdipAddPathPolygonI(nativePath, points.data(), Count(points))); }
int GraphicsPath::AddPathPath(const GraphicsPath& path, BOOL connect) { return Check(GdipAddPathPath(nativePath, path.nativePath, connect)); }
int GraphicsPath::AddPathString(const std::string& text, const FontFamily& family, int emSize, const RectF& layout, int style, const StringFormat* format) { return AddText(nativePath, AnsiToWide(text), family, emSize, layout, style, format); }
int GraphicsPath::AddPathStringW(const Bytes& text, const FontFamily& family, int emSize, const RectF& layout, int style, const StringFormat* format) { return AddText(nativePath, BytesToWide(text), family, emSize, layout, style, format); }
int GraphicsPath::AddPathStringI(const std::string& text, const FontFamily& family, int emSize, const Rect& layout, int style, const StringFormat* format) { return AddTextI(nativePath, AnsiToWide(text), family, emSize, layout, style, format); }
int GraphicsPath::AddPathStringIW(const Bytes& text, const FontFamily& family, int emSize, const Rect& layout, int style, const StringFormat* format) { return AddTextI(nativePath, BytesToWide(text), family, emSize, layout, style, format); }
int GraphicsPath::TransformPath(Gdiplus::GpMatrix* matrix) { return Check(GdipTransformPath(nativePath, matrix)); }
int GraphicsPath::GetPathWorldBounds(RectF& bounds, const Gdiplus::GpMatrix* matrix, const Pen* pen) { return Check(GdipGetPathWorldBounds(nativePath, &bounds, matrix, NativeOf(pen))); }
int GraphicsPath::GetPathWorldBoundsI(Rect& bounds, const Gdiplus::GpMatrix* matrix, const Pen* pen) { return Check(GdipGetPathWorldBoundsI(nativePath, &bounds, matrix, NativeOf(pen))); }
int GraphicsPath::FlattenPath(Gdiplus::GpMatrix* matrix, float flatness) { return Check(GdipFlattenPath(nativePath, matrix, flatness)); }
int GraphicsPath::WidenPath(const Pen& pen, Gdiplus::GpMatrix* matrix, float flatness) { return Check(GdipWidenPath(nativePath, pen.nativePen, matrix, flatness)); }
int GraphicsPath::WindingModeOutline(Gdiplus::GpMatrix* matrix, float flatness) { return Check(GdipWindingModeOutline(nativePath, matrix, flatness)); }
int GraphicsPath::WarpPath(Gdiplus::GpMatrix* matrix, const std::vector<PointF>& points, float sourceX, float sourceY, float sourceWidth, float sourceHeight, WarpMode mode, float flatness) { return Check(GdipWarpPath(nativePath, matrix, points.data(), Count(points), sourceX, sourceY, sourceWidth, sourceHeight, mode, flatness)); }
int GraphicsPath::GetPointCount() { return GetValue<INT>(GdipGetPointCount, nativePath); }
int GraphicsPath::IsVisiblePathPoint(float x, float y, const Graphics* graphics) { return GetValue<BOOL>(GdipIsVisiblePathPoint, nativePath, x, y, NativeOf(graphics)); }
int GraphicsPath::IsVisiblePathPointI(int x, int y, const Graphics* graphics) { return GetValue<BOOL>(GdipIsVisiblePathPointI, nativePath, x, y, NativeOf(graphics)); }
int GraphicsPath::IsOutlineVisiblePathPoint(float x, float y, const Pen& pen, const Graphics* graphics) { return GetValue<BOOL>(GdipIsOutlineVisiblePathPoint, nativePath, x, y, pen.nativePen, NativeOf(graphics)); }
int GraphicsPath::IsOutlineVisiblePathPointI(int x, int y, const Pen& pen, const Graphics* graphics) { return GetValue<BOOL>(GdipIsOutlineVisiblePathPointI, nativePath, x, y, pen.nativePen, NativeOf(graphics)); }

}  // namespace graphics
