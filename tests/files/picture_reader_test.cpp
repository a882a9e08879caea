#include "files/picture_reader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImageWriter>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace mosaic;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

const QColor QuadrantColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// Four coloured quarters, so a picture cut, turned or stretched on the way
// shows in the colour at the middle of each quarter.
QImage Quarters(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int q = 0; q < 4; ++q) {
        const QRect quarter(q % 2 * width / 2, q / 2 * height / 2, width / 2 + 1, height / 2 + 1);
        for (int y = quarter.top(); y <= std::min(quarter.bottom(), height - 1); ++y)
            for (int x = quarter.left(); x <= std::min(quarter.right(), width - 1); ++x)
                image.setPixelColor(x, y, QuadrantColours[q]);
    }
    return image;
}

Bytes Encode(const QImage& image, const char* format, bool progressive = false) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return Bytes(data.begin(), data.end());
}

void Put16(Bytes& bytes, int value) {
    bytes.push_back(std::uint8_t(value >> 8));
    bytes.push_back(std::uint8_t(value));
}

// A JPEG written by hand up to its first scan: one quantisation table, a frame
// of the given type whose components are not subsampled, two code tables, a
// first scan over scanComponents of them, then a few bytes of data. libjpeg
// starts decoding it, so only the reader's own estimate can stop it.
Bytes JpegHeader(int frameMarker, int components, int scanComponents, int width, int height) {
    Bytes b = {0xFF, 0xD8};
    if (components == 4) {  // Adobe marker: CMYK stored as it is
        b.insert(b.end(), {0xFF, 0xEE, 0, 14, 'A', 'd', 'o', 'b', 'e', 0, 100, 0, 0, 0, 0, 0});
    }
    b.insert(b.end(), {0xFF, 0xDB, 0, 67, 0});
    b.insert(b.end(), 64, 1);
    b.insert(b.end(), {0xFF, std::uint8_t(frameMarker)});
    Put16(b, 8 + 3 * components);
    b.push_back(8);
    Put16(b, height);
    Put16(b, width);
    b.push_back(std::uint8_t(components));
    for (int c = 1; c <= components; ++c)
        b.insert(b.end(), {std::uint8_t(c), 0x11, 0});
    // DC and AC table 0, one code each: "no change" and "end of block".
    for (std::uint8_t table : {0x00, 0x10}) {
        b.insert(b.end(), {0xFF, 0xC4, 0, 20, table, 1});
        b.insert(b.end(), 15, 0);
        b.push_back(0);
    }
    b.insert(b.end(), {0xFF, 0xDA});
    Put16(b, 6 + 2 * scanComponents);
    b.push_back(std::uint8_t(scanComponents));
    for (int c = 1; c <= scanComponents; ++c)
        b.insert(b.end(), {std::uint8_t(c), 0x00});
    b.insert(b.end(), {0, frameMarker == 0xC2 ? std::uint8_t(0) : std::uint8_t(63), 0});
    b.insert(b.end(), 64, 0);
    b.insert(b.end(), {0xFF, 0xD9});
    return b;
}

// A real JPEG whose frame header is changed to claim another size; its data
// runs out long before the pixels do.
Bytes JpegClaiming(int width, int height) {
    Bytes b = Encode(Quarters(16, 16), "jpeg");
    for (size_t i = 0; i + 8 < b.size(); ++i) {
        if (b[i] == 0xFF && b[i + 1] == 0xC0) {
            b[i + 5] = std::uint8_t(height >> 8);
            b[i + 6] = std::uint8_t(height);
            b[i + 7] = std::uint8_t(width >> 8);
            b[i + 8] = std::uint8_t(width);
            return b;
        }
    }
    ADD_FAILURE() << "no baseline frame header";
    return b;
}

// A bitmap header claiming width x height at 24 bits; the pixels never come.
Bytes BitmapClaiming(int width, int height) {
    Bytes b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0};
    auto put32 = [&](std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            b.push_back(std::uint8_t(value >> (8 * i)));
    };
    put32(std::uint32_t(width));
    put32(std::uint32_t(height));
    b.insert(b.end(), {1, 0, 24, 0});
    for (int i = 0; i < 6; ++i)
        put32(0);
    return b;
}

class PictureReader : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mosaic-pictures-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string Write(const std::string& name, const Bytes& bytes) const {
        const std::string path = (folder / name).string();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path;
    }

    // Reads path; should the read block, as it would on a pipe opened for
    // reading, a writer opens and closes the pipe after a while so that the
    // read ends and the test fails instead of hanging.
    static std::optional<DecodedPicture> ReadUnblocked(const std::string& path, bool& blocked) {
        std::mutex mutex;
        std::condition_variable finished;
        bool done = false;
        blocked = false;
        std::thread watchdog([&] {
            std::unique_lock lock(mutex);
            while (!finished.wait_for(lock, std::chrono::seconds(10), [&] { return done; })) {
                blocked = true;
                const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        });
        auto picture = readPictureWithinBounds(QString::fromStdString(path));
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        finished.notify_one();
        watchdog.join();
        return picture;
    }

    fs::path folder;
};

}  // namespace

TEST_F(PictureReader, FilesThatCannotBeReadOrCostTooMuchAreRefused) {
    struct Case {
        const char* name;
        std::function<std::string()> make;
    };
    const Case cases[] = {
        {"named pipe",
         [&] {
             const std::string path = (folder / "pipe.jpg").string();
             EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
             return path;
         }},
        {"folder",
         [&] {
             fs::create_directory(folder / "folder.jpg");
             return (folder / "folder.jpg").string();
         }},
        {"not a picture", [&] { return Write("text.jpg", Bytes(2000, 'x')); }},
        {"JPEG cut before its first scan",
         [&] {
             Bytes b = Encode(Quarters(64, 64), "jpeg");
             b.resize(120);
             return Write("cut.jpg", b);
         }},
        // 100 megapixels, which the old limit let through: libjpeg keeps
        // 800 MB of coefficients for it, however small the picture is read.
        {"progressive CMYK JPEG claiming 10000 x 10000",
         [&] { return Write("cmyk.jpg", JpegHeader(0xC2, 4, 1, 10000, 10000)); }},
        // Decoded at full size before it is reduced, so held to 30 megapixels
        // like PNGs, though it would fit in memory.
        {"progressive grey JPEG claiming 6000 x 5600",
         [&] { return Write("grey.jpg", JpegHeader(0xC2, 1, 1, 6000, 5600)); }},
        {"JPEG claiming 20000 x 20000",
         [&] { return Write("huge.jpg", JpegClaiming(20000, 20000)); }},
        {"bitmap claiming 8000 x 8000",
         [&] { return Write("huge.bmp", BitmapClaiming(8000, 8000)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool blocked = false;
        EXPECT_FALSE(ReadUnblocked(c.make(), blocked).has_value());
        EXPECT_FALSE(blocked);
    }
}

TEST_F(PictureReader, PicturesComeBackWithinTheBoundWithTheirShapeAndColours) {
    struct Case {
        const char* name;
        std::string file;
        Bytes bytes;
        QSize original;
        QSize decoded;
        bool coloured;  // the quarters keep their colours
    };
    const Case cases[] = {
        {"JPEG",
         "large.jpg",
         Encode(Quarters(3000, 2000), "jpeg"),
         {3000, 2000},
         {1024, 682},
         true},
        {"progressive JPEG",
         "progressive.jpg",
         Encode(Quarters(2000, 3000), "jpeg", true),
         {2000, 3000},
         {682, 1024},
         true},
        {"PNG", "large.png", Encode(Quarters(2400, 1200), "png"), {2400, 1200}, {1024, 512}, true},
        // Within the bound: as it is, shape and size.
        {"small bitmap",
         "small.bmp",
         Encode(Quarters(300, 200), "bmp"),
         {300, 200},
         {300, 200},
         true},
        {"shipped JPEG",
         "default.jpg",
         Encode(QImage(QStringLiteral(MOSAIC_DEFAULT_PICTURE)), "jpeg"),
         {287, 185},
         {287, 185},
         false},
        {"bitmap",
         "large.bmp",
         Encode(Quarters(1100, 1100), "bmp"),
         {1100, 1100},
         {1024, 1024},
         true},
        // The data runs out at once; what libjpeg fills in is grey.
        {"JPEG claiming 10000 x 10000",
         "claims.jpg",
         JpegClaiming(10000, 10000),
         {10000, 10000},
         {1024, 1024},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto picture =
            readPictureWithinBounds(QString::fromStdString(Write(c.file, c.bytes)));
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->originalSize, c.original);
        EXPECT_EQ(picture->image.size(), c.decoded);
        if (!c.coloured)
            continue;
        for (int q = 0; q < 4; ++q) {
            const QColor seen = picture->image.pixelColor((q % 2 * 2 + 1) * c.decoded.width() / 4,
                                                          (q / 2 * 2 + 1) * c.decoded.height() / 4);
            const QColor wanted = QuadrantColours[q];
            EXPECT_NEAR(seen.red(), wanted.red(), 24) << q;
            EXPECT_NEAR(seen.green(), wanted.green(), 24) << q;
            EXPECT_NEAR(seen.blue(), wanted.blue(), 24) << q;
        }
    }
}
