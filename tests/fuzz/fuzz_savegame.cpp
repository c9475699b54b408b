// Fuzz target for the saved-game reader. The first byte chooses whether the checksum is mended
// first, so that the checks behind it are reached too. An accepted game must write back the same
// image (an older version's, an image that reads back the same) and play on without harm.
#include "rules/Rules.h"
#include "rules/SavedGame.h"

#include <cstdlib>
#include <vector>

namespace {

class FuzzHost : public QuietRulesHost
{
public:
    bool AskDecision(std::int32_t code) override { return code % 2 == 0; }
    void ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y) override
    {
        x = debt % 7;
        y = debt % 5;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    std::vector<std::uint8_t> image(data + 1, data + size);
    if ((data[0] & 1) != 0 && image.size() >= 4) {
        const std::uint32_t crc = Crc32(std::span(image).first(image.size() - 4));
        for (std::size_t i = 0; i < 4; ++i) {
            image[image.size() - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
        }
    }
    GameState state;
    Board board;
    Random random;
    if (!ReadSavedGame(image, state, board, random).Ok) {
        return 0;
    }
    const std::vector<std::uint8_t> written = SavedGameImage(state, board, random);
    const bool current =
        image[8] == SavedGameFormat::Version && image[9] == 0 && image[10] == 0 && image[11] == 0;
    if (current && written != image) {
        std::abort();
    }
    GameState again;
    Board againBoard;
    Random againRandom;
    if (!ReadSavedGame(written, again, againBoard, againRandom).Ok ||
        SavedGameImage(again, againBoard, againRandom) != written) {
        std::abort();
    }
    FuzzHost host;
    Rules rules(state, board, random, host);
    for (int i = 0; i < 40 && state.Running; ++i) {
        rules.PlayThrow();
    }
    rules.PayOffShown();
    return 0;
}
