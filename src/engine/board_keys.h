// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the beam searches use to keep a board met twice in a step once.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mosaic {

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

}  // namespace mosaic
