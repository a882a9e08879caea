// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a picture the old way (QImageReader::read at full size, refusing
// more than 100 megapixels) and the new way (readPictureWithinBounds), side by
// side, on ordinary pictures and on files whose metadata would cost more
// than their pixels. Each read runs in a child process of its own, so the peak memory
// reported (VmHWM, which only grows) is that read's alone; "peak_MB" is the
// child's whole peak and "base_MB" what it held before reading.

#include "files/picture_reader.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

enum class Way { Old, New };

// Today's LoadPicture in game_files.cpp, kept here to compare against.
QImage ReadOldWay(const QString& path) {
    constexpr qint64 maxPixels = 100'000'000;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return {};
    QImageReader::setAllocationLimit(int(maxPixels * 4 / (1024 * 1024)) + 1);
    QImage picture;
    if (!reader.read(&picture))
        return {};
    return picture;
}

long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::atol(line.c_str() + prefix.size());
    return -1;
}

// A colour picture with light across, colour down and a little noise, so it
// compresses about as well as a photograph.
QImage Photograph(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const int grain = int(noise & 31) - 16;
            line[3 * x] = uchar(std::clamp(x * 255 / width + grain, 0, 255));
            line[3 * x + 1] = uchar(std::clamp(y * 255 / height + grain, 0, 255));
            line[3 * x + 2] = uchar(std::clamp(128 + grain, 0, 255));
        }
    }
    return image;
}

// The pictures are written once, by a child process, so the 300 MB of the
// largest one never counts in the parent that later forks the readers.
struct Pictures {
    fs::path folder;
    QString baseline, progressive, largestProgressive, png, claimed, pngTextBomb, jpegMarkers;

    Pictures() {
        std::string pattern = (fs::temp_directory_path() / "mosaic-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        folder = pattern;
        baseline = QString::fromStdString((folder / "baseline-12000x8300.jpg").string());
        progressive = QString::fromStdString((folder / "progressive-6000x4000.jpg").string());
        largestProgressive =
            QString::fromStdString((folder / "progressive-6600x4500.jpg").string());
        png = QString::fromStdString((folder / "picture-6000x4000.png").string());
        claimed = QString::fromStdString((folder / "claims-10000x10000.jpg").string());
        pngTextBomb = QString::fromStdString((folder / "text-bomb-640x480.png").string());
        jpegMarkers = QString::fromStdString((folder / "markers-640x480.jpg").string());
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(Write() ? 0 : 1);
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child || status != 0)
            std::abort();
    }
    ~Pictures() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    bool Write() const {
        if (!QImageWriter(baseline, "jpeg").write(Photograph(12000, 8300)))
            return false;
        // About the largest progressive JPEG the new way accepts.
        QImageWriter largest(largestProgressive, "jpeg");
        largest.setProgressiveScanWrite(true);
        if (!largest.write(Photograph(6600, 4500)))
            return false;
        const QImage photo = Photograph(6000, 4000);
        QImageWriter progressiveWriter(progressive, "jpeg");
        progressiveWriter.setProgressiveScanWrite(true);
        if (!progressiveWriter.write(photo) || !QImageWriter(png, "png").write(photo))
            return false;
        // A small JPEG whose frame header is made to claim 10000 x 10000; the
        // pixels run out at once and libjpeg fills the rest in grey.
        QByteArray bytes;
        {
            QImageWriter small(claimed, "jpeg");
            if (!small.write(Photograph(16, 16)))
                return false;
        }
        QFile file(claimed);
        if (!file.open(QIODevice::ReadWrite))
            return false;
        bytes = file.readAll();
        const qsizetype frame = bytes.indexOf("\xFF\xC0");
        if (frame < 0)
            return false;
        bytes[frame + 5] = char(10000 >> 8);
        bytes[frame + 6] = char(10000 & 255);
        bytes[frame + 7] = char(10000 >> 8);
        bytes[frame + 8] = char(10000 & 255);
        file.seek(0);
        return file.write(bytes) == bytes.size() && WriteTextBomb() && WriteJpegMarkers();
    }

    // A small PNG carrying 20 zTXt and iTXt chunks of text that each inflate
    // to 7.5 MB, under libpng's 8 MB a chunk: 150 MB of text in a file of
    // about 200 KB. Qt's PNG reader inflates them all while it reads the header.
    bool WriteTextBomb() const {
        QByteArray png = Encode(Photograph(640, 480), "png");
        const QByteArray text(7'500'000, 'a');
        const QByteArray deflated = qCompress(text, 9).mid(4);  // without Qt's length prefix
        QByteArray chunks;
        for (int i = 0; i < 20; ++i) {
            const QByteArray keyword = "Comment" + QByteArray::number(i);
            // zTXt: keyword, 0, method 0. iTXt: keyword, 0, compressed 1,
            // method 0, no language, no translated keyword.
            const QByteArray head =
                i % 2 ? keyword + QByteArray("\0\1\0\0\0", 5) : keyword + QByteArray("\0\0", 2);
            chunks += PngChunk(i % 2 ? "iTXt" : "zTXt", head + deflated);
        }
        png.insert(33, chunks);  // after the signature and IHDR
        return WriteFile(pngTextBomb, png);
    }

    // A small JPEG with 1000 comment and EXIF-like APP1 markers of 64 KB
    // each, 64 MB in all, before its frame. Nothing is compressed: the cost
    // is whatever the decoder keeps of them.
    bool WriteJpegMarkers() const {
        QByteArray jpeg = Encode(Photograph(640, 480), "jpeg");
        QByteArray markers;
        const QByteArray filler(65533, 'x');
        for (int i = 0; i < 1000; ++i)
            markers += QByteArray(i % 2 ? "\xFF\xE1\xFF\xFF" : "\xFF\xFE\xFF\xFF", 4) + filler;
        jpeg.insert(2, markers);
        return WriteFile(jpegMarkers, jpeg);
    }

    static QByteArray Encode(const QImage& image, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, format).write(image);
        return bytes;
    }

    static bool WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    // Length, type, data and the CRC-32 of type and data, as a PNG stores a chunk.
    static QByteArray PngChunk(const char* type, const QByteArray& data) {
        QByteArray chunk;
        for (int shift = 24; shift >= 0; shift -= 8)
            chunk += char(data.size() >> shift);
        chunk += QByteArray(type, 4) + data;
        const std::uint32_t crc = Crc32(chunk.mid(4));
        for (int shift = 24; shift >= 0; shift -= 8)
            chunk += char(crc >> shift);
        return chunk;
    }

    static std::uint32_t Crc32(const QByteArray& bytes) {
        std::uint32_t crc = 0xFFFFFFFF;
        for (const char byte : bytes) {
            crc ^= std::uint8_t(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = crc >> 1 ^ (crc & 1 ? 0xEDB88320 : 0);
        }
        return ~crc;
    }
};

const Pictures& TestPictures() {
    static const Pictures pictures;
    return pictures;
}

struct Outcome {
    double seconds = 0;
    long baseKilobytes = 0;
    long peakKilobytes = 0;
    int width = 0;
    int height = 0;
    qint64 keptBytes = 0;  // the picture's pixels and the text it carries
};

qint64 KeptBytes(const QImage& image) {
    qint64 bytes = image.sizeInBytes();
    for (const QString& key : image.textKeys())
        bytes += (key.size() + image.text(key).size()) * qint64(sizeof(QChar));
    return bytes;
}

// Reads the picture once in a child process and reports how it went.
Outcome ReadInChild(const QString& path, Way way) {
    int channel[2];
    if (::pipe(channel) != 0)
        std::abort();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        Outcome outcome;
        outcome.baseKilobytes = StatusKilobytes("VmRSS");
        const auto start = std::chrono::steady_clock::now();
        QImage image;
        if (way == Way::Old) {
            image = ReadOldWay(path);
        } else if (auto picture = mosaic::readPictureWithinBounds(path)) {
            image = picture->image;
        }
        outcome.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        outcome.peakKilobytes = StatusKilobytes("VmHWM");
        outcome.width = image.width();
        outcome.height = image.height();
        outcome.keptBytes = KeptBytes(image);
        const bool sent = ::write(channel[1], &outcome, sizeof outcome) == sizeof outcome;
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    Outcome outcome;
    const bool received = ::read(channel[0], &outcome, sizeof outcome) == sizeof outcome;
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!received)
        std::abort();
    return outcome;
}

void BM_ReadPicture(benchmark::State& state, QString Pictures::*picture, Way way) {
    const QString path = TestPictures().*picture;
    Outcome last;
    long peak = 0;
    for (auto _ : state) {
        last = ReadInChild(path, way);
        state.SetIterationTime(last.seconds);
        peak = std::max(peak, last.peakKilobytes);
    }
    state.counters["peak_MB"] = double(peak) / 1024;
    state.counters["base_MB"] = double(last.baseKilobytes) / 1024;
    state.counters["width"] = last.width;  // 0 when refused
    state.counters["height"] = last.height;
    state.counters["kept_MB"] = double(last.keptBytes) / (1024 * 1024);
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}

#define READ_BOTH_WAYS(picture)                                                    \
    BENCHMARK_CAPTURE(BM_ReadPicture, picture##_old, &Pictures::picture, Way::Old) \
        ->UseManualTime()                                                          \
        ->Iterations(3)                                                            \
        ->Unit(benchmark::kMillisecond);                                           \
    BENCHMARK_CAPTURE(BM_ReadPicture, picture##_new, &Pictures::picture, Way::New) \
        ->UseManualTime()                                                          \
        ->Iterations(3)                                                            \
        ->Unit(benchmark::kMillisecond)

READ_BOTH_WAYS(baseline);
READ_BOTH_WAYS(progressive);
READ_BOTH_WAYS(largestProgressive);
READ_BOTH_WAYS(png);
READ_BOTH_WAYS(claimed);
READ_BOTH_WAYS(pngTextBomb);
READ_BOTH_WAYS(jpegMarkers);

}  // namespace
