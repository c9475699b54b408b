// Test entry: sets up the headless environment (SDL dummy video, silent audio, fixed fonts)
// before any test touches SDL or fontconfig.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    setenv("FONTCONFIG_FILE", TARNHOLLOW_FONTCONFIG_FILE, 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
