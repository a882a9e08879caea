// SPDX-License-Identifier: GPL-3.0-or-later
// draw-pictures: draws the pictures that Mosaic Rush ships in resources/.
//
//   draw-pictures OUTDIR
//
// writes default.jpg (the default puzzle picture), splash.png (the start-up
// card), about-logo.png (the About window's logo), mosaic-rush.png (the
// application icon) and icons/mosaic-rush-N.png (the icon at smaller sizes). Everything is drawn
// here with QPainter; random choices come from a fixed-seed generator of our own, so the same build
// draws the same pictures every time.

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <numbers>
#include <vector>

namespace {

constexpr double pi = std::numbers::pi;

// SplitMix64: tiny, fast and, unlike the standard distributions, gives the
// same numbers with every compiler and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

double wrapHue(double degrees) {
    double h = std::fmod(degrees, 360.0);
    return h < 0 ? h + 360.0 : h;
}

QColor hsv(double hueDegrees, double s, double v, double a = 1.0) {
    return QColor::fromHsvF(static_cast<float>(wrapHue(hueDegrees) / 360.0),
                            static_cast<float>(std::clamp(s, 0.0, 1.0)),
                            static_cast<float>(std::clamp(v, 0.0, 1.0)),
                            static_cast<float>(std::clamp(a, 0.0, 1.0)));
}

QFont boldFont(double pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Largest bold font, no bigger than maxPixelSize, in which text fits maxWidth.
QFont fittedBoldFont(const QString& text, double maxPixelSize, double maxWidth) {
    double size = maxPixelSize;
    QFont font = boldFont(size);
    while (size > 6 && QFontMetricsF(font).horizontalAdvance(text) > maxWidth) {
        size -= 1;
        font = boldFont(size);
    }
    return font;
}

// Outline of text whose visible ink is centred horizontally on centreX, with
// its baseline at baselineY.
QPainterPath centredTextPath(const QString& text, const QFont& font, double centreX,
                             double baselineY) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    return QTransform::fromTranslate(centreX - ink.center().x(), baselineY).map(path);
}

// A rounded tile lit from its top-left corner.
void drawTile(QPainter& p, const QRectF& rect, double radius, const QColor& colour) {
    QLinearGradient fill(rect.topLeft(), rect.bottomRight());
    fill.setColorAt(0.0, colour.lighter(135));
    fill.setColorAt(0.55, colour);
    fill.setColorAt(1.0, colour.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(rect, radius, radius);
}

// ---------------------------------------------------------------------------
// default.jpg

// A mountain valley at sunset. Across the picture the sky turns from blue to
// orange and the fields from green to gold; down it, light and shade change
// row by row. So every piece of a 10 x 10 cut has a colour of its own, and the
// mountain, sun, house, tree and path give the pieces edges to line up.
QImage drawDefaultPicture() {
    constexpr int width = 287;
    constexpr int height = 185;
    constexpr int scale = 3;  // drawn three times as large, then reduced, for smooth edges

    // Where each layer begins, top down, at x (picture pixels).
    const auto hillsTop = [](double x) {
        return 84 - 9 * std::sin(x / 31 + 0.8) - 3 * std::sin(x / 11 + 2.0);
    };
    constexpr double peakX = 96;
    constexpr double peakY = 16;
    const auto mountainTop = [](double x) {
        const double slope = x < peakX ? 1.08 : 0.92;
        return peakY + slope * std::abs(x - peakX) + 3.0 * std::sin(x / 5.3) * std::sin(x / 17.0) +
               1.5 * std::sin(x / 2.3);
    };
    const auto snowLine = [](double x) {
        return peakY + 24 + 5 * std::sin(x / 4.1) + 3 * std::sin(x / 9.7 + 1.0);
    };
    const auto fieldsTop = [](double x) { return 121 + 4 * std::sin(x / 37 + 0.5); };
    const QPointF sun(226, 74);
    constexpr double sunRadius = 18;

    const auto colourAt = [&](double x, double y) -> QColor {
        const double across = x / (width - 1);
        if (y >= fieldsTop(x)) {
            // Fields: teal on the left to gold on the right, darker nearer us,
            // with rows of crops running off from the house.
            const double depth = (y - fieldsTop(x)) / (height - fieldsTop(x));
            const double furrow = 0.05 * std::sin(std::atan2(x - 205, y - 100) * 36);
            return hsv(172 - 135 * across, 0.62 + 0.3 * depth,
                       0.78 + 0.16 * across - 0.45 * depth + furrow);
        }
        // The mountain's right foot ends behind the house.
        if (y >= mountainTop(x) && x < 200) {
            // Blue on the left to mauve on the right, dark at the foot, lit
            // from the sun on the right; streaks run down from the peak.
            const bool lit = x > peakX + 0.3 * (y - peakY) + 2 * std::sin(y / 4.0);
            const double height01 = (y - peakY) / (121 - peakY);
            const double streak = 0.06 * std::sin((x - peakX) / std::max(4.0, y - peakY + 4) * 9);
            if (y < snowLine(x))
                return lit ? hsv(20, 0.12, 0.98 + streak) : hsv(225, 0.28, 0.72 + streak);
            const double hue = 190 + 140 * x / 200;
            const double value = (lit ? 0.95 : 0.78) - (lit ? 0.55 : 0.45) * height01 + streak;
            return hsv(hue, lit ? 0.40 : 0.52, value);
        }
        if (y >= hillsTop(x)) {
            const double below = (y - hillsTop(x)) / 40;
            return hsv(265 + 70 * across, 0.40, 0.70 - 0.30 * below);
        }
        const double toSun = std::hypot(x - sun.x(), y - sun.y());
        if (toSun <= sunRadius)
            return hsv(48 - 20 * (y - sun.y() + sunRadius) / (2 * sunRadius), 0.55, 1.0);
        // Sky: blue on the left through violet and rose to orange on the
        // right, darkest at the top, brightest at the horizon, glowing round the sun.
        const double t = y / 120;
        const QColor sky =
            hsv(225 + 165 * across - 35 * t * (1 - across), 0.78 - 0.28 * t, 0.40 + 0.60 * t);
        const double glow = 0.7 * std::exp(-(toSun - sunRadius) / 22);
        return QColor::fromRgbF(sky.redF() + (1.0f - sky.redF()) * float(glow),
                                sky.greenF() + (0.92f - sky.greenF()) * float(glow) * 0.9f,
                                sky.blueF() + (0.7f - sky.blueF()) * float(glow) * 0.6f);
    };

    QImage large(width * scale, height * scale, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(large.scanLine(y));
        for (int x = 0; x < large.width(); ++x)
            line[x] = colourAt((x + 0.5) / scale, (y + 0.5) / scale).rgb();
    }

    QPainter p(&large);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    Rng rng(0x56616C6C6579ULL);

    // Stars in the dark sky at the top left.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const QPointF star(rng.range(2, 150), rng.range(2, 40));
        if (star.y() > mountainTop(star.x()) - 2)
            continue;
        p.setBrush(QColor(255, 255, 235, int(rng.range(120, 230))));
        p.drawEllipse(star, 0.6, 0.6);
    }

    // Birds over the hills.
    p.setPen(QPen(QColor(40, 20, 50), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& bird : {QPointF(160, 40), QPointF(171, 34), QPointF(180, 45)}) {
        QPainterPath wings(bird + QPointF(-4, -1.5));
        wings.quadTo(bird + QPointF(-2, -2.5), bird);
        wings.quadTo(bird + QPointF(2, -2.5), bird + QPointF(4, -1.5));
        p.drawPath(wings);
    }

    // A pond on the left that mirrors the sky.
    const QRectF pond(3, 137, 44, 15);
    QLinearGradient water(0, pond.top(), 0, pond.bottom());
    water.setColorAt(0, QColor(150, 200, 235));
    water.setColorAt(1, QColor(50, 90, 170));
    p.setBrush(water);
    p.setPen(QPen(QColor(30, 60, 50), 0.8));
    p.drawEllipse(pond);
    p.setPen(QPen(QColor(255, 255, 255, 140), 0.6));
    p.drawLine(QPointF(10, 142), QPointF(28, 142));
    p.drawLine(QPointF(18, 146), QPointF(38, 146));

    // A path from the house's door to the bottom left corner, wider as it nears.
    QPainterPath path(QPointF(204, 131));
    path.cubicTo(QPointF(170, 146), QPointF(150, 150), QPointF(112, 160));
    path.cubicTo(QPointF(80, 168), QPointF(62, 176), QPointF(48, 186));
    path.lineTo(QPointF(84, 186));
    path.cubicTo(QPointF(96, 178), QPointF(118, 169), QPointF(140, 162));
    path.cubicTo(QPointF(168, 152), QPointF(190, 142), QPointF(210, 131));
    path.closeSubpath();
    QLinearGradient sand(0, 131, 0, 186);
    sand.setColorAt(0, QColor(236, 214, 170));
    sand.setColorAt(1, QColor(150, 112, 70));
    p.setBrush(sand);
    p.setPen(QPen(QColor(90, 70, 40, 150), 0.6));
    p.drawPath(path);

    // The house: cream walls lit from the right, a red roof, lit windows.
    const QRectF wall(187, 108, 38, 24);
    QLinearGradient wallLight(wall.left(), 0, wall.right(), 0);
    wallLight.setColorAt(0, QColor(196, 170, 140));
    wallLight.setColorAt(1, QColor(250, 232, 196));
    p.setPen(QPen(QColor(70, 40, 30), 0.7));
    p.setBrush(wallLight);
    p.drawRect(wall);
    p.setBrush(QColor(120, 60, 50));
    p.drawRect(QRectF(212, 88, 5, 12));  // chimney
    QPainterPath roof(QPointF(182, 109));
    roof.lineTo(206, 86);
    roof.lineTo(230, 109);
    roof.closeSubpath();
    QLinearGradient roofLight(182, 0, 230, 0);
    roofLight.setColorAt(0, QColor(140, 30, 30));
    roofLight.setColorAt(1, QColor(214, 64, 44));
    p.setBrush(roofLight);
    p.drawPath(roof);
    p.setBrush(QColor(255, 214, 90));
    p.drawRect(QRectF(191, 113, 7, 7));
    p.drawRect(QRectF(214, 113, 7, 7));
    p.setBrush(QColor(90, 50, 30));
    p.drawRect(QRectF(202, 117, 7, 15));

    // A round tree on the right, lit from the sun's side.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 60, 36));
    p.drawRect(QRectF(255, 108, 6, 36));
    const QPointF crown(258, 96);
    QRadialGradient leaves(crown + QPointF(8, -8), 30);
    leaves.setColorAt(0, QColor(70, 150, 90));
    leaves.setColorAt(1, QColor(12, 60, 50));
    p.setBrush(leaves);
    p.setPen(QPen(QColor(15, 50, 25), 0.7));
    for (const QPointF& lobe : {QPointF(-10, 4), QPointF(10, 4), QPointF(0, -6), QPointF(-6, -14),
                                QPointF(8, -13), QPointF(0, 8)})
        p.drawEllipse(crown + lobe, 12.5, 11.5);

    // A thin dark frame so the picture's edge reads clearly in the game.
    p.resetTransform();
    p.setPen(QPen(QColor(20, 20, 35, 160), scale));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(scale / 2.0, scale / 2.0, large.width() - scale, large.height() - scale));
    p.end();
    return large.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---------------------------------------------------------------------------
// Mosaic backgrounds for the splash and the logo.

// Fills the whole of p's device with small square tiles in blues, with golden
// tiles along two sweeping arcs and a few scattered about.
void drawBlueGoldMosaic(QPainter& p, int width, int height, double tile, std::uint64_t seed) {
    Rng rng(seed);
    p.fillRect(QRectF(0, 0, width, height), QColor(9, 16, 40));
    const int columns = static_cast<int>(std::ceil(width / tile)) + 1;
    const int rows = static_cast<int>(std::ceil(height / tile)) + 1;
    const double gap = std::max(1.0, tile * 0.13);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            const double x = col * tile - tile * 0.3 + (row % 2) * tile * 0.5;
            const double y = row * tile - tile * 0.3;
            const double cx = (x + tile / 2) / width;
            const double cy = (y + tile / 2) / height;
            const double arc1 = std::abs(std::hypot(cx + 0.15, (cy - 1.25) * 0.75) - 0.82);
            const double arc2 = std::abs(std::hypot(cx - 1.15, (cy + 0.25) * 0.75) - 0.72);
            const bool gold = arc1 < 0.045 || arc2 < 0.035 || rng.uniform() < 0.05;
            QColor colour;
            if (gold)
                colour = hsv(rng.range(38, 50), rng.range(0.7, 0.9), rng.range(0.85, 1.0));
            else
                colour = hsv(rng.range(205, 232), rng.range(0.55, 0.9), rng.range(0.32, 0.78));
            const QRectF rect(x + gap / 2 + rng.range(-0.4, 0.4),
                              y + gap / 2 + rng.range(-0.4, 0.4), tile - gap, tile - gap);
            drawTile(p, rect, tile * 0.16, colour);
        }
    }
}

// Gold lettering with a dark outline and drop shadow.
void drawGoldTitle(QPainter& p, const QPainterPath& text, double outline) {
    const QRectF ink = text.boundingRect();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 140), outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text.translated(outline * 0.9, outline * 1.1));
    p.setPen(QPen(QColor(62, 36, 6), outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
    QLinearGradient gold(ink.topLeft(), ink.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 246, 190));
    gold.setColorAt(0.45, QColor(247, 200, 60));
    gold.setColorAt(1.0, QColor(196, 128, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(text);
}

// ---------------------------------------------------------------------------
// splash.png

QImage drawSplash() {
    constexpr int width = 287;
    constexpr int height = 185;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBlueGoldMosaic(p, width, height, 13.0, 0x53706C617368ULL);

    // Dark glass panel behind the lettering, edged in gold.
    const QRectF panel(14, 50, width - 28, 86);
    QLinearGradient glass(panel.topLeft(), panel.bottomLeft());
    glass.setColorAt(0.0, QColor(14, 26, 66, 225));
    glass.setColorAt(1.0, QColor(6, 12, 34, 235));
    p.setBrush(glass);
    p.setPen(QPen(QColor(232, 186, 70), 2.0));
    p.drawRoundedRect(panel, 10, 10);
    p.setPen(QPen(QColor(232, 186, 70, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(4, 4, -4, -4), 7, 7);

    // The name only: the line below it is drawn by the game at run time, in
    // the player's language.
    const QString title = QStringLiteral("Mosaic Rush");
    const QFont titleFont = fittedBoldFont(title, 44, panel.width() - 30);
    drawGoldTitle(p, centredTextPath(title, titleFont, width / 2.0, panel.top() + 50), 1.6);
    p.end();
    return image;
}

// ---------------------------------------------------------------------------
// The 3x3 tray of tiles with one missing, shared by the icon and the logo.

const std::array<QColor, 8> trayColours = {
    QColor(236, 72, 60),  QColor(247, 183, 40),  QColor(96, 196, 76),  QColor(40, 170, 220),
    QColor(150, 96, 220), QColor(240, 110, 170), QColor(255, 140, 40), QColor(50, 200, 170),
};

void drawTileTray(QPainter& p, const QRectF& area, double gap, double radius) {
    const double tile = (area.width() - 2 * gap) / 3;
    for (int i = 0; i < 9; ++i) {
        const QRectF rect(area.left() + (i % 3) * (tile + gap), area.top() + (i / 3) * (tile + gap),
                          tile, tile);
        if (i == 8) {
            // The empty slot: a shallow dark hollow.
            p.setPen(QPen(QColor(255, 255, 255, 40), std::max(1.0, gap * 0.25)));
            p.setBrush(QColor(0, 0, 0, 90));
            p.drawRoundedRect(rect, radius, radius);
            continue;
        }
        drawTile(p, rect, radius, trayColours[static_cast<std::size_t>(i)]);
    }
}

// ---------------------------------------------------------------------------
// mosaic-rush.png

// Drawn on a 256-pixel design, scaled to the size asked for.
QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    const QRectF body(8, 8, 240, 240);
    QLinearGradient navy(body.topLeft(), body.bottomLeft());
    navy.setColorAt(0.0, QColor(48, 86, 170));
    navy.setColorAt(1.0, QColor(16, 34, 86));
    p.setPen(QPen(QColor(10, 20, 52), 4));
    p.setBrush(navy);
    p.drawRoundedRect(body.adjusted(2, 2, -2, -2), 46, 46);
    p.setPen(QPen(QColor(255, 255, 255, 60), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(7, 7, -7, -7), 40, 40);

    drawTileTray(p, QRectF(32, 32, 192, 192), 14, 12);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------
// about-logo.png

// Median-cut reduction to at most 256 colours, then each pixel takes its
// nearest palette colour (no dithering: the logo is mostly flat colour).
QImage toIndexed8(const QImage& source) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xFF000000u];
    }
    struct Entry {
        QRgb colour;
        int count;
    };
    std::vector<Entry> colours;
    for (const auto& [colour, count] : histogram)
        colours.push_back({colour, count});

    const std::array<std::function<int(QRgb)>, 3> channel = {[](QRgb c) { return qRed(c); },
                                                             [](QRgb c) { return qGreen(c); },
                                                             [](QRgb c) { return qBlue(c); }};

    struct Box {
        std::size_t begin, end;
    };
    const auto widest = [&](const Box& box, int* spread) {
        int best = 0;
        *spread = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (std::size_t i = box.begin; i < box.end; ++i) {
                const int v = channel[static_cast<std::size_t>(ch)](colours[i].colour);
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
            if (hi - lo > *spread) {
                *spread = hi - lo;
                best = ch;
            }
        }
        return best;
    };

    std::vector<Box> boxes{{0, colours.size()}};
    while (boxes.size() < 256) {
        std::size_t pick = boxes.size();
        int pickSpread = 0, pickChannel = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2)
                continue;
            int spread = 0;
            const int ch = widest(boxes[b], &spread);
            if (spread > pickSpread) {
                pick = b;
                pickSpread = spread;
                pickChannel = ch;
            }
        }
        if (pick == boxes.size())
            break;
        Box box = boxes[pick];
        const auto& key = channel[static_cast<std::size_t>(pickChannel)];
        std::sort(colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
                  colours.begin() + static_cast<std::ptrdiff_t>(box.end),
                  [&](const Entry& a, const Entry& b) {
                      const int ka = key(a.colour), kb = key(b.colour);
                      return ka != kb ? ka < kb : a.colour < b.colour;
                  });
        long total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i)
            total += colours[i].count;
        long running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (2 * running >= total)
                break;
        }
        boxes[pick] = {box.begin, split};
        boxes.push_back({split, box.end});
    }

    QList<QRgb> palette;
    for (const Box& box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            r += qRed(colours[i].colour) * double(colours[i].count);
            g += qGreen(colours[i].colour) * double(colours[i].count);
            b += qBlue(colours[i].colour) * double(colours[i].count);
            n += colours[i].count;
        }
        palette.push_back(
            qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n))));
    }

    std::map<QRgb, uchar> nearest;
    for (const Entry& e : colours) {
        int best = 0;
        long bestDistance = -1;
        for (int i = 0; i < palette.size(); ++i) {
            const long dr = qRed(e.colour) - qRed(palette[i]);
            const long dg = qGreen(e.colour) - qGreen(palette[i]);
            const long db = qBlue(e.colour) - qBlue(palette[i]);
            const long d = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        nearest[e.colour] = static_cast<uchar>(best);
    }

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            line[x] = nearest[in[x] | 0xFF000000u];
    }
    return out;
}

QImage drawAboutLogo() {
    constexpr int width = 180;
    constexpr int height = 116;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBlueGoldMosaic(p, width, height, 10.0, 0x41626F7574ULL);

    const QRectF card(6, 6, width - 12, height - 12);
    QLinearGradient glass(card.topLeft(), card.bottomLeft());
    glass.setColorAt(0.0, QColor(18, 32, 76, 235));
    glass.setColorAt(1.0, QColor(6, 12, 34, 240));
    p.setBrush(glass);
    p.setPen(QPen(QColor(232, 186, 70), 1.5));
    p.drawRoundedRect(card, 9, 9);

    drawTileTray(p, QRectF(width / 2.0 - 26, 14, 52, 52), 4, 3.5);

    const QString title = QStringLiteral("Mosaic Rush");
    const QFont font = fittedBoldFont(title, 26, card.width() - 16);
    drawGoldTitle(p, centredTextPath(title, font, width / 2.0, 96), 1.2);
    p.end();
    return toIndexed8(image);
}

bool save(const QImage& image, const QDir& dir, const QString& name, const char* format,
          int quality) {
    const QString path = dir.filePath(name);
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "draw-pictures: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // No window is ever shown; the offscreen platform still gives us fonts.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw-pictures OUTDIR\n");
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw-pictures: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }

    bool ok = true;
    ok = save(drawDefaultPicture(), dir, QStringLiteral("default.jpg"), "JPG", 92) && ok;
    ok = save(drawSplash(), dir, QStringLiteral("splash.png"), "PNG", -1) && ok;
    ok = save(drawAboutLogo(), dir, QStringLiteral("about-logo.png"), "PNG", -1) && ok;
    ok = save(drawIcon(256), dir, QStringLiteral("mosaic-rush.png"), "PNG", -1) && ok;
    // The icon at the desktop's smaller sizes, for the icon theme.
    dir.mkpath(QStringLiteral("icons"));
    for (const int size : {16, 32, 48, 64, 128})
        ok = save(drawIcon(size), dir, QStringLiteral("icons/mosaic-rush-%1.png").arg(size), "PNG",
                  -1) &&
             ok;
    return ok ? 0 : 1;
}
