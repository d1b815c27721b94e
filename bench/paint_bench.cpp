// paint_bench: the cost of a full repaint, a present and a hover-fade step of an 800 x 600 window,
// against a raw 800 x 600 BitBlt measured in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/core/back_buffer_surface.h"
#include "engine/core/full_repaint.h"
#include "engine/skin_engine.h"

namespace {

constexpr int WIDTH = 800, HEIGHT = 600;
constexpr int RUNS = 60;

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

// Median time of `work` in microseconds, after a few warm-up runs.
double Median(const std::function<void()>& work) {
    for (int i = 0; i < 3; ++i) work();
    std::vector<double> times;
    for (int i = 0; i < RUNS; ++i) {
        const double start = Now();
        work();
        GdiFlush();
        times.push_back((Now() - start) * 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A 64 x 64 picture of soft diagonal stripes, to be tiled.
graphics::Bytes Tile() {
    graphics::Bitmap bitmap;
    bitmap.CreateBlankBitmap(64, 64);
    {
        graphics::Graphics surface;
        surface.GetImageGraphicsContext(bitmap);
        graphics::LinearGradientBrush brush;
        brush.CreateLineBrush({0, 0}, {64, 64}, 0xFF284860, 0xFF6A9AB0);
        surface.FillRectangle(brush, 0, 0, 64, 64);
    }
    return bitmap.SaveImageToBytes(std::string(graphics::IMAGE_FORMAT_PNG));
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace

int main() {
    skin::EngineModuleSetUp();
    skin::SkinEngine engine;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QorvelPaintBench";
    RegisterClassA(&windowClass);
    HWND hwnd = CreateWindowExA(0, windowClass.lpszClassName, "paint bench",
                                WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 20, 20,
                                WIDTH, HEIGHT, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!hwnd) {
        std::fprintf(stderr, "paint_bench: no window (is there a display?)\n");
        return 1;
    }
    const std::vector<skin::BottomBarItem> items = {
        {200, "status", {}, 0}, {-1, "message", {}, 0}, {120, "12:00:00", {}, 0}};
    engine.AttachWindow(hwnd, 30, 1, 1, 0, 0, 1, /*gloss*/ 1, /*bar*/ 24, items, Tile(),
                        skin::BACKGROUND_TILED);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    PumpMessages();
    const int index = skin::FindWindowRecord(hwnd);

    HDC screen = GetDC(hwnd);
    HDC source = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, WIDTH, HEIGHT);
    HGDIOBJ previous = SelectObject(source, bitmap);

    const double blit = Median([&] { BitBlt(screen, 0, 0, WIDTH, HEIGHT, source, 0, 0, SRCCOPY); });
    const double paint = Median([&] { engine.PaintWindow(index, 1); });
    const double present = Median([&] { engine.PresentWindow(index, screen); });
    // One timer step of a caption button fading in.
    const double fade = Median([&] {
        skin::WindowSkinRecord* record = skin::RecordAt(index);
        record->fadeIn = {1, 3};
        record->fadeOut = {0, 8};
        SendMessageA(hwnd, WM_TIMER, reinterpret_cast<WPARAM>(hwnd), 0);
    });

    // Where a full repaint spends its time.
    HDC back = skin::RecordAt(index)->backBufferDc;
    auto onBackBuffer = [&](const std::function<void(graphics::Graphics&)>& draw) {
        return Median([&] {
            graphics::Bitmap pixels;
            graphics::Graphics surface;
            skin::BindToBackBuffer(surface, pixels, back);
            draw(surface);
        });
    };
    const double region = Median([&] { skin::ApplyRoundedRegion(hwnd); });
    const double background = onBackBuffer([&](graphics::Graphics& g) { engine.PaintClientBackground(g, index); });
    const double border = onBackBuffer([&](graphics::Graphics& g) { engine.PaintWindowBorder(index, g); });
    const double title = onBackBuffer([&](graphics::Graphics& g) { engine.DrawCaptionTitle(index, g, 1); });
    const double buttons = onBackBuffer([&](graphics::Graphics& g) {
        for (int i = 1; i <= 3; ++i) engine.DrawCaptionButton(index, i, g, 1);
    });
    const double bar = onBackBuffer([&](graphics::Graphics& g) {
        for (int i = 1; i <= 3; ++i) engine.DrawBottomBarItem(index, g, 1, i);
    });

    SelectObject(source, previous);
    DeleteObject(bitmap);
    DeleteDC(source);
    ReleaseDC(hwnd, screen);
    DestroyWindow(hwnd);
    PumpMessages();

    std::printf("paint_bench: %d x %d window, tiled picture, gloss, title, 3 caption buttons, "
                "3 bottom-bar items; medians of %d runs\n", WIDTH, HEIGHT, RUNS);
    std::printf("  raw BitBlt      %9.1f us\n", blit);
    std::printf("  PaintWindow     %9.1f us   %7.2f x BitBlt\n", paint, paint / blit);
    std::printf("  PresentWindow   %9.1f us   %7.2f x BitBlt\n", present, present / blit);
    std::printf("  hover-fade tick %9.1f us   %7.2f x BitBlt\n", fade, fade / blit);
    std::printf("  of a full repaint: region %.1f, background %.1f, border %.1f, title %.1f, "
                "caption buttons %.1f, bottom bar %.1f us\n",
                region, background, border, title, buttons, bar);
    return 0;
}
