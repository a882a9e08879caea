// SPDX-License-Identifier: GPL-3.0-or-later
// The picture reader on real files: what it refuses, and the size and colours
// of what it gives back, without the text its file carried.

#include "files/picture_reader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImageWriter>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <future>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace mosaic;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

const QColor QuarterColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// Four coloured quarters, so a picture cut, turned or stretched on the way
// shows in the colour at the middle of each quarter.
QImage quarters(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QuarterColours[(y * 2 / height) * 2 + x * 2 / width]);
    return image;
}

Bytes encode(const QImage& image, const char* format, bool progressive = false,
             const char* text = nullptr) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    if (text)
        writer.setText("Title", text);
    EXPECT_TRUE(writer.write(image));
    return Bytes(data.begin(), data.end());
}

void put16(Bytes& bytes, int value) {
    bytes.push_back(std::uint8_t(value >> 8));
    bytes.push_back(std::uint8_t(value));
}

void put32(Bytes& bytes, std::uint32_t value) {
    put16(bytes, int(value >> 16));
    put16(bytes, int(value & 0xFFFF));
}

std::uint32_t crc32(Bytes::const_iterator from, Bytes::const_iterator to) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (; from != to; ++from) {
        crc ^= *from;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc >> 1 ^ (crc & 1 ? 0xEDB88320 : 0);
    }
    return ~crc;
}

// A PNG chunk as libpng takes it, its CRC right.
Bytes pngChunk(const char* type, const Bytes& data) {
    Bytes chunk;
    put32(chunk, std::uint32_t(data.size()));
    chunk.insert(chunk.end(), type, type + 4);
    chunk.insert(chunk.end(), data.begin(), data.end());
    put32(chunk, crc32(chunk.begin() + 4, chunk.end()));
    return chunk;
}

// The start of a chunk whose length says more than the file holds.
Bytes pngChunkClaiming(const char* type, std::uint32_t length) {
    Bytes chunk;
    put32(chunk, length);
    chunk.insert(chunk.end(), type, type + 4);
    chunk.insert(chunk.end(), 64, 'a');
    return chunk;
}

// Chunks added to a PNG between its header chunk and the rest.
Bytes withPngChunks(Bytes png, const std::vector<Bytes>& chunks) {
    constexpr std::size_t afterHeader = 8 + 25;
    for (auto chunk = chunks.rbegin(); chunk != chunks.rend(); ++chunk)
        png.insert(png.begin() + afterHeader, chunk->begin(), chunk->end());
    return png;
}

// zTXt and iTXt chunks, each of 7.5 MB of text deflated to 7 KB; Qt's reader
// inflates them while reading the header and keeps the text.
std::vector<Bytes> compressedTextChunks(int count) {
    const QByteArray zlib = qCompress(QByteArray(7'500'000, 'a'), 9);
    const Bytes deflated(zlib.begin() + 4, zlib.end());  // without Qt's length
    std::vector<Bytes> chunks;
    for (int i = 0; i < count; ++i) {
        Bytes data = {'N', 'o', 't', 'e', std::uint8_t('a' + i % 26), 0};
        if (i % 2)  // iTXt: compressed, method 0, no language, no translated keyword
            data.insert(data.end(), {1, 0, 0, 0});
        else  // zTXt: method 0
            data.push_back(0);
        data.insert(data.end(), deflated.begin(), deflated.end());
        chunks.push_back(pngChunk(i % 2 ? "iTXt" : "zTXt", data));
    }
    return chunks;
}

// A PNG whose header claims width x height; its pixels never come.
Bytes pngClaiming(int width, int height) {
    Bytes png = encode(quarters(16, 16), "png");
    Bytes header;
    put32(header, std::uint32_t(width));
    put32(header, std::uint32_t(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    const Bytes claiming = pngChunk("IHDR", header);
    std::copy(claiming.begin(), claiming.end(), png.begin() + 8);
    return png;
}

// The bytes put in before the file's last `tail` bytes: a PNG's end chunk or
// a JPEG's end marker.
Bytes beforeTheEnd(Bytes file, std::size_t tail, const Bytes& bytes) {
    file.insert(file.end() - std::ptrdiff_t(tail), bytes.begin(), bytes.end());
    return file;
}

Bytes firstBytes(Bytes file, std::size_t count) {
    file.resize(count);
    return file;
}

// JPEG markers of 64 KB each, put in after the start of the image.
Bytes withJpegMarkers(Bytes jpeg, std::initializer_list<std::uint8_t> markers, int count) {
    Bytes segments;
    for (int i = 0; i < count; ++i)
        for (const std::uint8_t marker : markers) {
            segments.insert(segments.end(), {0xFF, marker, 0xFF, 0xFF});
            segments.insert(segments.end(), 65533, 'x');
        }
    jpeg.insert(jpeg.begin() + 2, segments.begin(), segments.end());
    return jpeg;
}

// A progressive JPEG written by hand up to its first scan, whose components
// are not subsampled; libjpeg starts decoding it, so only the reader's own
// estimate can stop it.
Bytes progressiveJpegHeader(int components, int width, int height, std::uint8_t frame = 0xC2) {
    Bytes b = {0xFF, 0xD8};
    if (components == 4)  // Adobe marker: CMYK stored as it is
        b.insert(b.end(), {0xFF, 0xEE, 0, 14, 'A', 'd', 'o', 'b', 'e', 0, 100, 0, 0, 0, 0, 0});
    b.insert(b.end(), {0xFF, 0xDB, 0, 67, 0});
    b.insert(b.end(), 64, 1);
    b.insert(b.end(), {0xFF, frame});  // 0xC2 Huffman coded, 0xCA arithmetic coded
    put16(b, 8 + 3 * components);
    b.push_back(8);
    put16(b, height);
    put16(b, width);
    b.push_back(std::uint8_t(components));
    for (int c = 1; c <= components; ++c)
        b.insert(b.end(), {std::uint8_t(c), 0x11, 0});
    for (std::uint8_t table : {0x00, 0x10}) {  // one code each: "no change", "end of block"
        b.insert(b.end(), {0xFF, 0xC4, 0, 20, table, 1});
        b.insert(b.end(), 16, 0);
    }
    b.insert(b.end(), {0xFF, 0xDA, 0, 8, 1, 1, 0x00, 0, 0, 0});
    b.insert(b.end(), 64, 0);
    b.insert(b.end(), {0xFF, 0xD9});
    return b;
}

// A real JPEG whose frame header claims another size; its data runs out long
// before the pixels do.
Bytes jpegClaiming(int width, int height) {
    Bytes b = encode(quarters(16, 16), "jpeg");
    for (std::size_t i = 0; i + 8 < b.size(); ++i)
        if (b[i] == 0xFF && b[i + 1] == 0xC0) {
            b[i + 5] = std::uint8_t(height >> 8), b[i + 6] = std::uint8_t(height);
            b[i + 7] = std::uint8_t(width >> 8), b[i + 8] = std::uint8_t(width);
        }
    return b;
}

// A bitmap header claiming width x height at 24 bits; the pixels never come.
Bytes bitmapClaiming(int width, int height) {
    Bytes b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0};
    for (const int value : {width, height})
        for (int i = 0; i < 4; ++i)
            b.push_back(std::uint8_t(value >> (8 * i)));
    b.insert(b.end(), {1, 0, 24, 0});
    b.resize(54, 0);
    return b;
}

class PictureReader : public ::testing::Test {
protected:
    // Removed with everything in it when the test ends.
    QTemporaryDir temporary;
    const fs::path folder{temporary.path().toStdString()};

    std::string write(const std::string& name, const Bytes& bytes) const {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }

};

}  // namespace

TEST_F(PictureReader, FilesThatCannotBeReadOrCostTooMuchAreRefused) {
    const std::string pipe = (folder / "pipe.jpg").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(folder / "folder.jpg");
    Bytes cut = encode(quarters(64, 64), "jpeg");
    cut.resize(120);
    const Bytes png = encode(quarters(16, 16), "png");
    const Bytes jpeg = encode(quarters(16, 16), "jpeg");
    const std::pair<const char*, std::string> cases[] = {
        {"named pipe", pipe},
        {"folder", (folder / "folder.jpg").string()},
        {"not a picture", write("text.jpg", Bytes(2000, 'x'))},
        {"JPEG cut before its first scan", write("cut.jpg", cut)},
        // 100 megapixels, which the old limit let through: libjpeg keeps
        // 800 MB of coefficients for it, however small the picture is read.
        {"progressive CMYK JPEG claiming 10000 x 10000",
         write("cmyk.jpg", progressiveJpegHeader(4, 10000, 10000))},
        // Decoded at full size before it is reduced, so held to 30 megapixels.
        {"progressive grey JPEG claiming 6000 x 5600",
         write("grey.jpg", progressiveJpegHeader(1, 6000, 5600))},
        {"progressive arithmetic-coded JPEG claiming 6000 x 5600",
         write("arithmetic.jpg", progressiveJpegHeader(1, 6000, 5600, 0xCA))},
        {"JPEG claiming 20000 x 20000", write("huge.jpg", jpegClaiming(20000, 20000))},
        {"bitmap claiming 8000 x 8000", write("huge.bmp", bitmapClaiming(8000, 8000))},
        // A screen and one image of 20000 x 20000, with one byte of pixels.
        {"GIF claiming 20000 x 20000",
         write("huge.gif", {'G', 'I', 'F', '8', '9', 'a', 0x20, 0x4E, 0x20, 0x4E, 0, 0, 0,
                            0x2C, 0, 0, 0, 0, 0x20, 0x4E, 0x20, 0x4E, 0, 2, 2, 0x44, 0x01, 0,
                            0x3B})},
        // Refused from its header chunk, not after 150 MB of text.
        {"PNG claiming 60000 x 60000 with 150 MB of compressed text",
         write("bomb.png", withPngChunks(pngClaiming(60000, 60000), compressedTextChunks(20)))},
        {"PNG text chunk claiming 2 GB",
         write("2gb.png", withPngChunks(png, {pngChunkClaiming("tEXt", 0x7FFFFFFF)}))},
        {"PNG text chunk claiming 4 GB",
         write("4gb.png", withPngChunks(png, {pngChunkClaiming("zTXt", 0xFFFFFFFF)}))},
        {"PNG image data chunk past the end of the file",
         write("past.png", withPngChunks(png, {pngChunkClaiming("IDAT", 4096)}))},
        {"PNG cut before its end chunk", write("cut.png", Bytes(png.begin(), png.end() - 12))},
        // libpng reads past the end of the pixels' stream and only warns.
        {"PNG with more image data than its pixels need",
         write("idat.png", beforeTheEnd(png, 12, pngChunk("IDAT", Bytes(200'000, 0))))},
        {"PNG with a critical chunk libpng does not know",
         write("abcd.png", withPngChunks(png, {pngChunk("ABCD", {})}))},
        {"JPEG comment past the end of the file",
         write("comment.jpg", firstBytes(withJpegMarkers(jpeg, {0xFE}, 1), 4000))},
        {"JPEG with more scan data than its pixels need",
         write("scan.jpg", beforeTheEnd(jpeg, 2, Bytes(2'000'000, 0x55)))},
    };
    for (const auto& [name, path] : cases) {
        auto read = std::async(std::launch::async, [path] {
            return readPictureWithinBounds(QString::fromStdString(path));
        });
        if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));  // lets a blocked read end
            ADD_FAILURE() << name << ": the read blocked";
        }
        EXPECT_FALSE(read.get().has_value()) << name;
    }
}

TEST_F(PictureReader, PicturesComeBackWithinTheBoundWithTheirShapeAndColours) {
    struct Case {
        const char* file;
        Bytes bytes;
        QSize original, decoded;
        bool coloured;  // the quarters keep their colours
    };
    const Case cases[] = {
        {"large.jpg", encode(quarters(3000, 2000), "jpeg"), {3000, 2000}, {1024, 682}, true},
        {"tall.jpg", encode(quarters(2000, 3000), "jpeg", true), {2000, 3000}, {682, 1024}, true},
        {"large.png", encode(quarters(2400, 1200), "png"), {2400, 1200}, {1024, 512}, true},
        {"large.bmp", encode(quarters(1100, 1100), "bmp"), {1100, 1100}, {1024, 1024}, true},
        {"small.bmp", encode(quarters(300, 200), "bmp"), {300, 200}, {300, 200}, true},
        // The data runs out at once; what libjpeg fills in is grey.
        {"claims.jpg", jpegClaiming(10000, 10000), {10000, 10000}, {1024, 1024}, false},
        // The text is left behind, the pixels come.
        {"title.png", encode(quarters(64, 48), "png", false, "Mosaic"), {64, 48}, {64, 48}, true},
        {"title.jpg", encode(quarters(64, 48), "jpeg", false, "Mosaic"), {64, 48}, {64, 48}, true},
        {"text-bomb.png",
         withPngChunks(encode(quarters(64, 48), "png"), compressedTextChunks(20)),
         {64, 48},
         {64, 48},
         true},
        // 64 MB of comments, EXIF and ICC profile segments, which Qt's reader
        // holds several times over.
        {"markers.jpg",
         withJpegMarkers(encode(quarters(64, 48), "jpeg"), {0xFE, 0xE1, 0xE2}, 340),
         {64, 48},
         {64, 48},
         true},
    };
    for (const Case& c : cases) {
        const auto picture =
            readPictureWithinBounds(QString::fromStdString(write(c.file, c.bytes)));
        ASSERT_TRUE(picture.has_value()) << c.file;
        EXPECT_EQ(picture->originalSize, c.original) << c.file;
        EXPECT_EQ(picture->image.size(), c.decoded) << c.file;
        EXPECT_TRUE(picture->image.textKeys().isEmpty())
            << c.file << " keeps " << picture->image.textKeys().join(", ").toStdString();
        for (int q = 0; c.coloured && q < 4; ++q) {
            const QColor seen = picture->image.pixelColor((q % 2 * 2 + 1) * c.decoded.width() / 4,
                                                          (q / 2 * 2 + 1) * c.decoded.height() / 4);
            EXPECT_NEAR(seen.red(), QuarterColours[q].red(), 24) << c.file << " quarter " << q;
            EXPECT_NEAR(seen.green(), QuarterColours[q].green(), 24) << c.file << " quarter " << q;
            EXPECT_NEAR(seen.blue(), QuarterColours[q].blue(), 24) << c.file << " quarter " << q;
        }
    }
    // The shipped picture comes back as it is.
    const QImage shipped(QStringLiteral(MOSAIC_DEFAULT_PICTURE));
    const auto picture = readPictureWithinBounds(QStringLiteral(MOSAIC_DEFAULT_PICTURE));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->image.convertToFormat(QImage::Format_RGB32),
              shipped.convertToFormat(QImage::Format_RGB32));
}
