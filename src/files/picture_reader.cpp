#include "files/picture_reader.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mosaic {

namespace {

bool ReadAt(int fd, qint64 offset, std::uint8_t* out, qint64 count) {
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd, out + done, size_t(count - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

int Word(const std::uint8_t* bytes) {
    return bytes[0] << 8 | bytes[1];
}

// What the JPEG frame header says about the cost of decoding.
struct JpegFrame {
    QSize size;
    // Progressive, or a first scan without every component: libjpeg then
    // keeps all coefficients of the full-size picture, however it is reduced.
    bool wholeImageBuffer = false;
    int components = 0;
    std::array<int, 4> hSampling{};
    std::array<int, 4> vSampling{};
};

// Walks the markers up to the first scan. Qt's reader reports the size but
// not the frame type or component layout, and these decide the cost.
std::optional<JpegFrame> ReadJpegFrame(int fd) {
    std::uint8_t bytes[18];
    if (!ReadAt(fd, 0, bytes, 2) || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return std::nullopt;
    std::optional<JpegFrame> frame;
    qint64 at = 2;
    // Bounded, so a file of many tiny segments cannot hold us here.
    for (int markers = 0; markers < 10000; ++markers) {
        if (!ReadAt(fd, at, bytes, 2) || bytes[0] != 0xFF)
            return std::nullopt;
        const int marker = bytes[1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // markers without a length
        if (marker == 0xD8 || marker == 0xD9)
            return std::nullopt;  // a second start, or the end before any scan
        if (!ReadAt(fd, at, bytes, 2) || Word(bytes) < 2)
            return std::nullopt;
        const int length = Word(bytes);
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame) {
            // Only the types libjpeg decodes: baseline, extended and progressive,
            // Huffman or arithmetic coded, 8 bits a sample. Lossless and
            // hierarchical frames and a second frame are refused.
            const bool decodable = marker == 0xC0 || marker == 0xC1 || marker == 0xC2 ||
                                   marker == 0xC9 || marker == 0xCA;
            if (!decodable || frame || length < 8 || !ReadAt(fd, at + 2, bytes, 6))
                return std::nullopt;
            JpegFrame f;
            f.size = QSize(Word(bytes + 3), Word(bytes + 1));
            f.components = bytes[5];
            if (bytes[0] != 8 || f.size.isEmpty() || f.components < 1 || f.components > 4 ||
                length < 8 + 3 * f.components || !ReadAt(fd, at + 8, bytes, 3 * f.components))
                return std::nullopt;
            for (int c = 0; c < f.components; ++c) {
                f.hSampling[c] = bytes[3 * c + 1] >> 4;
                f.vSampling[c] = bytes[3 * c + 1] & 15;
                if (f.hSampling[c] < 1 || f.hSampling[c] > 4 || f.vSampling[c] < 1 ||
                    f.vSampling[c] > 4)
                    return std::nullopt;
            }
            f.wholeImageBuffer = marker == 0xC2 || marker == 0xCA;
            frame = f;
        } else if (marker == 0xDA) {
            if (!frame || !ReadAt(fd, at + 2, bytes, 1))
                return std::nullopt;
            if (bytes[0] < frame->components)
                frame->wholeImageBuffer = true;
            return frame;
        }
        at += length;
    }
    return std::nullopt;
}

qint64 CeilDiv(qint64 a, qint64 b) {
    return (a + b - 1) / b;
}

// The most libjpeg and Qt's JPEG reader allocate to decode the frame reduced
// to target. Qt asks libjpeg for n/8 of the size, the smallest n that still
// covers target, and smooth-scales the rest of the way.
qint64 JpegCost(const JpegFrame& f, QSize target) {
    const qint64 w = f.size.width();
    const qint64 h = f.size.height();
    const double factor = std::min(double(w) / target.width(), double(h) / target.height());
    const qint64 n = std::clamp<qint64>(qint64(std::ceil(8 / factor)), 1, 8);
    const qint64 decoded = CeilDiv(w * n, 8) * CeilDiv(h * n, 8) * 4;
    // Row buffers for upsampling and colour conversion, a few MCU rows high.
    qint64 cost = decoded + qint64(target.width()) * target.height() * 4 + w * f.components * 64;
    if (f.wholeImageBuffer) {
        const int hMax = *std::max_element(f.hSampling.begin(), f.hSampling.end());
        const int vMax = *std::max_element(f.vSampling.begin(), f.vSampling.end());
        for (int c = 0; c < f.components; ++c) {
            // 64 coefficients of 2 bytes per 8 x 8 block, rounded up to whole MCUs.
            const qint64 across = CeilDiv(CeilDiv(w * f.hSampling[c], hMax * 8), f.hSampling[c]);
            const qint64 down = CeilDiv(CeilDiv(h * f.vSampling[c], vMax * 8), f.vSampling[c]);
            cost += across * f.hSampling[c] * down * f.vSampling[c] * 128;
        }
    }
    return cost;
}

// Bitmaps, GIFs and PNGs are decoded at full size and then reduced. Smooth
// scaling works on a few formats only and first copies any other picture into
// one of them. A format the header does not tell is taken at its worst.
qint64 FullSizeCost(QSize size, QSize target, QImage::Format format) {
    const qint64 pixels = qint64(size.width()) * size.height();
    const int bits =
        format == QImage::Format_Invalid ? 64 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 decoded = pixels * std::max(1, bits / 8);
    const bool scaledInPlace =
        format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied ||
        format == QImage::Format_RGBX64 || format == QImage::Format_RGBA64_Premultiplied;
    if (size == target || scaledInPlace)
        return decoded;
    return decoded + pixels * (bits > 32 ? 8 : 4);
}

QSize FitWithin(QSize size, QSize bound) {
    if (size.width() <= bound.width() && size.height() <= bound.height())
        return size;
    const QSize fitted = size.scaled(bound, Qt::KeepAspectRatio);
    return QSize(std::max(1, fitted.width()), std::max(1, fitted.height()));
}

// Sets Qt's own limit for one read, as a backstop behind the estimates.
class AllocationLimit {
public:
    explicit AllocationLimit(qint64 bytes) : previous_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(int(CeilDiv(bytes, 1024 * 1024)));
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(previous_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int previous_;
};

}  // namespace

std::optional<DecodedPicture> readPictureWithinBounds(const QString& path,
                                                      const PictureBounds& bounds) {
    // A pipe or device would block the reader or never end: only regular
    // files are opened. O_NONBLOCK keeps the open from waiting for a writer
    // should the path be swapped for a pipe after the check; fstat then sees it.
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;

    QImageReader reader(&file);
    const QByteArray format = reader.format();
    QSize size;
    std::optional<JpegFrame> frame;
    if (format == "jpeg") {
        frame = ReadJpegFrame(fd);
        if (!frame)
            return std::nullopt;
        size = frame->size;
    } else if (format == "png" || format == "bmp" || format == "gif") {
        size = reader.size();
    } else {
        return std::nullopt;
    }
    // A progressive JPEG is decoded at full size before it is reduced, as
    // PNGs, bitmaps and GIFs are.
    const bool reducedWhileDecoded = frame && !frame->wholeImageBuffer;
    const qint64 maxPixels = reducedWhileDecoded ? bounds.maxJpegPixels : bounds.maxFullSizePixels;
    if (size.isEmpty() || qint64(size.width()) * size.height() > maxPixels)
        return std::nullopt;
    const QSize target = FitWithin(size, bounds.maxDecodedSize);
    QImage::Format decodedFormat = reader.imageFormat();
    if (format == "gif" && decodedFormat == QImage::Format_Invalid)
        decodedFormat = QImage::Format_ARGB32;  // Qt's GIF reader does not say; this at most
    const qint64 cost =
        frame ? JpegCost(*frame, target) : FullSizeCost(size, target, decodedFormat);
    if (cost > bounds.decodeBudget)
        return std::nullopt;

    const AllocationLimit limit(bounds.decodeBudget);
    if (target != size)
        reader.setScaledSize(target);  // JPEGs are reduced by libjpeg as they are decoded
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    if (image.width() > target.width() || image.height() > target.height())
        image = image.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return DecodedPicture{image, size};
}

}  // namespace mosaic
