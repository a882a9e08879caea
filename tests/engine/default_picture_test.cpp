// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped default picture must be solvable by eye at 10 x 10: no two of
// its pieces may look alike in colour.

#include "engine/test_session.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

using Lab = std::array<double, 3>;

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double labCurve(double t) {
    return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
}

// sRGB to CIELAB under D65 light.
Lab toLab(QRgb pixel) {
    const double r = linear(qRed(pixel)), g = linear(qGreen(pixel)), b = linear(qBlue(pixel));
    const double x = labCurve((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
    const double y = labCurve(0.2126 * r + 0.7152 * g + 0.0722 * b);
    const double z = labCurve((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
    return {116 * y - 16, 500 * (x - y), 200 * (y - z)};
}

Lab meanLab(const QImage& piece) {
    Lab sum{};
    for (int y = 0; y < piece.height(); ++y)
        for (int x = 0; x < piece.width(); ++x) {
            const Lab lab = toLab(piece.pixel(x, y));
            for (int i = 0; i < 3; ++i)
                sum[i] += lab[i];
        }
    const double pixels = double(piece.width()) * piece.height();
    return {sum[0] / pixels, sum[1] / pixels, sum[2] / pixels};
}

}  // namespace

// A colour difference (CIE76) of about 2.3 is the least seen between two flat
// patches side by side. Pieces are textured, 28 x 18 px at X1 and compared
// across the board, so two of them must differ by at least twice that.
TEST(DefaultPicture, NoTwoPiecesOfTheTenByTenCutLookAlike) {
    constexpr double leastDifference = 5.0;
    mosaic::testing::TestSession t;
    t.session.toggleEmptySpace();  // swap play: all 100 pieces are cut
    t.session.chooseSize(10);
    std::vector<Lab> means;
    for (int label = 1; label <= 100; ++label) {
        const QImage& piece = t.session.piecePicture(label);
        ASSERT_FALSE(piece.isNull()) << "piece " << label;
        means.push_back(meanLab(piece));
    }
    double closest = 1e9;
    int first = 0, second = 0;
    for (int i = 0; i < 100; ++i)
        for (int j = i + 1; j < 100; ++j) {
            const double d = std::hypot(means[i][0] - means[j][0], means[i][1] - means[j][1],
                                        means[i][2] - means[j][2]);
            if (d < closest) {
                closest = d;
                first = i + 1;
                second = j + 1;
            }
        }
    EXPECT_GE(closest, leastDifference) << "pieces " << first << " and " << second;
}
