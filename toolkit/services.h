// The platform services the player uses, behind small interfaces so tests can record them.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "graphics/bytes.h"

namespace toolkit {

// Plays a WAVE clip once, without looping, and returns at once.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlayOnce(const graphics::Bytes& wave) = 0;
};

// Global hot keys. Register returns the id the presses will carry (0 when the key cannot be
// registered); presses reach `receiver` as its Feedback event (id, key data).
class HotKeyService {
public:
    virtual ~HotKeyService() = default;
    virtual int Register(HWND owner, HWND receiver, UINT modifiers, UINT virtualKey) = 0;
};

// One embedded browser in a host window. It fails silently: an address it cannot load is
// simply not shown.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void Navigate(const std::string& address) = 0;
    virtual void Resize(int width, int height) = 0;
};

class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    virtual std::unique_ptr<Browser> Create(HWND host) = 0;
};

// A modal message box; returns the button the user chose.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int Show(HWND owner, const std::string& text, const std::string& title, UINT flags) = 0;
};

// Random integers: within [low, high] when both bounds are given, else 0..32767.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int Next(std::optional<int> low = std::nullopt, std::optional<int> high = std::nullopt) = 0;
};

// What a form is built with; the program wires the real implementations, tests the doubles.
struct Services {
    SoundPlayer& sound;
    HotKeyService& hotKeys;
    BrowserFactory& browsers;
    MessageBoxService& messageBox;
    RandomSource& random;
};

}  // namespace toolkit
