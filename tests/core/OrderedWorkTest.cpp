// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OrderedWork.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace quillog;

namespace
{

struct Outcome {
    bool complete = false;
    std::vector<std::size_t> handedOn;
    bool slotsHeldTheirPiece = true;
};

// Each piece writes its number into its slot, the early ones slowly, so that later pieces tend to be
// ready first; handOn records the order and stops after stopAfter pieces.
Outcome runPieces(
    std::size_t pieces, std::size_t workers, std::size_t slots, std::size_t stopAfter = SIZE_MAX)
{
    Outcome run;
    std::vector<std::size_t> slotPiece(std::max<std::size_t>(slots, 1), SIZE_MAX);
    const OrderedWork work {
        [&](std::size_t piece, std::size_t slot) {
            if (piece % 3 == 0)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            slotPiece[slot] = piece;
        },
        [&](std::size_t piece, std::size_t slot) {
            run.slotsHeldTheirPiece &= slotPiece[slot] == piece;
            run.handedOn.push_back(piece);
            return run.handedOn.size() < stopAfter;
        },
    };
    run.complete = runInOrder(pieces, workers, slots, work);
    return run;
}

std::vector<std::size_t> numbers(std::size_t count)
{
    std::vector<std::size_t> all(count);
    for (std::size_t i = 0; i < count; ++i)
        all[i] = i;
    return all;
}

} // namespace

TEST(OrderedWork, HandsEveryPieceOnInOrderWhateverTheThreadsAndSlots)
{
    const struct {
        std::size_t pieces;
        std::size_t workers;
        std::size_t slots;
    } cases[] = { { 0, 2, 4 }, { 1, 2, 4 }, { 50, 1, 2 }, { 50, 2, 4 }, { 200, 4, 1 }, { 200, 3, 7 },
        { 5, 8, 16 } };
    for (const auto &c : cases) {
        const Outcome run = runPieces(c.pieces, c.workers, c.slots);
        EXPECT_TRUE(run.complete);
        EXPECT_EQ(run.handedOn, numbers(c.pieces)) << c.pieces << " " << c.workers << " " << c.slots;
        EXPECT_TRUE(run.slotsHeldTheirPiece) << c.pieces << " " << c.workers << " " << c.slots;
    }
}

TEST(OrderedWork, AStopHandsOnNothingAfterIt)
{
    for (const std::size_t workers : { 1, 2, 4 }) {
        const Outcome run = runPieces(100, workers, 4, 10);
        EXPECT_FALSE(run.complete);
        EXPECT_EQ(run.handedOn, numbers(10)) << workers;
    }
}

TEST(OrderedWork, AFailedPieceComesOutOnTheCallingThreadAfterThePiecesBeforeIt)
{
    for (const std::size_t workers : { 1, 2, 4 }) {
        std::vector<std::size_t> handedOn;
        const OrderedWork work {
            [](std::size_t piece, std::size_t) {
                if (piece == 7)
                    throw std::runtime_error("piece 7");
            },
            [&](std::size_t piece, std::size_t) {
                handedOn.push_back(piece);
                return true;
            },
        };
        EXPECT_THROW(runInOrder(40, workers, 4, work), std::runtime_error) << workers;
        EXPECT_EQ(handedOn, numbers(7)) << workers;
    }
}
