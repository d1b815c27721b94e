// Region: a GDI+ region, an area built from rectangles, paths and other regions.
#include "graphics/region.h"

#include "graphics/flat_call.h"
#include "graphics/graphics_path.h"
#include "graphics/graphics_surface.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

// Sizes `rects` by the region's scan count under `matrix`, then fills it with `function`.
template <class RectType, class Function>
int ReadScans(Gdiplus::GpRegion* region, Gdiplus::GpMatrix* matrix, Function function,
              std::vector<RectType>& rects) {
    UINT count = 0;
    if (!Check(GdipGetRegionScansCount(region, &count, matrix))) return 0;
    std::vector<RectType> read(count);
    INT written = static_cast<INT>(count);
    if (count > 0 && !Check(function(region, read.data(), &written, matrix))) return 0;
    if (written >= 0 && static_cast<UINT>(written) < count) read.resize(written);
    rects = std::move(read);
    return 1;
}

}  // namespace

Region::~Region() { DeleteRegion(); }
Region::Region(Region&& other) noexcept { TakeFrom(other); }
Region& Region::operator=(Region&& other) noexcept { ReplaceWith(other); return *this; }

void Region::SetNativeHandle(void* handle) { nativeRegion = static_cast<Gdiplus::GpRegion*>(handle); }
int Region::DeleteNativeObject() { return DeleteRegion(); }

int Region::DeleteRegion() { return DeleteWith(GdipDeleteRegion, nativeRegion); }

int Region::CreateRegion() {
    Gdiplus::GpRegion* region = nullptr;
    const Gdiplus::GpStatus status = GdipCreateRegion(&region);
    return Adopt(status, region);
}

int Region::CreateRegionRect(const RectF& rect) {
    Gdiplus::GpRegion* region = nullptr;
    const Gdiplus::GpStatus status = GdipCreateRegionRect(&rect, &region);
    return Adopt(status, region);
}

int Region::CreateRegionRectI(const Rect& rect) {
    Gdiplus::GpRegion* region = nullptr;
    const Gdiplus::GpStatus status = GdipCreateRegionRectI(&rect, &region);
    return Adopt(status, region);
}

int Region::CreateRegionPath(const GraphicsPath& path) {
    Gdiplus::GpRegion* region = nullptr;
    const Gdiplus::GpStatus status = GdipCreateRegionPath(path.nativePath, &region);
    return Adopt(status, region);
}

int Region::CreateRegionHrgn(HRGN hrgn) {
    Gdiplus::GpRegion* region = nullptr;
    const Gdiplus::GpStatus status = GdipCreateRegionHrgn(hrgn, &region);
    return Adopt(status, region);
}

int Region::CreateRegionRgnData(const Bytes& data) {
    Gdiplus::GpRegion* region = nullptr;
    const Gdiplus::GpStatus status = GdipCreateRegionRgnData(data.data(), static_cast<INT>(data.size()), &region);
    return Adopt(status, region);
}

int Region::CloneRegion(Region& target) {
    Gdiplus::GpRegion* region = nullptr;
    const Gdiplus::GpStatus status = GdipCloneRegion(nativeRegion, &region);
    return target.Adopt(status, region);
}

int Region::SetInfinite() { return Check(GdipSetInfinite(nativeRegion)); }
int Region::SetEmpty() { return Check(GdipSetEmpty(nativeRegion)); }
int Region::CombineRegionRect(const RectF& rect, CombineMode mode) { return Check(GdipCombineRegionRect(nativeRegion, &rect, mode)); }
int Region::CombineRegionRectI(const Rect& rect, CombineMode mode) { return Check(GdipCombineRegionRectI(nativeRegion, &rect, mode)); }
int Region::CombineRegionRegion(const Region& region, CombineMode mode) { return Check(GdipCombineRegionRegion(nativeRegion, region.nativeRegion, mode)); }
int Region::CombineRegionPath(const GraphicsPath& path, CombineMode mode) { return Check(GdipCombineRegionPath(nativeRegion, path.nativePath, mode)); }
int Region::TranslateRegion(float dx, float dy) { return Check(GdipTranslateRegion(nativeRegion, dx, dy)); }
int Region::TranslateRegionI(int dx, int dy) { return Check(GdipTranslateRegionI(nativeRegion, dx, dy)); }
int Region::TransformRegion(Gdiplus::GpMatrix* matrix) { return Check(GdipTransformRegion(nativeRegion, matrix)); }
int Region::GetRegionBounds(const Graphics& graphics, RectF& bounds) { return Check(GdipGetRegionBounds(nativeRegion, graphics.nativeGraphics, &bounds)); }
int Region::GetRegionBoundsI(const Graphics& graphics, Rect& bounds) { return Check(GdipGetRegionBoundsI(nativeRegion, graphics.nativeGraphics, &bounds)); }
UINT Region::GetRegionDataSize() { return GetValue<UINT>(GdipGetRegionDataSize, nativeRegion); }

int Region::GetRegionData(Bytes& data) {
    const UINT size = GetValue<UINT>(GdipGetRegionDataSize, nativeRegion);
    if (lastStatus != Gdiplus::Ok) return 0;
    Bytes read(size);
    UINT filled = 0;
    if (!Check(GdipGetRegionData(nativeRegion, read.data(), size, &filled))) return 0;
    read.resize(filled <= size ? filled : size);
    data = std::move(read);
    return 1;
}

HRGN Region::GetRegionHRgn(const Graphics* graphics) { return GetValue<HRGN>(GdipGetRegionHRgn, nativeRegion, NativeOf(graphics)); }
int Region::IsEmptyRegion(const Graphics& graphics) { return GetValue<BOOL>(GdipIsEmptyRegion, nativeRegion, graphics.nativeGraphics); }
int Region::IsInfiniteRegion(const Graphics& graphics) { return GetValue<BOOL>(GdipIsInfiniteRegion, nativeRegion, graphics.nativeGraphics); }
int Region::IsEqualRegion(const Region& region, const Graphics& graphics) { return GetValue<BOOL>(GdipIsEqualRegion, nativeRegion, region.nativeRegion, graphics.nativeGraphics); }
int Region::IsVisibleRegionPoint(float x, float y, const Graphics* graphics) { return GetValue<BOOL>(GdipIsVisibleRegionPoint, nativeRegion, x, y, NativeOf(graphics)); }
int Region::IsVisibleRegionPointI(int x, int y, const Graphics* graphics) { return GetValue<BOOL>(GdipIsVisibleRegionPointI, nativeRegion, x, y, NativeOf(graphics)); }
int Region::IsVisibleRegionRect(float x, float y, float width, float height, const Graphics* graphics) { return GetValue<BOOL>(GdipIsVisibleRegionRect, nativeRegion, x, y, width, height, NativeOf(graphics)); }
int Region::IsVisibleRegionRectI(int x, int y, int width, int height, const Graphics* graphics) { return GetValue<BOOL>(GdipIsVisibleRegionRectI, nativeRegion, x, y, width, height, NativeOf(graphics)); }

UINT Region::GetRegionScansCount(Gdiplus::GpMatrix* matrix) {
    UINT count = 0;
    return Check(GdipGetRegionScansCount(nativeRegion, &count, matrix)) ? count : 0;
}

int Region::GetRegionScans(Gdiplus::GpMatrix* matrix, std::vector<RectF>& rects) { return ReadScans(nativeRegion, matrix, GdipGetRegionScans, rects); }
int Region::GetRegionScansI(Gdiplus::GpMatrix* matrix, std::vector<Rect>& rects) { return ReadScans(nativeRegion, matrix, GdipGetRegionScansI, rects); }

}  // namespace graphics
