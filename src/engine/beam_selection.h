// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the beam searches use at each step: to keep a board met twice once, and to keep the best.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mosaic {

// The cells the empty cell on `empty` may move into, up, left, right and down in that order
// (the order keeps runs repeatable); -1 past the edge.
inline std::array<int, 4> cellsAround(int empty, int columns, int cells) {
    const int column = empty % columns;
    return {empty >= columns ? empty - columns : -1, column > 0 ? empty - 1 : -1,
            column < columns - 1 ? empty + 1 : -1, empty + columns < cells ? empty + columns : -1};
}

// Random keys, the same on every run, for each (piece, cell) of a grid of `cells` cells, indexed
// piece * cells + cell: a board's key is the XOR of its pieces' keys.
inline std::vector<std::uint64_t> boardKeys(int cells) {
    std::vector<std::uint64_t> keys(static_cast<std::size_t>(cells) *
                                    static_cast<std::size_t>(cells));
    std::uint64_t seed = 0;
    for (auto& key : keys) {
        seed += 0x9e3779b97f4a7c15ull;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        key = z ^ (z >> 31);
    }
    return keys;
}

// The keys of the boards taken into a beam: open addressing over twice as many slots as keys,
// emptied for each step by a stamp rather than by clearing.
class KeySet {
public:
    void clear(std::size_t most) {
        std::size_t size = 16;
        while (size < 2 * most) {
            size *= 2;
        }
        if (size > keys_.size()) {
            keys_.assign(size, 0);
            stamps_.assign(size, 0);
            stamp_ = 0;
        }
        mask_ = size - 1;
        ++stamp_;
    }
    // Fetches the key's first slot ahead of an insert.
    void prefetch(std::uint64_t key) const { __builtin_prefetch(&stamps_[key & mask_]); }
    // False if the key was there already.
    bool insert(std::uint64_t key) {
        for (std::size_t slot = key & mask_;; slot = (slot + 1) & mask_) {
            if (stamps_[slot] != stamp_) {
                stamps_[slot] = stamp_;
                keys_[slot] = key;
                return true;
            }
            if (keys_[slot] == key) {
                return false;
            }
        }
    }

private:
    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t> stamps_;
    std::uint32_t stamp_ = 0;
    std::size_t mask_ = 0;
};

// The best `kept` of `candidates` by `score` (whole numbers from `lowest` to `highest`, close
// together), then by `better`, into `ordered`, in order of score. Counting the scores places the
// candidates in one pass, and only within the score cut through are candidates compared:
// selecting by comparisons alone took a third of the time of a solve. `bucketEnds` is scratch.
template <typename Candidate, typename Score, typename Better>
void keepBest(const std::vector<Candidate>& candidates, std::size_t kept, int lowest, int highest,
              Score score, Better better, std::vector<Candidate>& ordered,
              std::vector<std::size_t>& bucketEnds) {
    bucketEnds.assign(std::size_t(highest - lowest) + 2, 0);
    for (const Candidate& candidate : candidates) {
        ++bucketEnds[std::size_t(score(candidate) - lowest) + 1];
    }
    for (std::size_t s = 1; s < bucketEnds.size(); ++s) {
        bucketEnds[s] += bucketEnds[s - 1];
    }
    ordered.resize(candidates.size());
    for (const Candidate& candidate : candidates) {
        ordered[bucketEnds[std::size_t(score(candidate) - lowest)]++] = candidate;
    }
    // bucketEnds[s] is now where score lowest + s ends.
    const auto cut = std::upper_bound(bucketEnds.begin(), bucketEnds.end(), kept - 1);
    const std::size_t cutBegin = cut == bucketEnds.begin() ? 0 : *(cut - 1);
    if (kept < *cut) {
        std::nth_element(ordered.begin() + std::ptrdiff_t(cutBegin),
                         ordered.begin() + std::ptrdiff_t(kept),
                         ordered.begin() + std::ptrdiff_t(*cut), better);
    }
    ordered.resize(kept);
}

}  // namespace mosaic
