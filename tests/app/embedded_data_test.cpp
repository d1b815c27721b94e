// The embedded clips and pictures have exactly the formats the player's data table gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "app/embedded_data.h"

namespace {

std::uint32_t Le32(const graphics::Bytes& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
unsigned Le16(const graphics::Bytes& b, size_t at) { return b[at] | b[at + 1] << 8; }
unsigned Be16(const graphics::Bytes& b, size_t at) { return b[at] << 8 | b[at + 1]; }

struct Wave {
    unsigned tag, channels, rate, bits, blockAlign;
    std::uint32_t dataSize;
};

// Walks the RIFF chunks; the fields stay 0 when a chunk is missing.
Wave ReadWave(const graphics::Bytes& clip) {
    Wave wave = {};
    if (clip.size() < 12 || std::memcmp(clip.data(), "RIFF", 4) || std::memcmp(&clip[8], "WAVE", 4)) return wave;
    for (size_t at = 12; at + 8 <= clip.size();) {
        const std::uint32_t size = Le32(clip, at + 4);
        if (!std::memcmp(&clip[at], "fmt ", 4))
            wave = {Le16(clip, at + 8), Le16(clip, at + 10), Le32(clip, at + 12), Le16(clip, at + 22),
                    Le16(clip, at + 20), wave.dataSize};
        if (!std::memcmp(&clip[at], "data", 4)) wave.dataSize = size;
        at += 8 + size + (size & 1);
    }
    return wave;
}

TEST(EmbeddedData, ClipsAreTheWaveFormatsOfTheDataTable) {
    struct Case {
        const char* name;
        const graphics::Bytes& clip;
        size_t size;
        Wave wave;
    } cases[] = {
        {"STARTUP_CLIP", app::STARTUP_CLIP(), 9156, {2, 1, 22050, 4, 512, 9033}},   // MS ADPCM
        {"CLICK_CLIP", app::CLICK_CLIP(), 119384, {1, 2, 22050, 16, 4, 119292}},    // PCM
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.clip.size(), c.size);
        EXPECT_EQ(Le32(c.clip, 4), c.size - 8);
        const Wave wave = ReadWave(c.clip);
        EXPECT_EQ(wave.tag, c.wave.tag);
        EXPECT_EQ(wave.channels, c.wave.channels);
        EXPECT_EQ(wave.rate, c.wave.rate);
        EXPECT_EQ(wave.bits, c.wave.bits);
        EXPECT_EQ(wave.blockAlign, c.wave.blockAlign);
        EXPECT_EQ(wave.dataSize, c.wave.dataSize);
    }
}

TEST(EmbeddedData, PicturesAreTheJpegAndPngOfTheDataTable) {
    const graphics::Bytes& background = app::BACKGROUND_PICTURE();
    ASSERT_EQ(background.size(), 80531u);
    ASSERT_EQ(Be16(background, 0), 0xFFD8u);
    unsigned width = 0, height = 0;
    for (size_t at = 2; at + 9 < background.size() && background[at] == 0xFF;) {
        const unsigned marker = background[at + 1];
        if (marker == 0xC0) {
            height = Be16(background, at + 5);
            width = Be16(background, at + 7);
            break;
        }
        at += 2 + Be16(background, at + 2);
    }
    EXPECT_EQ(width, 800u);
    EXPECT_EQ(height, 519u);

    const graphics::Bytes& badge = app::BADGE_PICTURE();
    ASSERT_EQ(badge.size(), 14688u);
    ASSERT_EQ(std::memcmp(badge.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    ASSERT_EQ(std::memcmp(&badge[12], "IHDR", 4), 0);
    EXPECT_EQ(Be16(badge, 18), 104u);
    EXPECT_EQ(Be16(badge, 22), 101u);
    EXPECT_EQ(badge[24], 8);  // bits per channel
    EXPECT_EQ(badge[25], 2);  // RGB, no alpha
}

}  // namespace
