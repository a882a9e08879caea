// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/table_store.h"

#include "files/saved_game.h"

#include <QStandardPaths>

#include <filesystem>
#include <fstream>

namespace mosaic {

std::string FolderTableStore::userCacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString();
}

std::optional<std::vector<std::uint8_t>> FolderTableStore::read(const std::string& name,
                                                                std::size_t maxBytes) {
    const std::filesystem::path path = std::filesystem::path(folder_) / name;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > maxBytes)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(size);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size)) ||
        file.peek() != std::ifstream::traits_type::eof())
        return std::nullopt;  // shorter or longer than it said: changed while read
    return bytes;
}

bool FolderTableStore::write(const std::string& name, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    return !error && writeFileAtomically((std::filesystem::path(folder_) / name).string(), bytes);
}

}  // namespace mosaic
