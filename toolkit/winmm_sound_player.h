// The real sound player: PlaySound from memory, once, asynchronously.
#pragma once
#include <memory>

#include "toolkit/services.h"

namespace toolkit {

class WinmmSoundPlayer : public SoundPlayer {
public:
    WinmmSoundPlayer() = default;
    ~WinmmSoundPlayer() override;
    WinmmSoundPlayer(const WinmmSoundPlayer&) = delete;
    WinmmSoundPlayer& operator=(const WinmmSoundPlayer&) = delete;

    void PlayOnce(const graphics::Bytes& wave) override;

private:
    // PlaySound reads the clip while it plays: keep our own copy alive until the next clip
    // (or the end) has stopped it.
    std::unique_ptr<graphics::Bytes> playing_;
};

}  // namespace toolkit
