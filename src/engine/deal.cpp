// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/deal.h"

#include <algorithm>
#include <vector>

namespace mosaic {

DealRandom::DealRandom(std::function<std::uint32_t()> clockSeed)
    : clockSeed_(std::move(clockSeed)) {}

void DealRandom::startPass() {
    std::seed_seq seed{clockSeed_(), ++passCount_};
    generator_.seed(seed);
}

float DealRandom::next() {
    // 24 random bits make an exact single-precision value in [0, 1).
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

namespace {

// The pieces in reading order, the empty cell left out.
std::vector<int> piecesInReadingOrder(const Board& board) {
    std::vector<int> pieces;
    for (int row = 1; row <= board.rows(); ++row)
        for (int column = 1; column <= board.columns(); ++column)
            if (const int label = board.label({column, row}); label != Board::EmptyCell)
                pieces.push_back(label);
    return pieces;
}

int orderedPairs(const std::vector<int>& pieces) {
    int pairs = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i)
        for (std::size_t j = i + 1; j < pieces.size(); ++j)
            pairs += pieces[j] > pieces[i] ? 1 : 0;
    return pairs;
}

Board dealPass(const Board& goal, PlayKind play, DealRandom& random) {
    random.startPass();
    const GridSize size = goal.size();
    const int labels = play == PlayKind::Sliding ? size.cellCount() - 1 : size.cellCount();
    std::vector<bool> dealt(static_cast<std::size_t>(labels) + 1, false);
    Board board(size);
    for (int row = 1; row <= size.rows; ++row) {
        for (int column = 1; column <= size.columns; ++column) {
            if (play == PlayKind::Sliding && column == size.columns && row == size.rows)
                continue;  // stays empty
            // Deal by rejection: draw again until the label is new.
            for (;;) {
                int label = static_cast<int>(static_cast<double>(labels) * random.next() + 1);
                label = std::clamp(label, 1, labels);
                if (!dealt[static_cast<std::size_t>(label)]) {
                    dealt[static_cast<std::size_t>(label)] = true;
                    board.setLabel({column, row}, label);
                    break;
                }
            }
        }
    }
    return board;
}

}  // namespace

bool sameParity(const Board& board, const Board& goal) {
    const int difference =
        orderedPairs(piecesInReadingOrder(board)) - orderedPairs(piecesInReadingOrder(goal));
    return difference % 2 == 0;
}

Board dealBoard(const Board& goal, PlayKind play, DealRandom& random) {
    for (;;) {
        Board board = dealPass(goal, play, random);
        if (sameParity(board, goal))
            return board;
    }
}

}  // namespace mosaic
