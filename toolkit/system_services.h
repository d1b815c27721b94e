// The real implementations of every service, as one bundle a program wires into its forms.
#pragma once
#include "toolkit/ole_browser.h"
#include "toolkit/services.h"
#include "toolkit/system_hot_keys.h"
#include "toolkit/system_message_box.h"
#include "toolkit/system_random.h"
#include "toolkit/winmm_sound_player.h"

namespace toolkit {

struct SystemServices {
    WinmmSoundPlayer sound;
    SystemHotKeys hotKeys;
    OleBrowserFactory browsers;
    SystemMessageBox messageBox;
    SystemRandom random;

    Services Wire() { return {sound, hotKeys, browsers, messageBox, random}; }
};

}  // namespace toolkit
