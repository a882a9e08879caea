// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads a picture chosen by the player without letting the file decide how
// much memory or time the game spends on it: only regular files are opened,
// the cost of decoding is worked out from the header first, the decoder gets
// the pixels without the metadata around them, and the picture is decoded at
// no more than the size the game can show.

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace mosaic {

// The largest board at X2 is 10 x 10 pieces of 48 px, 480 x 480 px of picture,
// and the picture viewer shows it in a window on the desktop. 1024 x 1024
// covers both with room to spare and keeps a picture at 4 MB.
inline constexpr QSize DefaultMaxPictureSize{1024, 1024};

// What decoding one file may allocate at once: the decoder's own buffers and
// the full-size image where a format cannot be reduced while it is decoded.
// It leaves 140 MB of the 300 MB the process may reach to the game itself,
// which holds about 30 MB at start.
inline constexpr qint64 DefaultDecodeBudget = 160LL * 1024 * 1024;

// Every pixel of the file is still read, so the pixel count bounds the time.
// A baseline JPEG is reduced by libjpeg while it is decoded: 100 megapixels
// take about 0.25 s here, so 150 stay under the half second a read may hold
// the window.
inline constexpr qint64 DefaultMaxJpegPixels = 150'000'000;
// PNGs, bitmaps, GIFs and progressive JPEGs are decoded at full size first:
// 24 megapixels of PNG or progressive JPEG take 0.2 to 0.4 s.
inline constexpr qint64 DefaultMaxFullSizePixels = 30'000'000;

struct PictureBounds {
    QSize maxDecodedSize = DefaultMaxPictureSize;
    qint64 decodeBudget = DefaultDecodeBudget;
    qint64 maxJpegPixels = DefaultMaxJpegPixels;
    qint64 maxFullSizePixels = DefaultMaxFullSizePixels;
};

struct DecodedPicture {
    QImage image;        // fits in maxDecodedSize, aspect ratio kept
    QSize originalSize;  // as the file gives it, for the viewer's caption
};

// Decodes a JPEG, PNG, bitmap or GIF file. Nothing when the path is not a
// regular file, the file cannot be decoded, or decoding it would cost more
// than the bounds allow. A JPEG's comments and APP1 to APP15 segments but
// APP14 (EXIF, XMP, ICC profiles), and a PNG's chunks but those the pixels
// need (text, ICC profiles, EXIF) are left out, so the picture carries no
// text and costs no more than its pixels. Nor is more read than pixels of the
// size the header gives can take. From one thread at a time: it sets QImageReader's
// process-wide allocation limit for the read.
std::optional<DecodedPicture> readPictureWithinBounds(const QString& path,
                                                      const PictureBounds& bounds = {});

}  // namespace mosaic
