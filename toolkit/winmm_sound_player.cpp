// PlaySound with SND_MEMORY | SND_ASYNC | SND_NODEFAULT over an owned copy of the clip.
#include "toolkit/winmm_sound_player.h"

#include <windows.h>
#include <mmsystem.h>

namespace toolkit {

WinmmSoundPlayer::~WinmmSoundPlayer() {
    // Stops the clip (and waits for it) before its bytes go.
    if (playing_) PlaySoundW(nullptr, nullptr, 0);
}

void WinmmSoundPlayer::PlayOnce(const graphics::Bytes& wave) {
    if (wave.empty()) return;
    auto next = std::make_unique<graphics::Bytes>(wave);
    // Starting a sound stops the one playing before PlaySound returns, so the old copy may go.
    PlaySoundW(reinterpret_cast<LPCWSTR>(next->data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    playing_ = std::move(next);
}

}  // namespace toolkit
