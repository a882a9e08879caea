// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/whole_board_beam.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace mosaic {

std::vector<int> beamTowardGoal(int columns, int rows, const std::vector<int>& start,
                                int emptyPiece, const std::vector<int>& weight, int beamWidth,
                                int movesPerDistance, const std::stop_token& stop) {
    const int cells = columns * rows;
    const auto distance = [&](int cell, int piece) {
        return weight[piece] * (std::abs(cell % columns - piece % columns) +
                                std::abs(cell / columns - piece / columns));
    };
    // Random keys per (piece, cell): a board's key is the XOR over its cells, so boards reached
    // by different moves are kept once.
    std::vector<std::uint64_t> keys(static_cast<std::size_t>(cells) * cells);
    std::uint64_t seed = 0;
    for (auto& key : keys) {
        seed += 0x9e3779b97f4a7c15ull;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        key = z ^ (z >> 31);
    }
    struct Entry {
        int empty;
        int previous;
        int total;  // weighted distances
        std::uint64_t hash;
        int history;
    };
    struct Step {
        int parent;
        int cell;
    };
    struct Candidate {
        int total;
        int from;
        int cell;
        std::uint64_t hash;
    };
    // Pairs of pieces in their goal row (or column) but in the wrong order there: one of them
    // must leave the line and come back, two moves more than their distances say.
    const auto conflicts = [&](const std::uint8_t* board, int piece, int cell, bool alongRow) {
        int sum = 0;
        const int step = alongRow ? 1 : columns;
        const int count = alongRow ? columns : rows;
        const int first = alongRow ? cell - cell % columns : cell % columns;
        const int here = alongRow ? cell % columns : cell / columns;
        const int goalHere = alongRow ? piece % columns : piece / columns;
        if (alongRow ? piece / columns != cell / columns : piece % columns != cell % columns) {
            return 0;
        }
        for (int i = 0; i < count; ++i) {
            const int other = board[first + i * step];
            if (i == here || other == emptyPiece) {
                continue;
            }
            const bool sameLine =
                alongRow ? other / columns == piece / columns : other % columns == piece % columns;
            const int goalThere = alongRow ? other % columns : other / columns;
            if (sameLine && (i - here) * (goalThere - goalHere) < 0) {
                sum += weight[piece] + weight[other];
            }
        }
        return sum;
    };
    std::vector<Step> steps;
    std::vector<std::uint8_t> boards(start.begin(), start.end());
    Entry first{0, -1, 0, 0, -1};
    for (int cell = 0; cell < cells; ++cell) {
        const int piece = start[cell];
        first.hash ^= keys[piece * cells + cell];
        if (piece == emptyPiece) {
            first.empty = cell;
        } else {
            first.total += distance(cell, piece);
            // Each pair is met from both ends.
            first.total += (conflicts(boards.data(), piece, cell, true) +
                            conflicts(boards.data(), piece, cell, false)) /
                           2;
        }
    }
    std::vector<Entry> beam{first};
    // Scores are in tenths of moves: weights are tenths, so are `movesPerDistance`.
    long bestScore = static_cast<long>(first.total) * movesPerDistance / 10;
    int bestHistory = -1;
    int sinceBest = 0;
    std::vector<Candidate> candidates;
    // The search ends once a while has passed without a better point to cut.
    for (int depth = 1; sinceBest < 4 * (columns + rows); ++depth, ++sinceBest) {
        if (depth % 64 == 0 && stop.stop_requested()) {
            return {};
        }
        candidates.clear();
        for (int b = 0; b < static_cast<int>(beam.size()); ++b) {
            const Entry& entry = beam[b];
            std::uint8_t* board = &boards[static_cast<std::size_t>(b) * cells];
            const int empty = entry.empty;
            const int column = empty % columns;
            const int next[4] = {empty >= columns ? empty - columns : -1,
                                 column > 0 ? empty - 1 : -1, column < columns - 1 ? empty + 1 : -1,
                                 empty + columns < cells ? empty + columns : -1};
            for (int cell : next) {
                if (cell < 0 || cell == entry.previous) {
                    continue;
                }
                const int piece = board[cell];
                // A move across rows changes the piece's row conflicts only, and the other way.
                const bool acrossRows = cell / columns != empty / columns;
                int total = entry.total + distance(empty, piece) - distance(cell, piece) -
                            conflicts(board, piece, cell, acrossRows);
                // The board is changed for the count and changed back.
                board[empty] = static_cast<std::uint8_t>(piece);
                board[cell] = static_cast<std::uint8_t>(emptyPiece);
                total += conflicts(board, piece, empty, acrossRows);
                board[cell] = static_cast<std::uint8_t>(piece);
                board[empty] = static_cast<std::uint8_t>(emptyPiece);
                candidates.push_back(
                    {total, b, cell,
                     entry.hash ^ keys[piece * cells + cell] ^ keys[piece * cells + empty] ^
                         keys[emptyPiece * cells + empty] ^ keys[emptyPiece * cells + cell]});
            }
        }
        // Only the best are kept; twice the width leaves room for boards met twice.
        const auto better = [](const Candidate& a, const Candidate& b) {
            return a.total != b.total ? a.total < b.total : a.hash < b.hash;
        };
        const auto kept =
            candidates.begin() + std::min<std::ptrdiff_t>(2 * beamWidth, std::ssize(candidates));
        std::nth_element(candidates.begin(), kept - 1, candidates.end(), better);
        std::sort(candidates.begin(), kept, better);
        candidates.erase(kept, candidates.end());
        std::vector<Entry> nextBeam;
        std::vector<std::uint8_t> nextBoards;
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            const Candidate& candidate = candidates[c];
            if (static_cast<int>(nextBeam.size()) == beamWidth) {
                break;
            }
            // Equal boards have equal totals, so the sort puts them side by side.
            if (c > 0 && candidates[c - 1].hash == candidate.hash) {
                continue;
            }
            const Entry& parent = beam[candidate.from];
            const std::size_t offset = nextBoards.size();
            nextBoards.insert(
                nextBoards.end(),
                boards.begin() + static_cast<std::ptrdiff_t>(candidate.from) * cells,
                boards.begin() + static_cast<std::ptrdiff_t>(candidate.from + 1) * cells);
            nextBoards[offset + parent.empty] = nextBoards[offset + candidate.cell];
            nextBoards[offset + candidate.cell] = static_cast<std::uint8_t>(emptyPiece);
            steps.push_back({parent.history, candidate.cell});
            nextBeam.push_back({candidate.cell, parent.empty, candidate.total, candidate.hash,
                                static_cast<int>(steps.size()) - 1});
        }
        beam = std::move(nextBeam);
        boards = std::move(nextBoards);
        const long score =
            static_cast<long>(beam.front().total) * movesPerDistance / 10 + 10L * depth;
        if (score < bestScore) {
            bestScore = score;
            bestHistory = beam.front().history;
            sinceBest = 0;
        }
    }
    std::vector<int> path;
    for (int h = bestHistory; h >= 0; h = steps[h].parent) {
        path.push_back(steps[h].cell);
    }
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace mosaic
