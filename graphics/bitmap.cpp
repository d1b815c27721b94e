// Bitmap: a GDI+ bitmap: an image that can also be made blank or from GDI objects, read and
// written pixel by pixel, rotated and turned into GDI objects.
#include "graphics/bitmap.h"

#include <algorithm>
#include <cmath>

#include "graphics/flat_call.h"
#include "graphics/graphics_surface.h"

using namespace Gdiplus::DllExports;

namespace graphics {

namespace {

Gdiplus::GpImage* AsImage(Gdiplus::GpBitmap* bitmap) { return bitmap; }

}  // namespace

Bitmap::Bitmap(Bitmap&& other) noexcept : Image(std::move(other)) { nativeBitmap = static_cast<Gdiplus::GpBitmap*>(nativeImage); }
Bitmap& Bitmap::operator=(Bitmap&& other) noexcept { Image::operator=(std::move(other)); return *this; }

void Bitmap::OnNativeChanged(void* handle) { nativeBitmap = static_cast<Gdiplus::GpBitmap*>(static_cast<Gdiplus::GpImage*>(handle)); }

int Bitmap::LoadImageFromFile(const std::string& fileName, int useIcm) { return CreateBitmapFromFile(fileName, useIcm); }
int Bitmap::LoadImageFromFileW(const Bytes& fileName, int useIcm) { return CreateBitmapFromFileW(fileName, useIcm); }
int Bitmap::LoadImageFromBytes(const Bytes& bytes, int useIcm) { return CreateBitmapFromBytes(bytes, useIcm); }

int Bitmap::CreateBitmapFromFile(const std::string& fileName, int useIcm) { return CreateBitmapFromFileW(WideToBytes(AnsiToWide(fileName)), useIcm); }

int Bitmap::CreateBitmapFromFileW(const Bytes& fileName, int useIcm) {
    const std::wstring wide = BytesToWide(fileName);
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = useIcm != 0 ? GdipCreateBitmapFromFileICM(wide.c_str(), &bitmap)
                                                 : GdipCreateBitmapFromFile(wide.c_str(), &bitmap);
    return Adopt(status, AsImage(bitmap));
}

int Bitmap::CreateBitmapFromBytes(const Bytes& bytes, int useIcm) {
    IStream* stream = StreamForLoading(bytes);
    if (stream == nullptr) return 0;
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = useIcm != 0 ? GdipCreateBitmapFromStreamICM(stream, &bitmap)
                                                 : GdipCreateBitmapFromStream(stream, &bitmap);
    return AdoptLoaded(status, AsImage(bitmap));
}

int Bitmap::CreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, BYTE* scan0) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &bitmap);
    return Adopt(status, AsImage(bitmap));
}

int Bitmap::CreateBlankBitmap(int width, int height, PixelFormat format) { return CreateBitmapFromScan0(width, height, 0, format, nullptr); }

int Bitmap::CreateBitmapFromGraphics(int width, int height, const Graphics& graphics) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCreateBitmapFromGraphics(width, height, graphics.nativeGraphics, &bitmap);
    return Adopt(status, AsImage(bitmap));
}

int Bitmap::CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCreateBitmapFromGdiDib(info, bits, &bitmap);
    return Adopt(status, AsImage(bitmap));
}

int Bitmap::CreateBitmapFromHBITMAP(HBITMAP hbitmap, HPALETTE palette) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCreateBitmapFromHBITMAP(hbitmap, palette, &bitmap);
    return Adopt(status, AsImage(bitmap));
}

int Bitmap::CreateBitmapFromHICON(HICON icon) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCreateBitmapFromHICON(icon, &bitmap);
    return Adopt(status, AsImage(bitmap));
}

int Bitmap::CreateBitmapFromResource(HINSTANCE instance, const std::string& name) {
    const std::wstring wide = AnsiToWide(name);
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCreateBitmapFromResource(instance, wide.c_str(), &bitmap);
    return Adopt(status, AsImage(bitmap));
}

HBITMAP Bitmap::CreateHBITMAPFromBitmap(ARGB background) {
    HBITMAP hbitmap = nullptr;
    return Check(GdipCreateHBITMAPFromBitmap(nativeBitmap, &hbitmap, background)) ? hbitmap : nullptr;
}

HICON Bitmap::CreateHICONFromBitmap() { return GetValue<HICON>(GdipCreateHICONFromBitmap, nativeBitmap); }

int Bitmap::CloneBitmapArea(float x, float y, float width, float height, PixelFormat format, Bitmap& target) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCloneBitmapArea(x, y, width, height, format, nativeBitmap, &bitmap);
    return target.Adopt(status, AsImage(bitmap));
}

int Bitmap::CloneBitmapAreaI(int x, int y, int width, int height, PixelFormat format, Bitmap& target) {
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = GdipCloneBitmapAreaI(x, y, width, height, format, nativeBitmap, &bitmap);
    return target.Adopt(status, AsImage(bitmap));
}

int Bitmap::BitmapLockBits(const std::optional<Rect>& rect, UINT flags, PixelFormat format, BitmapData& data) { return Check(GdipBitmapLockBits(nativeBitmap, rect ? &*rect : nullptr, flags, format, &data)); }
int Bitmap::BitmapUnlockBits(BitmapData& data) { return Check(GdipBitmapUnlockBits(nativeBitmap, &data)); }
ARGB Bitmap::BitmapGetPixel(int x, int y) { return GetValue<ARGB>(GdipBitmapGetPixel, nativeBitmap, x, y); }
int Bitmap::BitmapSetPixel(int x, int y, ARGB color) { return Check(GdipBitmapSetPixel(nativeBitmap, x, y, color)); }
int Bitmap::BitmapSetResolution(float xDpi, float yDpi) { return Check(GdipBitmapSetResolution(nativeBitmap, xDpi, yDpi)); }

int Bitmap::BitmapApplyEffect(Gdiplus::CGpEffect* effect, const std::optional<RECT>& area) {
    // A GDI+ 1.1 function that the import library lacks: looked up in the loaded gdiplus.dll.
    using ApplyEffect = Gdiplus::GpStatus(WINGDIPAPI*)(Gdiplus::GpBitmap*, Gdiplus::CGpEffect*, RECT*, BOOL, VOID**, INT*);
    const FARPROC entry = GetProcAddress(GetModuleHandleA("gdiplus.dll"), "GdipBitmapApplyEffect");
    if (entry == nullptr) return Check(Gdiplus::NotImplemented);  // this gdiplus.dll does not export it
    const auto apply = reinterpret_cast<ApplyEffect>(reinterpret_cast<void (*)()>(entry));
    RECT rect = area ? *area : RECT{};
    return Check(apply(nativeBitmap, effect, area ? &rect : nullptr, FALSE, nullptr, nullptr));
}

int Bitmap::RotateBitmap(float angle, Bitmap& target, std::optional<ARGB> background, std::optional<InterpolationMode> interpolation, std::optional<Gdiplus::SizeF> size) {
    if (nativeBitmap == nullptr) return Check(Gdiplus::InvalidParameter);
    const float width = static_cast<float>(GetImageWidth());
    const float height = static_cast<float>(GetImageHeight());
    Gdiplus::SizeF newSize;
    if (size) {
        newSize = *size;
    } else {
        RotatedSize(width, height, static_cast<int>(angle), newSize.Width, newSize.Height);
    }
    const int newWidth = static_cast<int>(newSize.Width);
    const int newHeight = static_cast<int>(newSize.Height);

    Gdiplus::GpBitmap* rotated = nullptr;
    Gdiplus::GpStatus status = GdipCreateBitmapFromScan0(newWidth, newHeight, 0, PixelFormat32bppARGB, nullptr, &rotated);
    Gdiplus::GpGraphics* surface = nullptr;
    if (status == Gdiplus::Ok) {
        GdipBitmapSetResolution(rotated, GetImageHorizontalResolution(), GetImageVerticalResolution());
        status = GdipGetImageGraphicsContext(rotated, &surface);
    }
    if (status == Gdiplus::Ok && background) {
        Gdiplus::GpSolidFill* brush = nullptr;
        status = GdipCreateSolidFill(*background, &brush);
        if (status == Gdiplus::Ok) {
            GdipFillRectangleI(surface, brush, 0, 0, newWidth, newHeight);
            GdipDeleteBrush(brush);
        }
    }
    Gdiplus::GpMatrix* matrix = nullptr;
    if (status == Gdiplus::Ok) status = GdipCreateMatrix(&matrix);
    if (status != Gdiplus::Ok) {
        if (surface != nullptr) GdipDeleteGraphics(surface);
        if (rotated != nullptr) GdipDisposeImage(rotated);
        return Check(status);
    }
    if (interpolation) GdipSetInterpolationMode(surface, *interpolation);

    // Turn about the new bitmap's centre, with the source centred in it.
    const float centreX = newWidth / 2.0f;
    const float centreY = newHeight / 2.0f;
    GdipTranslateMatrix(matrix, centreX, centreY, Gdiplus::MatrixOrderPrepend);
    GdipRotateMatrix(matrix, angle, Gdiplus::MatrixOrderPrepend);
    GdipTranslateMatrix(matrix, -centreX, -centreY, Gdiplus::MatrixOrderPrepend);
    GdipTranslateMatrix(matrix, (newWidth - width) / 2.0f, (newHeight - height) / 2.0f, Gdiplus::MatrixOrderPrepend);
    GdipSetWorldTransform(surface, matrix);
    const Gdiplus::GpStatus drawn = GdipDrawImage(surface, nativeImage, 0, 0);
    GdipResetWorldTransform(surface);
    GdipDeleteMatrix(matrix);
    GdipDeleteGraphics(surface);
    return target.Adopt(drawn, AsImage(rotated));
}

void Bitmap::RotatedSize(float width, float height, int angle, float& rotatedWidth, float& rotatedHeight) {
    const double pi = 3.1415926535;
    const double radians = angle * pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double w = (width - 1) / 2.0;
    const double h = (height - 1) / 2.0;
    // The four corners, measured between pixel centres, turned by the angle.
    const double cornerX[4] = {-w, w, -w, w};
    const double cornerY[4] = {h, h, -h, -h};
    double x[4];
    double y[4];
    for (int i = 0; i < 4; ++i) {
        x[i] = cornerX[i] * c + cornerY[i] * s;
        y[i] = -cornerX[i] * s + cornerY[i] * c;
    }
    rotatedWidth = static_cast<float>(std::max(std::fabs(x[3] - x[0]), std::fabs(x[2] - x[1])));
    rotatedHeight = static_cast<float>(std::max(std::fabs(y[3] - y[0]), std::fabs(y[2] - y[1])));
}

}  // namespace graphics
