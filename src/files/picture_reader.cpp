// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/picture_reader.h"

#include <QFile>
#include <QIODevice>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

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

qint64 CeilDiv(qint64 a, qint64 b) {
    return (a + b - 1) / b;
}

std::uint32_t Long(const std::uint8_t* bytes) {
    return std::uint32_t(Word(bytes)) << 16 | std::uint32_t(Word(bytes + 2));
}

// A run of bytes of the file.
struct Span {
    qint64 offset = 0;
    qint64 length = 0;
};

// Which parts of the file the decoder gets: all of it up to the end, but for
// the segments or chunks left out on the way.
class KeptParts {
public:
    void leaveOut(qint64 from, qint64 to) {
        keepUpTo(from);
        keptFrom_ = to;
    }
    std::vector<Span> endAt(qint64 end) {
        keepUpTo(end);
        return spans_;
    }
    qint64 keptBytes(qint64 upTo) const { return kept_ + std::max<qint64>(0, upTo - keptFrom_); }

private:
    void keepUpTo(qint64 end) {
        if (end > keptFrom_) {
            spans_.push_back({keptFrom_, end - keptFrom_});
            kept_ += end - keptFrom_;
        }
        keptFrom_ = end;
    }

    std::vector<Span> spans_;
    qint64 kept_ = 0;
    qint64 keptFrom_ = 0;
};

// Reads the kept spans of the file one after another, straight from the file
// descriptor: nothing left out is ever read, and nothing is copied up front.
class SpansDevice : public QIODevice {
public:
    SpansDevice(int fd, std::vector<Span> spans) : fd_(fd), spans_(std::move(spans)) {
        for (const Span& span : spans_) {
            starts_.push_back(size_);
            size_ += span.length;
        }
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return size_; }

protected:
    // Opened unbuffered, so pos() is where the decoder reads next.
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 count = std::min(maxSize, size_ - pos());
        // A file may be cut into many spans: the first is found by halving.
        const auto after = std::upper_bound(starts_.begin(), starts_.end(), pos());
        auto index = std::size_t(after - starts_.begin()) - 1;
        for (qint64 done = 0; done < count; ++index) {
            const qint64 into = pos() + done - starts_[index];
            const qint64 part = std::min(count - done, spans_[index].length - into);
            if (!ReadAt(fd_, spans_[index].offset + into,
                        reinterpret_cast<std::uint8_t*>(data) + done, part))
                return -1;
            done += part;
        }
        return std::max<qint64>(0, count);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    int fd_;
    std::vector<Span> spans_;
    std::vector<qint64> starts_;  // of each span in what the decoder reads
    qint64 size_ = 0;
};

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

// Reads a frame header at `at`, just past its marker. Only the types libjpeg
// decodes: baseline, extended and progressive, Huffman or arithmetic coded,
// 8 bits a sample. Lossless and hierarchical frames are refused.
std::optional<JpegFrame> ReadFrameHeader(int fd, qint64 at, int marker, int length) {
    const bool decodable =
        marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
    std::uint8_t bytes[12];
    if (!decodable || length < 8 || !ReadAt(fd, at + 2, bytes, 6))
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
        if (f.hSampling[c] < 1 || f.hSampling[c] > 4 || f.vSampling[c] < 1 || f.vSampling[c] > 4)
            return std::nullopt;
    }
    f.wholeImageBuffer = marker == 0xC2 || marker == 0xCA;
    return f;
}

// Comments and APP1 to APP15 but APP14 only describe the picture: EXIF, XMP,
// ICC profiles and the like. Qt's reader holds comments, EXIF and ICC profiles
// in memory several times over, however many there are. APP0 (JFIF) and
// APP14 (Adobe) tell how the colours are stored; libjpeg reads and drops them.
bool IsJpegMetadata(int marker) {
    return marker == 0xFE || (marker >= 0xE1 && marker <= 0xEF && marker != 0xEE);
}

// Skips entropy-coded data, where 0xFF is followed by 0 (a stuffed byte), a
// restart marker or more fill. Where the next other marker starts, `end` when
// there is none before it, or -1 when the file cannot be read.
qint64 SkipScanData(int fd, qint64 from, qint64 end) {
    std::vector<std::uint8_t> block(64 * 1024);
    for (qint64 at = from; at + 1 < end;) {
        const qint64 count = std::min<qint64>(qint64(block.size()), end - at);
        if (!ReadAt(fd, at, block.data(), count))
            return -1;
        for (qint64 i = 0; i + 1 < count; ++i) {
            const auto* ff = static_cast<const std::uint8_t*>(
                std::memchr(block.data() + i, 0xFF, std::size_t(count - 1 - i)));
            if (ff == nullptr)
                break;
            i = ff - block.data();
            const int next = ff[1];
            if (next != 0 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7))
                return at + i;
        }
        at += count - 1;  // the last byte again, with the one after it
    }
    return end;
}

// A JPEG's frame, and the parts of the file its pixels need.
struct JpegFile {
    JpegFrame frame;
    std::vector<Span> kept;
};

// Huffman codes take at most 26 bits a sample, and encoders at the highest
// quality write about one byte; 4 bytes a sample of the picture padded to
// whole blocks leave room to spare, and 1 MB the tables of the smallest. The
// decoder reads no further, and neither does the walk.
qint64 MaxJpegBytes(const std::optional<JpegFrame>& frame) {
    if (!frame)
        return 1024 * 1024;
    const qint64 padded =
        CeilDiv(frame->size.width(), 32) * 32 * CeilDiv(frame->size.height(), 32) * 32;
    return 1024 * 1024 + 4 * padded * frame->components;
}

// Walks the markers of the whole file. Qt's reader reports the size but not
// the frame type or component layout, and these decide the cost; every
// metadata segment, before the frame or between scans, is left out.
std::optional<JpegFile> ReadJpeg(int fd, qint64 fileSize) {
    std::uint8_t bytes[2];
    if (!ReadAt(fd, 0, bytes, 2) || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return std::nullopt;
    std::optional<JpegFrame> frame;
    bool scanning = false;  // past the first scan's header
    KeptParts kept;
    qint64 at = 2;
    // Bounded, so a file of many tiny segments cannot hold us here.
    for (int markers = 0; markers < 10000; ++markers) {
        const qint64 end = std::min(fileSize, at + MaxJpegBytes(frame) - kept.keptBytes(at));
        if (scanning && at == fileSize)  // cut short: libjpeg fills in the rest
            return JpegFile{*frame, kept.endAt(fileSize)};
        if (at >= end || !ReadAt(fd, at, bytes, 2))
            return std::nullopt;
        if (bytes[0] != 0xFF) {
            if (!scanning)
                return std::nullopt;
            at = SkipScanData(fd, at, end);  // stray bytes, which libjpeg skips as well
            if (at < 0)
                return std::nullopt;
            continue;
        }
        const int marker = bytes[1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        const qint64 markerAt = at;
        at += 2;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // markers without a length
        if (marker == 0xD9 && scanning)
            return JpegFile{*frame, kept.endAt(at)};
        if (marker == 0xD8 || marker == 0xD9)
            return std::nullopt;  // a second start, or the end before any scan
        if (!ReadAt(fd, at, bytes, 2) || Word(bytes) < 2)
            return std::nullopt;
        const int length = Word(bytes);
        const bool isFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (isFrame) {
            if (frame)  // a second frame
                return std::nullopt;
            frame = ReadFrameHeader(fd, at, marker, length);
            if (!frame)
                return std::nullopt;
        } else if (marker == 0xDA) {
            std::uint8_t scanComponents = 0;
            if (!frame || !ReadAt(fd, at + 2, &scanComponents, 1))
                return std::nullopt;
            if (!scanning && scanComponents < frame->components)
                frame->wholeImageBuffer = true;
            scanning = true;
            at = SkipScanData(fd, at + length, end);
            if (at < 0)
                return std::nullopt;
            continue;
        } else if (IsJpegMetadata(marker)) {
            if (at + length > fileSize)
                return std::nullopt;
            kept.leaveOut(markerAt, at + length);
        }
        at += length;
    }
    return std::nullopt;
}

// Critical chunks, transparency and how the colours are to be taken: all the
// PNG decoder needs for the pixels.
bool IsPngPixelChunk(const char* type) {
    for (const char* kept : {"IHDR", "PLTE", "IDAT", "IEND", "tRNS", "gAMA", "cHRM", "sRGB"})
        if (std::memcmp(type, kept, 4) == 0)
            return true;
    return false;
}

// The most IDAT bytes a PNG of this header may hold: its rows of samples with
// a filter byte each, a few more rows for interlacing, and room for deflate
// streams that grow what they cannot compress. Nothing when the header is
// not one libpng decodes or the pixels pass maxPixels.
std::optional<qint64> MaxPngPixelData(const std::uint8_t* header, qint64 maxPixels) {
    const qint64 width = Long(header);
    const qint64 height = Long(header + 4);
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF)  // past what PNG allows
        return std::nullopt;
    const int depth = header[8];
    const int colourType = header[9];
    constexpr int samplesByColourType[] = {1, 0, 3, 1, 2, 0, 4};
    const int samples = colourType <= 6 ? samplesByColourType[colourType] : 0;
    if (width == 0 || height == 0 || width * height > maxPixels || samples == 0 || depth == 0 ||
        depth > 16 || (depth & (depth - 1)) != 0)
        return std::nullopt;
    const qint64 rows = height * (1 + CeilDiv(width * samples * depth, 8));
    return rows + rows / 4 + 4 * height + 64 * 1024;
}

// Every PNG chunk but those the pixels need is left out: Qt's reader inflates
// each zTXt, iTXt and iCCP chunk, up to 8 MB of text each from a few bytes,
// while it only reads the header, and keeps the text with the picture.
std::optional<std::vector<Span>> ReadPngChunks(int fd, qint64 fileSize, qint64 maxPixels) {
    constexpr std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::uint8_t bytes[13];
    if (!ReadAt(fd, 0, bytes, 8) || std::memcmp(bytes, signature, 8) != 0)
        return std::nullopt;
    KeptParts kept;
    qint64 maxPixelData = 0;
    qint64 pixelData = 0;
    qint64 at = 8;
    // Bounded, so a file of many tiny chunks cannot hold us here. A PNG of
    // 30 megapixels in IDAT chunks of 8 KB, the smallest writers use, has 30,000.
    for (int chunks = 0; chunks < 100'000; ++chunks) {
        if (!ReadAt(fd, at, bytes, 8))
            return std::nullopt;  // the file ends before IEND
        const std::uint32_t length = Long(bytes);
        char type[4];
        std::memcpy(type, bytes + 4, 4);
        // The data and the CRC after it must be in the file; a PNG has no
        // chunk of 2 GB or more.
        const qint64 end = at + 12 + qint64(length);
        if (length > 0x7FFFFFFF || end > fileSize)
            return std::nullopt;
        if (chunks == 0) {
            if (std::memcmp(type, "IHDR", 4) != 0 || length != 13 || !ReadAt(fd, at + 8, bytes, 13))
                return std::nullopt;
            const std::optional<qint64> max = MaxPngPixelData(bytes, maxPixels);
            if (!max)
                return std::nullopt;
            maxPixelData = *max;
        }
        if (std::memcmp(type, "IDAT", 4) == 0 && (pixelData += length) > maxPixelData)
            return std::nullopt;
        if (std::memcmp(type, "IEND", 4) == 0)
            return kept.endAt(end);
        const bool critical = (type[0] & 0x20) == 0;
        if (critical && !IsPngPixelChunk(type))
            return std::nullopt;  // which PNG forbids decoders to show
        // The kept ancillary chunks hold 256 bytes at most.
        if (!IsPngPixelChunk(type) || (!critical && length > 256))
            kept.leaveOut(at, end);
        at = end;
    }
    return std::nullopt;
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

    // Bitmaps and GIFs carry little besides their pixels and go to the
    // decoder whole; JPEGs and PNGs without their metadata.
    const QByteArray format = QImageReader(&file).format();
    std::vector<Span> kept{{0, qint64(info.st_size)}};
    std::optional<JpegFrame> frame;
    if (format == "jpeg") {
        std::optional<JpegFile> jpeg = ReadJpeg(fd, info.st_size);
        if (!jpeg)
            return std::nullopt;
        frame = jpeg->frame;
        kept = std::move(jpeg->kept);
    } else if (format == "png") {
        std::optional<std::vector<Span>> chunks =
            ReadPngChunks(fd, info.st_size, bounds.maxFullSizePixels);
        if (!chunks)
            return std::nullopt;
        kept = std::move(*chunks);
    } else if (format != "bmp" && format != "gif") {
        return std::nullopt;
    }
    SpansDevice decoderInput(fd, std::move(kept));
    if (!decoderInput.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    QImageReader reader(&decoderInput, format);
    const QSize size = frame ? frame->size : reader.size();
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
