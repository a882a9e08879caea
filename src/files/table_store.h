// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The solver's tables kept in a folder (the user's cache folder in the game and the tools), so
// a fresh process reads them instead of building them. Files are written whole or not at all;
// what is read is checked by the solver before use.

#include "engine/solver.h"

#include <string>

namespace mosaic {

class FolderTableStore : public TableStore {
public:
    explicit FolderTableStore(std::string folder) : folder_(std::move(folder)) {}

    // The user's cache folder for this program (QStandardPaths::CacheLocation).
    static std::string userCacheFolder();

    std::optional<std::vector<std::uint8_t>> read(const std::string& name,
                                                  std::size_t maxBytes) override;
    bool write(const std::string& name, std::span<const std::uint8_t> bytes) override;

private:
    std::string folder_;
};

}  // namespace mosaic
