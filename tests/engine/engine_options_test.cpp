// Engine options: SetOptions and the module set-up's first values.
#include <gtest/gtest.h>

#include "engine/skin_engine.h"

namespace {

struct Options {
    int skinControls, controlAlpha, translucentControls, trackBarFrame;
    bool operator==(const Options& o) const {
        return skinControls == o.skinControls && controlAlpha == o.controlAlpha &&
               translucentControls == o.translucentControls && trackBarFrame == o.trackBarFrame;
    }
};

Options Current() {
    return {skin::skinControls, skin::controlAlpha, skin::translucentControls, skin::trackBarFrame};
}

std::ostream& operator<<(std::ostream& out, const Options& o) {
    return out << "{skin " << o.skinControls << ", alpha " << o.controlAlpha << ", translucent "
               << o.translucentControls << ", frame " << o.trackBarFrame << "}";
}

TEST(EngineOptions, SetOptionsTakesGivenValuesAndDefaultsTheRest) {
    skin::SkinEngine engine;
    struct Case {
        int skin;
        std::optional<int> alpha, frame;
        Options expected;
    } cases[] = {
        {1, 0, std::nullopt, {1, 0, 1, 1}},  // what the player passes
        {0, std::nullopt, std::nullopt, {0, 160, 0, 1}},
        {1, 255, 0, {1, 255, 1, 0}},
        {7, std::nullopt, 5, {7, 160, 0, 5}},
    };
    for (const auto& c : cases) {
        engine.SetOptions(1, 99, 9);  // something else first, so every field must be rewritten
        engine.SetOptions(c.skin, c.alpha, c.frame);
        EXPECT_EQ(Current(), c.expected);
    }
}

TEST(EngineOptions, ModuleSetUpOverwritesOptionsGivenBeforeIt) {
    {
        skin::SkinEngine engine;
        engine.SetOptions(0, 12, 0);
        skin::themeColor = RGB(1, 2, 3);
        skin::firstSizePending = 0;
        skin::EngineModuleSetUp();
        EXPECT_EQ(skin::skinControls, 1);
        EXPECT_EQ(skin::controlAlpha, 160);
        EXPECT_EQ(skin::trackBarFrame, 1);
        EXPECT_EQ(skin::themeColor, static_cast<COLORREF>(14535202));
        EXPECT_EQ(skin::firstSizePending, 1);
        // The set-up leaves the translucency flag to SetOptions.
        EXPECT_EQ(skin::translucentControls, 1);
        EXPECT_NE(skin::gdiplusToken, 0u);
        EXPECT_EQ(skin::gdiplusTokenCopy, skin::gdiplusToken);
        // Then the player's creation handler sets its own options, which stay in force.
        engine.SetOptions(1, 0);
        EXPECT_EQ(Current(), (Options{1, 0, 1, 1}));
    }
    // The engine's destructor ended GDI+ for the process.
    EXPECT_EQ(skin::gdiplusToken, 0u);
}

}  // namespace
