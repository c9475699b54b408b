// Fuzz target for the board reader and what runs on a board once read: the checker, pawn steps,
// junction exits, value formulas and edits.
#include "board/Board.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// A board file image of the input's bytes folded into values a tool could write, so that most
// inputs reach the model instead of stopping at the reader.
std::vector<std::uint8_t> FittedImage(const std::uint8_t* data, std::size_t size)
{
    auto at = [&](std::size_t i) -> std::uint8_t { return size == 0 ? 0 : data[i % size]; };
    const std::int32_t width = 1 + at(0) % 24;
    const std::int32_t height = 1 + at(1) % 24;
    std::vector<std::uint8_t> image;
    auto put32 = [&](std::int32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            image.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
        }
    };
    put32(width);
    put32(height);
    std::size_t next = 2;
    for (std::int32_t i = 0; i < width * height; ++i) {
        const std::uint8_t kind = at(next++) % (CellKind::Last + 1);
        image.push_back(kind);
        image.push_back(at(next++) % (Board::PlayerCount + 1));
        image.push_back(at(next++) % 9);
        image.push_back(at(next++) % Board::StreetCount);
        image.push_back(at(next++) % (1u << Board::PlayerCount));
    }
    put32(static_cast<std::int32_t>(at(next++) % (width + 2)) - 1);
    put32(static_cast<std::int32_t>(at(next++) % (height + 2)) - 1);
    for (int i = 0; i < Board::StreetCount * Board::StreetNameSize; ++i) {
        image.push_back(at(next++));
    }
    return image;
}

void Exercise(Board& board, std::uint64_t seed)
{
    board.SetDerivedFields();
    for (const BoardProblem& problem : board.Check()) {
        if (problem.Text.empty()) {
            std::abort();
        }
    }
    // A round trip must give the same image.
    const std::vector<std::uint8_t> image = board.FileImage();
    Board copy;
    if (!copy.ReadFrom(image) || copy.FileImage() != image) {
        std::abort();
    }

    std::uint64_t state = seed;
    auto draw = [&state] {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::uint32_t>(state >> 33);
    };
    std::array<std::int32_t, Board::PlayerCount> x{}, y{};
    for (std::int32_t player = 0; player < Board::PlayerCount; ++player) {
        board.MovePawn(player, x[player], y[player], board.StartX, board.StartY);
    }
    for (int step = 0; step < 300; ++step) {
        if (step % 40 == 0) {
            board.ChooseJunctionExits(draw);
        }
        const std::int32_t player = step % Board::PlayerCount;
        board.StepPawn(player, x[player], y[player]);
        volatile std::int32_t sum = board.Rent(0, x[player], y[player]) +
                                    board.Price(step % 7, x[player], y[player]) +
                                    board.MortgageValue(x[player], y[player]);
        (void)sum;
        if (step % 10 == 0) {
            board.CursorX =
                static_cast<std::int32_t>(draw() % static_cast<std::uint32_t>(board.Width() + 2)) - 1;
            board.CursorY =
                static_cast<std::int32_t>(draw() % static_cast<std::uint32_t>(board.Height() + 2)) - 1;
            board.Edit(static_cast<EditTool>(draw() % 8), static_cast<std::int32_t>(draw() % 40) - 4,
                       static_cast<std::int32_t>(draw() % 9) - 1);
        }
    }
    board.Check();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Board raw;
    if (raw.ReadFrom(std::span<const std::uint8_t>(data, size))) {
        Exercise(raw, size);
    }
    Board fitted;
    if (!fitted.ReadFrom(FittedImage(data, size))) {
        std::abort(); // a fitted image is always a readable board
    }
    Exercise(fitted, size * 31 + (size > 0 ? data[0] : 0));
    return 0;
}
