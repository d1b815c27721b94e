// The gallery: one top-level window handed to the skin engine, the way a program embeds it.
#include <windows.h>

#include <string>

#include "demo/pictures.h"
#include "engine/skin_engine.h"

namespace {

constexpr char CLASS_NAME[] = "QorvelGallery";
constexpr int WIDTH = 640, HEIGHT = 420;
constexpr UINT_PTR CLOCK_TIMER = 1;

// Command ids of the gallery's buttons.
enum Command { THEME_TEAL = 100, THEME_AMBER, THEME_VIOLET, BACK_PICTURE, BACK_TILED, BACK_STRETCHED };

skin::SkinEngine* engine = nullptr;  // lives for the whole message loop
HWND gallery = nullptr;
graphics::Bytes backdrop;

// Routines run by caption buttons take no arguments.
void ShowHelp() {
    MessageBoxA(gallery, "Hover the caption buttons to see them fade.\n"
                         "Drag the caption to move, the edges to resize.\n"
                         "Double-click the caption to maximize.",
                "Qorvel gallery", MB_OK | MB_ICONINFORMATION);
}

void ShowMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "About the gallery");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, 2, "Exit");
    POINT at;
    GetCursorPos(&at);
    const int choice = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, gallery, nullptr);
    DestroyMenu(menu);
    if (choice == 1) ShowHelp();
    if (choice == 2) PostMessageA(gallery, WM_CLOSE, 0, 0);
}

void NextTheme() {
    static int next = 0;
    SendMessageA(gallery, WM_COMMAND, THEME_TEAL + (next++ % 3), 0);
}

// The theme colour tints the caption-button highlights; the title glow follows it.
void SetThemeColour(COLORREF colour) {
    engine->SetTheme("", {}, std::nullopt, colour);
    engine->SetTitleStyle(gallery, std::nullopt, std::nullopt, std::nullopt, colour);
}

void OnCommand(int id) {
    switch (id) {
    case THEME_TEAL: SetThemeColour(RGB(34, 202, 221)); break;
    case THEME_AMBER: SetThemeColour(RGB(240, 160, 40)); break;
    case THEME_VIOLET: SetThemeColour(RGB(170, 110, 240)); break;
    case BACK_PICTURE: engine->SetWindowBackground(gallery, backdrop, skin::BACKGROUND_TOP_LEFT); break;
    case BACK_TILED: engine->SetWindowBackground(gallery, demo::Tile(), skin::BACKGROUND_TILED); break;
    case BACK_STRETCHED: engine->SetWindowBackground(gallery, backdrop, skin::BACKGROUND_STRETCHED); break;
    default: return;
    }
    engine->SetBottomBarItem(gallery, 1, "Changed");
}

void ShowTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    wsprintfA(text, "%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
    engine->SetBottomBarItem(gallery, 2, text);
}

// The program's own procedure: the engine passes every message on to it.
LRESULT CALLBACK GalleryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == CLOCK_TIMER) ShowTime();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void AddButtons(HWND parent, int y, const char* label, const char* const names[3], int firstId) {
    CreateWindowExA(0, "STATIC", label, WS_CHILD | WS_VISIBLE, 24, y + 6, 110, 20, parent, nullptr,
                    nullptr, nullptr);
    for (int i = 0; i < 3; ++i) {
        CreateWindowExA(0, "BUTTON", names[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 140 + i * 110,
                        y, 100, 28, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + i)),
                        nullptr, nullptr);
    }
}

HWND CreateGallery(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;  // the caption double click maximizes
    windowClass.lpfnWndProc = GalleryProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassA(&windowClass);
    // A frameless window: the engine draws the frame, the caption and its buttons.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - WIDTH) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - HEIGHT) / 2;
    HWND hwnd = CreateWindowExA(0, CLASS_NAME, "Qorvel skin engine gallery",
                                WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
                                x, y, WIDTH, HEIGHT, nullptr, nullptr, instance, nullptr);
    static const char* const themes[3] = {"Teal", "Amber", "Violet"};
    static const char* const backgrounds[3] = {"Picture", "Tiled", "Stretched"};
    AddButtons(hwnd, 70, "Theme colour", themes, THEME_TEAL);
    AddButtons(hwnd, 112, "Background", backgrounds, BACK_PICTURE);
    return hwnd;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    skin::EngineModuleSetUp();  // GDI+, the caption icon, the option defaults
    skin::SkinEngine skinEngine;
    engine = &skinEngine;
    skinEngine.SetOptions(1, 60);  // controls show the skin through a light white veil

    gallery = CreateGallery(instance);
    backdrop = demo::Backdrop(WIDTH, HEIGHT);
    skin::BottomBarItem status{150, "Ready", {}, RGB(255, 255, 255)};
    skin::BottomBarItem hint{-1, "Hover, drag, resize or double-click the caption", {}, RGB(230, 240, 255)};
    skin::BottomBarItem clock{90, "", {}, RGB(255, 255, 255)};
    skinEngine.AttachWindow(gallery, 30, 1, 1, /*help*/ 1, /*menu*/ 1, 1, /*gloss*/ 1,
                            /*bottom bar*/ 24, {status, clock, hint}, backdrop,
                            skin::BACKGROUND_TOP_LEFT);
    skinEngine.SetHelpButtonHandler(gallery, reinterpret_cast<INT_PTR>(&ShowHelp));
    skinEngine.SetMenuButtonHandler(gallery, reinterpret_cast<INT_PTR>(&ShowMenu));
    skinEngine.AddCaptionButton(gallery, demo::PaletteGlyph(), "Next theme colour",
                                reinterpret_cast<INT_PTR>(&NextTheme));
    skinEngine.SetBottomBarStyle(gallery, 0, 1, RGB(255, 255, 255), RGB(20, 40, 80));
    ShowTime();
    SetTimer(gallery, CLOCK_TIMER, 1000, nullptr);

    ShowWindow(gallery, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;  // the window is gone; the engine goes with this scope
}
