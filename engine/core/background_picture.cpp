// Preparing background pictures: their average colour and their edges faded into a colour.
#include "engine/core/background_picture.h"

#include <algorithm>
#include <cmath>

#include "engine/core/argb.h"
#include "graphics/graphics.h"

namespace skin {

namespace {

// Days since 1899-12-30 with the time of day as the fraction: the local date and time as
// an automation date.
double LocalDayCount() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    FILETIME time{};
    SystemTimeToFileTime(&local, &time);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    constexpr double TICKS_PER_DAY = 864000000000.0;  // 100-ns ticks
    constexpr double DAYS_FROM_1601_TO_1899_12_30 = 109205.0;
    return static_cast<double>(ticks) / TICKS_PER_DAY - DAYS_FROM_1601_TO_1899_12_30;
}

// A draw from `low`…`high` inclusive by a generator seeded with `seed`: the same seed always
// gives the same position. The generator is one round of an integer hash, which spreads
// neighbouring seeds evenly.
int DrawFrom(unsigned seed, int low, int high) {
    if (high <= low) return low;
    unsigned h = seed;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    const unsigned span = static_cast<unsigned>(high - low) + 1u;
    return low + static_cast<int>(h % span);
}

bool LoadPicture(graphics::Bitmap& picture, const graphics::Bytes& bytes,
                 const std::string& fileName) {
    return fileName.empty() ? picture.LoadImageFromBytes(bytes) != 0
                            : picture.LoadImageFromFile(fileName) != 0;
}

}  // namespace

COLORREF ArgbToColorref(std::uint32_t argb, BYTE& alpha) {
    alpha = static_cast<BYTE>(argb >> 24);
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

COLORREF SampleAverageColor(const graphics::Bytes& pictureBytes, int sampleCount,
                            std::optional<int> rightBand, std::optional<int> bottomBand,
                            const std::string& fileName) {
    graphics::Bitmap picture;
    if (sampleCount < 1 || !LoadPicture(picture, pictureBytes, fileName)) return ToArgb(0, 255);
    const int width = static_cast<int>(picture.GetImageWidth());
    const int height = static_cast<int>(picture.GetImageHeight());
    if (width < 1 || height < 1) return ToArgb(0, 255);
    // Positions are drawn inside the picture only, so that a plain picture averages to its
    // own colour: columns from the band's left edge (or 0) to width - 1, rows likewise.
    const int xMin = std::max(rightBand.value_or(0) >= 1 ? width - *rightBand : 0, 0);
    const int yMin = std::max(bottomBand.value_or(0) >= 1 ? height - *bottomBand : 0, 0);

    unsigned long long red = 0, green = 0, blue = 0;
    for (int i = 1; i <= sampleCount; ++i) {
        const double now = LocalDayCount();
        const int x = DrawFrom(static_cast<unsigned>(std::trunc(now + 3.0 * i)), xMin, width - 1);
        const int y = DrawFrom(static_cast<unsigned>(std::trunc(now + i)), yMin, height - 1);
        BYTE alpha = 0;
        const COLORREF c = ArgbToColorref(picture.BitmapGetPixel(x, y), alpha);
        red += c % 256;
        green += (c % 65536) / 256;
        blue += c / 65536;
    }
    const auto average = [sampleCount](unsigned long long sum) {
        return static_cast<BYTE>(sum / static_cast<unsigned long long>(sampleCount));
    };
    // ToArgb exchanges red and blue: the result is the COLORREF of the average with 255 on top.
    return ToArgb(RGB(average(blue), average(green), average(red)), 255);
}

graphics::Bytes ComposeFadedBackground(const graphics::Bytes& pictureBytes,
                                       std::optional<int> fadeWidth, COLORREF color,
                                       std::optional<int> fadeRight, const std::string& fileName) {
    graphics::Bitmap source;
    if (!LoadPicture(source, pictureBytes, fileName)) return {};
    const int w = static_cast<int>(source.GetImageWidth());
    const int h = static_cast<int>(source.GetImageHeight());
    graphics::Bitmap composed;
    if (!composed.CreateBlankBitmap(w, h, PixelFormat32bppARGB)) return {};
    {
        graphics::Graphics surface;
        surface.GetImageGraphicsContext(composed);
        surface.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        surface.DrawImageRectRect(source, 0, 0, static_cast<float>(w), static_cast<float>(h), 0, 0,
                                  static_cast<float>(w), static_cast<float>(h));
        source.DisposeImage();

        const int f = fadeWidth ? *fadeWidth : static_cast<int>(std::floor(0.3 * w));
        const float fw = static_cast<float>(w), fh = static_cast<float>(h);
        const float ff = static_cast<float>(f);
        graphics::LinearGradientBrush side;
        if (fadeRight.value_or(1) != 0) {
            side.CreateLineBrush({fw - ff, 0}, {fw, 0}, ToArgb(0xFFFFFF, 0), ToArgb(color, 255));
            surface.FillRectangle(side, fw - ff + 1, 0, ff, fh);
        } else {
            side.CreateLineBrush({0, 0}, {ff, 0}, ToArgb(color), ToArgb(0xFFFFFF, 0));
            surface.FillRectangle(side, 0, 0, ff, fh);
        }
        graphics::LinearGradientBrush bottom;
        bottom.CreateLineBrush({0, fh - ff}, {0, fh}, ToArgb(color, 0), ToArgb(color, 255));
        surface.FillRectangle(bottom, 0, fh - ff + 1, fw, ff);
    }
    return composed.SaveImageToBytes(std::string(graphics::IMAGE_FORMAT_PNG));
}

graphics::Bytes PrepareWindowPicture(const graphics::Bytes& picture, int layout, COLORREF average) {
    if (layout == 0) return ComposeFadedBackground(picture, std::nullopt, average);
    if (layout == 1) return ComposeFadedBackground(picture, std::nullopt, average, 0);
    return picture;
}

}  // namespace skin
