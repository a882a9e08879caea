// The picture reader on real files: what it refuses, and the size and colours
// of what it gives back.

#include "files/picture_reader.h"

#include <gtest/gtest.h>

#include <QBuffer>
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

Bytes encode(const QImage& image, const char* format, bool progressive = false) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image));
    return Bytes(data.begin(), data.end());
}

void put16(Bytes& bytes, int value) {
    bytes.push_back(std::uint8_t(value >> 8));
    bytes.push_back(std::uint8_t(value));
}

// A progressive JPEG written by hand up to its first scan, whose components
// are not subsampled; libjpeg starts decoding it, so only the reader's own
// estimate can stop it.
Bytes progressiveJpegHeader(int components, int width, int height) {
    Bytes b = {0xFF, 0xD8};
    if (components == 4)  // Adobe marker: CMYK stored as it is
        b.insert(b.end(), {0xFF, 0xEE, 0, 14, 'A', 'd', 'o', 'b', 'e', 0, 100, 0, 0, 0, 0, 0});
    b.insert(b.end(), {0xFF, 0xDB, 0, 67, 0});
    b.insert(b.end(), 64, 1);
    b.insert(b.end(), {0xFF, 0xC2});
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
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mosaic-pictures-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string write(const std::string& name, const Bytes& bytes) const {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }

    fs::path folder;
};

}  // namespace

TEST_F(PictureReader, FilesThatCannotBeReadOrCostTooMuchAreRefused) {
    const std::string pipe = (folder / "pipe.jpg").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(folder / "folder.jpg");
    Bytes cut = encode(quarters(64, 64), "jpeg");
    cut.resize(120);
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
        {"JPEG claiming 20000 x 20000", write("huge.jpg", jpegClaiming(20000, 20000))},
        {"bitmap claiming 8000 x 8000", write("huge.bmp", bitmapClaiming(8000, 8000))},
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
    };
    for (const Case& c : cases) {
        const auto picture =
            readPictureWithinBounds(QString::fromStdString(write(c.file, c.bytes)));
        ASSERT_TRUE(picture.has_value()) << c.file;
        EXPECT_EQ(picture->originalSize, c.original) << c.file;
        EXPECT_EQ(picture->image.size(), c.decoded) << c.file;
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
