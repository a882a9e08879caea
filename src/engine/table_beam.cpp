// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/table_beam.h"

#include "engine/beam_selection.h"

#include <algorithm>
#include <cstdint>

namespace mosaic {

namespace {

constexpr int kMaxCells = PatternDatabases::kMaxCells;
// No beam runs longer than this; a board far from the goal needs a few hundred moves at most.
constexpr int kMaxDepth = 2000;
// Places in a step are kept in 16 bits.
constexpr std::size_t kWidest = 65536;

}  // namespace

std::optional<std::vector<int>> beamWithTables(const PatternDatabases& databases,
                                               const std::vector<int>& board, int width,
                                               const std::stop_token& stop,
                                               std::chrono::steady_clock::time_point deadline) {
    const int columns = databases.columns();
    const int cells = columns * databases.rows();
    const int groups = databases.groupCount();
    const int emptyPiece = databases.emptyGoalCell();
    // On a square grid whose empty goal cell is on the diagonal, the board mirrored about the
    // diagonal needs as many moves: the larger of the two estimates is kept, and their sum
    // breaks ties.
    int mirror[kMaxCells] = {};
    for (int cell = 0; cell < cells; ++cell) {
        mirror[cell] = cell % columns * columns + cell / columns;
    }
    const bool useMirror = columns == databases.rows() && mirror[emptyPiece] == emptyPiece;
    const std::vector<std::uint64_t> keys = boardKeys(cells);
    const auto key = [&](int piece, int cell) {
        return keys[std::size_t(piece) * std::size_t(cells) + std::size_t(cell)];
    };

    // Each board of a beam keeps its pieces by cell and its cells by piece, and each group's
    // bound for the board and for its mirror image: one block of bytes a board.
    const int stride = 2 * cells + 2 * groups;
    struct Entry {
        int empty;
        int previous;
        int sum;
        int mirroredSum;
        std::uint64_t hash;
    };
    struct Candidate {
        int estimate;
        int tie;
        int from;
        int cell;
        std::uint64_t hash;
        const std::uint8_t* bound;
        const std::uint8_t* mirrored;
    };
    std::vector<std::uint8_t> blocks(std::size_t(stride), 0);
    Entry first{0, -1, 0, 0, 0};
    for (int cell = 0; cell < cells; ++cell) {
        blocks[std::size_t(cell)] = std::uint8_t(board[std::size_t(cell)]);
        blocks[std::size_t(cells + board[std::size_t(cell)])] = std::uint8_t(cell);
        first.hash ^= key(board[std::size_t(cell)], cell);
        if (board[std::size_t(cell)] == emptyPiece) {
            first.empty = cell;
        }
    }
    for (int group = 0; group < groups; ++group) {
        int at[kMaxCells];
        int mirroredAt[kMaxCells];
        const std::vector<int>& pieces = databases.piecesOf(group);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            at[i] = blocks[std::size_t(cells + pieces[i])];
            mirroredAt[i] = mirror[blocks[std::size_t(cells + mirror[pieces[i]])]];
        }
        const int bound = databases.lowerBound(group, at);
        const int mirrored = useMirror ? databases.lowerBound(group, mirroredAt) : 0;
        blocks[std::size_t(2 * cells + group)] = std::uint8_t(bound);
        blocks[std::size_t(2 * cells + groups + group)] = std::uint8_t(mirrored);
        first.sum += bound;
        first.mirroredSum += mirrored;
    }
    if (first.sum == 0) {
        return std::vector<int>{};
    }
    // For each board of each step after the first, the place of the board it came from in the
    // step before, and the cell the empty cell moved into: 3 bytes a board, to read the path
    // back at the end.
    std::vector<std::uint16_t> parents;
    std::vector<std::uint8_t> moves;
    std::vector<std::size_t> stepStarts;
    std::vector<Entry> beam{first};
    std::vector<Entry> nextBeam;
    std::vector<std::uint8_t> nextBlocks;
    std::vector<Candidate> candidates;
    std::vector<Candidate> ordered;
    std::vector<std::size_t> bucketEnds;
    KeySet seen;
    const auto better = [](const Candidate& a, const Candidate& b) {
        return a.estimate != b.estimate ? a.estimate < b.estimate
               : a.tie != b.tie         ? a.tie < b.tie
                                        : a.hash < b.hash;
    };
    for (int depth = 1; depth <= kMaxDepth; ++depth) {
        if (stop.stop_requested() || std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        // Every move, then those to boards not met yet in this step, with the entries of the
        // two bounds each changes fetched ahead of reading: the entries lie far apart, and
        // waiting for each in turn would be most of the time.
        candidates.clear();
        seen.clear(3 * beam.size());
        for (int b = 0; b < static_cast<int>(beam.size()); ++b) {
            const Entry& entry = beam[std::size_t(b)];
            const std::uint8_t* block = &blocks[std::size_t(b) * std::size_t(stride)];
            const int empty = entry.empty;
            for (int cell : cellsAround(empty, columns, cells)) {
                if (cell < 0 || cell == entry.previous) {
                    continue;
                }
                const int piece = block[cell];
                const std::uint64_t hash = entry.hash ^ key(piece, cell) ^ key(piece, empty) ^
                                           key(emptyPiece, empty) ^ key(emptyPiece, cell);
                seen.prefetch(hash);
                candidates.push_back({0, 0, b, cell, hash, nullptr, nullptr});
            }
        }
        std::erase_if(candidates, [&](const Candidate& c) { return !seen.insert(c.hash); });
        for (Candidate& candidate : candidates) {
            const std::uint8_t* block = &blocks[std::size_t(candidate.from) * std::size_t(stride)];
            const std::uint8_t* cellOf = block + cells;
            const int empty = beam[std::size_t(candidate.from)].empty;
            const int piece = block[candidate.cell];
            int at[kMaxCells];
            const int group = databases.groupOf(piece);
            const std::vector<int>& pieces = databases.piecesOf(group);
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                at[i] = pieces[i] == piece ? empty : cellOf[pieces[i]];
            }
            candidate.bound = databases.entry(group, at);
            __builtin_prefetch(candidate.bound);
            if (useMirror) {
                const int imageGroup = databases.groupOf(mirror[piece]);
                const std::vector<int>& images = databases.piecesOf(imageGroup);
                for (std::size_t i = 0; i < images.size(); ++i) {
                    const int image = mirror[images[i]];
                    at[i] = mirror[image == piece ? empty : cellOf[image]];
                }
                candidate.mirrored = databases.entry(imageGroup, at);
                __builtin_prefetch(candidate.mirrored);
            }
        }
        int lowest = 255 * 2 * kMaxCells;
        int highest = 0;
        for (Candidate& candidate : candidates) {
            const Entry& entry = beam[std::size_t(candidate.from)];
            const std::uint8_t* bounds =
                &blocks[std::size_t(candidate.from) * std::size_t(stride) + std::size_t(2 * cells)];
            const int piece = blocks[std::size_t(candidate.from) * std::size_t(stride) +
                                     std::size_t(candidate.cell)];
            const int sum = entry.sum - bounds[databases.groupOf(piece)] + *candidate.bound;
            const int mirroredSum =
                useMirror ? entry.mirroredSum - bounds[groups + databases.groupOf(mirror[piece])] +
                                *candidate.mirrored
                          : 0;
            candidate.estimate = std::max(sum, mirroredSum);
            candidate.tie = sum + mirroredSum;
            lowest = std::min(lowest, candidate.estimate);
            highest = std::max(highest, candidate.estimate);
        }
        if (candidates.empty()) {
            return std::nullopt;  // only on a grid with a single move, which the game has not
        }
        if (lowest == 0) {
            const auto goal = std::find_if(candidates.begin(), candidates.end(),
                                           [](const Candidate& c) { return c.estimate == 0; });
            std::vector<int> path{goal->cell};
            for (std::size_t step = stepStarts.size(), at = std::size_t(goal->from); step-- > 0;) {
                path.push_back(moves[stepStarts[step] + at]);
                at = parents[stepStarts[step] + at];
            }
            std::reverse(path.begin(), path.end());
            return path;
        }
        const std::size_t kept = std::min({std::size_t(width), kWidest, candidates.size()});
        keepBest(
            candidates, kept, lowest, highest, [](const Candidate& c) { return c.estimate; },
            better, ordered, bucketEnds);

        nextBeam.clear();
        nextBlocks.resize(kept * std::size_t(stride));
        stepStarts.push_back(parents.size());
        for (std::size_t i = 0; i < kept; ++i) {
            const Candidate& candidate = ordered[i];
            const Entry& parent = beam[std::size_t(candidate.from)];
            std::uint8_t* block = &nextBlocks[i * std::size_t(stride)];
            std::copy_n(&blocks[std::size_t(candidate.from) * std::size_t(stride)], stride, block);
            const int piece = block[candidate.cell];
            block[parent.empty] = std::uint8_t(piece);
            block[candidate.cell] = std::uint8_t(emptyPiece);
            block[cells + piece] = std::uint8_t(parent.empty);
            block[cells + emptyPiece] = std::uint8_t(candidate.cell);
            const int group = databases.groupOf(piece);
            const int sum = parent.sum - block[2 * cells + group] + *candidate.bound;
            block[2 * cells + group] = *candidate.bound;
            int mirroredSum = 0;
            if (useMirror) {
                const int imageGroup = databases.groupOf(mirror[piece]);
                mirroredSum = parent.mirroredSum - block[2 * cells + groups + imageGroup] +
                              *candidate.mirrored;
                block[2 * cells + groups + imageGroup] = *candidate.mirrored;
            }
            parents.push_back(std::uint16_t(candidate.from));
            moves.push_back(std::uint8_t(candidate.cell));
            nextBeam.push_back({candidate.cell, parent.empty, sum, mirroredSum, candidate.hash});
        }
        std::swap(beam, nextBeam);
        std::swap(blocks, nextBlocks);
    }
    return std::nullopt;
}

}  // namespace mosaic
