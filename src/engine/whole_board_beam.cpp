// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/whole_board_beam.h"

#include "engine/beam_selection.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace mosaic {

namespace {

// The selection this search first made: the best twice the width by (total, key), sorted, and the
// first of boards met twice; its callers then kept the first `beamWidth` of these.
template <typename Candidate>
void selectByComparison(std::vector<Candidate>& candidates, int beamWidth) {
    const auto better = [](const Candidate& a, const Candidate& b) {
        return a.total != b.total ? a.total < b.total : a.hash < b.hash;
    };
    const auto kept =
        candidates.begin() + std::min<std::ptrdiff_t>(2 * beamWidth, std::ssize(candidates));
    std::nth_element(candidates.begin(), kept - 1, candidates.end(), better);
    std::sort(candidates.begin(), kept, better);
    candidates.erase(kept, candidates.end());
    candidates.erase(
        std::unique(candidates.begin(), candidates.end(),
                    [](const Candidate& a, const Candidate& b) { return a.hash == b.hash; }),
        candidates.end());
}

}  // namespace

std::vector<int> beamTowardGoal(int columns, int rows, const std::vector<int>& start,
                                int emptyPiece, const std::vector<int>& weight, int beamWidth,
                                int movesPerDistance, const std::stop_token& stop,
                                bool firstSelection) {
    const int cells = columns * rows;
    // Rows and columns of the cells, and each piece's weighted distance from each cell, looked
    // up rather than divided out: the search asks for them millions of times.
    std::vector<int> rowOf(static_cast<std::size_t>(cells)), columnOf(rowOf.size());
    for (int cell = 0; cell < cells; ++cell) {
        rowOf[cell] = cell / columns;
        columnOf[cell] = cell % columns;
    }
    std::vector<int> weighted(static_cast<std::size_t>(cells) * cells);
    for (int cell = 0; cell < cells; ++cell) {
        for (int piece = 0; piece < cells; ++piece) {
            weighted[std::size_t(cell * cells + piece)] =
                weight[piece] *
                (std::abs(columnOf[cell] - columnOf[piece]) + std::abs(rowOf[cell] - rowOf[piece]));
        }
    }
    const auto distance = [&](int cell, int piece) {
        return weighted[std::size_t(cell * cells + piece)];
    };
    // A board's key is the XOR over its cells, so boards reached by different moves are kept once.
    const std::vector<std::uint64_t> keys = boardKeys(cells);
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
        const std::vector<int>& lineOf = alongRow ? rowOf : columnOf;
        if (lineOf[piece] != lineOf[cell]) {
            return 0;
        }
        const std::vector<int>& placeOf = alongRow ? columnOf : rowOf;
        const int step = alongRow ? 1 : columns;
        const int count = alongRow ? columns : rows;
        const int first = alongRow ? cell - columnOf[cell] : columnOf[cell];
        const int here = placeOf[cell];
        const int goalHere = placeOf[piece];
        int sum = 0;
        for (int i = 0, at = first; i < count; ++i, at += step) {
            const int other = board[at];
            if (i == here || other == emptyPiece || lineOf[other] != lineOf[piece]) {
                continue;
            }
            if ((i - here) * (placeOf[other] - goalHere) < 0) {
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
    std::vector<Entry> nextBeam;
    std::vector<std::uint8_t> nextBoards;
    // Scores are in tenths of moves: weights are tenths, so are `movesPerDistance`.
    long bestScore = static_cast<long>(first.total) * movesPerDistance / 10;
    int bestHistory = -1;
    int sinceBest = 0;
    std::vector<Candidate> candidates;
    std::vector<Candidate> ordered;
    std::vector<std::size_t> bucketEnds;
    KeySet seen;
    // The search ends once a while has passed without a better point to cut.
    for (int depth = 1; sinceBest < 4 * (columns + rows); ++depth, ++sinceBest) {
        if (depth % 8 == 0 && stop.stop_requested()) {  // a few milliseconds apart
            return {};
        }
        candidates.clear();
        for (int b = 0; b < static_cast<int>(beam.size()); ++b) {
            const Entry& entry = beam[b];
            std::uint8_t* board = &boards[static_cast<std::size_t>(b) * cells];
            const int empty = entry.empty;
            for (int cell : cellsAround(empty, columns, cells)) {
                if (cell < 0 || cell == entry.previous) {
                    continue;
                }
                const int piece = board[cell];
                // A move across rows changes the piece's row conflicts only, and the other way.
                const bool acrossRows = rowOf[cell] != rowOf[empty];
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
        if (firstSelection) {
            selectByComparison(candidates, beamWidth);
        }
        // A board reached twice is kept once; of the rest only the best are kept, by total and
        // then by key.
        seen.clear(candidates.size());
        std::erase_if(candidates, [&](const Candidate& c) { return !seen.insert(c.hash); });
        const auto better = [](const Candidate& a, const Candidate& b) {
            return a.total != b.total ? a.total < b.total : a.hash < b.hash;
        };
        const std::size_t kept = std::min<std::size_t>(std::size_t(beamWidth), candidates.size());
        const auto [lowest, highest] = std::minmax_element(
            candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.total < b.total; });
        const std::size_t range = std::size_t(highest->total - lowest->total) + 1;
        if (firstSelection) {
            candidates.resize(kept);
        } else if (range <= 4 * candidates.size()) {
            // Totals are whole numbers close together.
            keepBest(
                candidates, kept, lowest->total, highest->total,
                [](const Candidate& c) { return c.total; }, better, ordered, bucketEnds);
            std::swap(candidates, ordered);
        } else {
            const auto end = candidates.begin() + std::ptrdiff_t(kept);
            std::nth_element(candidates.begin(), end - 1, candidates.end(), better);
            std::sort(candidates.begin(), end, better);
            candidates.erase(end, candidates.end());
        }
        nextBeam.clear();
        nextBoards.clear();
        nextBoards.reserve(candidates.size() * std::size_t(cells));
        for (const Candidate& candidate : candidates) {
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
        std::swap(beam, nextBeam);
        std::swap(boards, nextBoards);
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
