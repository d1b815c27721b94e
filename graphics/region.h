// Region: a GDI+ region, an area built from rectangles, paths and other regions.
#pragma once
#include <vector>

#include "graphics/gdiplus_object.h"

namespace graphics {

class Graphics;
class GraphicsPath;

// Each operation calls "Gdip" + its name on nativeRegion, under the conventions of Graphics.
class Region : public GdiplusObject {
public:
    Region() = default;
    // Deletes the native region.
    ~Region() override;
    Region(Region&& other) noexcept;
    Region& operator=(Region&& other) noexcept;

    void SetNativeHandle(void* handle) override;
    int DeleteNativeObject() override;

    virtual int DeleteRegion();
    // An infinite region.
    virtual int CreateRegion();
    virtual int CreateRegionRect(const RectF& rect);
    virtual int CreateRegionRectI(const Rect& rect);
    virtual int CreateRegionPath(const GraphicsPath& path);
    virtual int CreateRegionHrgn(HRGN region);
    // A region from the bytes GetRegionData wrote.
    virtual int CreateRegionRgnData(const Bytes& data);
    // Puts a new native copy of this region into `target`.
    virtual int CloneRegion(Region& target);
    virtual int SetInfinite();
    virtual int SetEmpty();
    virtual int CombineRegionRect(const RectF& rect, CombineMode mode);
    virtual int CombineRegionRectI(const Rect& rect, CombineMode mode);
    virtual int CombineRegionRegion(const Region& region, CombineMode mode);
    virtual int CombineRegionPath(const GraphicsPath& path, CombineMode mode);
    virtual int TranslateRegion(float dx, float dy);
    virtual int TranslateRegionI(int dx, int dy);
    virtual int TransformRegion(Gdiplus::GpMatrix* matrix);
    virtual int GetRegionBounds(const Graphics& graphics, RectF& bounds);
    virtual int GetRegionBoundsI(const Graphics& graphics, Rect& bounds);
    virtual UINT GetRegionDataSize();
    // Replaces `data` by the region's description (sized by GdipGetRegionDataSize first).
    virtual int GetRegionData(Bytes& data);
    // A new GDI region owned by the caller (0 on failure; null for an infinite region).
    virtual HRGN GetRegionHRgn(const Graphics* graphics = nullptr);
    virtual int IsEmptyRegion(const Graphics& graphics);
    virtual int IsInfiniteRegion(const Graphics& graphics);
    virtual int IsEqualRegion(const Region& region, const Graphics& graphics);
    virtual int IsVisibleRegionPoint(float x, float y, const Graphics* graphics = nullptr);
    virtual int IsVisibleRegionPointI(int x, int y, const Graphics* graphics = nullptr);
    virtual int IsVisibleRegionRect(float x, float y, float width, float height,
                                    const Graphics* graphics = nullptr);
    virtual int IsVisibleRegionRectI(int x, int y, int width, int height,
                                     const Graphics* graphics = nullptr);
    virtual UINT GetRegionScansCount(Gdiplus::GpMatrix* matrix);
    // Replaces `rects` by the region's scans under `matrix` (sized by the scan count first).
    virtual int GetRegionScans(Gdiplus::GpMatrix* matrix, std::vector<RectF>& rects);
    virtual int GetRegionScansI(Gdiplus::GpMatrix* matrix, std::vector<Rect>& rects);

    Gdiplus::GpRegion* nativeRegion = nullptr;
};

}  // namespace graphics
