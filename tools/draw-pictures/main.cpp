// draw-pictures: draws the pictures that Mosaic Rush ships in resources/.
//
//   draw-pictures OUTDIR
//
// writes default.jpg (the default puzzle picture), splash.png (the start-up
// card), about-logo.png (the About window's logo) and mosaic-rush.png (the
// application icon). Everything is drawn here with QPainter; random choices
// come from a fixed-seed generator of our own, so the same build draws the
// same pictures every time.

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

// ---------------------------------------------------------------------------
// Shape outlines, centred on the origin.

QPainterPath starPath(int points, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = -pi / 2 + i * pi / points;
        const QPointF p(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath polygonPath(int sides, double r) {
    QPainterPath path;
    for (int i = 0; i < sides; ++i) {
        const double a = -pi / 2 + i * 2 * pi / sides;
        const QPointF p(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath ringPath(double outer, double inner) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(QPointF(0, 0), outer, outer);
    path.addEllipse(QPointF(0, 0), inner, inner);
    return path;
}

QPainterPath crossPath(double r) {
    const double t = r * 0.36;
    QPainterPath a;
    a.addRect(QRectF(-r, -t, 2 * r, 2 * t));
    QPainterPath b;
    b.addRect(QRectF(-t, -r, 2 * t, 2 * r));
    return a.united(b);
}

QPainterPath heartPath(double r) {
    QPainterPath path;
    path.moveTo(0, r * 0.95);
    path.cubicTo(-r * 1.35, r * 0.05, -r * 0.75, -r * 1.05, 0, -r * 0.4);
    path.cubicTo(r * 0.75, -r * 1.05, r * 1.35, r * 0.05, 0, r * 0.95);
    path.closeSubpath();
    return path;
}

QPainterPath crescentPath(double r) {
    QPainterPath full;
    full.addEllipse(QPointF(0, 0), r, r);
    QPainterPath bite;
    bite.addEllipse(QPointF(r * 0.45, -r * 0.2), r * 0.85, r * 0.85);
    return full.subtracted(bite);
}

QPainterPath flowerPath(int petals, double r) {
    QPainterPath path;
    for (int i = 0; i < petals; ++i) {
        QPainterPath petal;
        petal.addEllipse(QPointF(0, -r * 0.55), r * 0.3, r * 0.48);
        path = path.united(QTransform().rotate(360.0 * i / petals).map(petal));
    }
    QPainterPath middle;
    middle.addEllipse(QPointF(0, 0), r * 0.25, r * 0.25);
    return path.united(middle);
}

QPainterPath stripedSquarePath(double r) {
    // A square of three bars with gaps between them.
    QPainterPath path;
    const double bar = 2 * r / 5;
    for (int i = 0; i < 3; ++i)
        path.addRect(QRectF(-r, -r + 2 * i * bar, 2 * r, bar));
    return path;
}

QPainterPath randomShape(Rng& rng, double r) {
    switch (rng.below(11)) {
    case 0: {
        QPainterPath p;
        p.addEllipse(QPointF(0, 0), r, r);
        return p;
    }
    case 1: return starPath(5, r * 1.1, r * 0.45);
    case 2: return polygonPath(3, r * 1.1);
    case 3: return ringPath(r, r * 0.55);
    case 4: return polygonPath(4, r * 1.05);  // a diamond, before rotation
    case 5: return polygonPath(6, r);
    case 6: return crossPath(r);
    case 7: return heartPath(r);
    case 8: return crescentPath(r);
    case 9: return flowerPath(5 + rng.below(3), r * 1.1);
    default: return stripedSquarePath(r * 0.85);
    }
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

QImage drawDefaultPicture() {
    constexpr int width = 287;
    constexpr int height = 185;
    QImage image(width, height, QImage::Format_RGB32);

    // The hue runs left to right (stopping short of a full turn so the two
    // edges differ) and the brightness falls top to bottom, so every region of
    // the picture has its own colour even under the shapes' gaps. Soft
    // diagonal bands keep any stretch of background from being flat.
    const auto backgroundHue = [](double x, double y) {
        return 300.0 * x / (width - 1) + 14.0 * std::sin(y / (height - 1) * pi * 1.5);
    };
    const auto backgroundValue = [](double y) { return 1.0 - 0.52 * y / (height - 1); };
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double band = std::sin((x - 0.7 * y) * 2 * pi / 17.0);
            const double sat = 0.62 + 0.12 * band;
            const double val = backgroundValue(y) * (0.93 + 0.07 * band);
            line[x] = hsv(backgroundHue(x, y), sat, val).rgb();
        }
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(0x4D6F73616963ULL);

    // Big translucent ripples behind everything.
    for (int i = 0; i < 7; ++i) {
        const QPointF centre(rng.range(10, width - 10), rng.range(10, height - 10));
        const double radius = rng.range(22, 44);
        const bool light = i % 2 == 0;
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(light ? QColor(255, 255, 255, 85) : QColor(10, 10, 40, 70), 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, radius - k * 7.0, radius - k * 7.0);
        }
    }

    // Shapes on a jittered grid, so they cover the picture evenly. Each takes
    // a colour from the far side of the colour wheel from the background
    // under it.
    constexpr int columns = 13;
    constexpr int rows = 8;
    const double cellW = double(width) / columns;
    const double cellH = double(height) / rows;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            const double cx = (col + rng.range(0.2, 0.8)) * cellW;
            const double cy = (row + rng.range(0.2, 0.8)) * cellH;
            const double r = rng.range(6.5, 11.5);
            const double hue = backgroundHue(cx, cy) + 180.0 + rng.range(-55, 55);
            const QColor fill = hsv(hue, rng.range(0.75, 1.0), rng.range(0.85, 1.0));
            const QPainterPath shape = randomShape(rng, r);

            p.save();
            p.translate(cx, cy);
            p.rotate(rng.range(0, 360));
            QRadialGradient shade(QPointF(-r * 0.35, -r * 0.35), r * 1.6);
            shade.setColorAt(0.0, fill.lighter(150));
            shade.setColorAt(1.0, fill.darker(115));
            p.setBrush(shade);
            p.setPen(QPen(hsv(hue, 0.9, 0.22), 1.1));
            p.drawPath(shape);
            p.restore();
        }
    }

    // Confetti in the gaps.
    for (int i = 0; i < 170; ++i) {
        const QPointF c(rng.range(0, width), rng.range(0, height));
        const double r = rng.range(1.1, 2.3);
        const int kind = rng.below(3);
        p.setPen(Qt::NoPen);
        if (kind == 0)
            p.setBrush(QColor(255, 255, 255, 220));
        else if (kind == 1)
            p.setBrush(QColor(20, 16, 40, 200));
        else
            p.setBrush(hsv(rng.range(0, 360), 1.0, 1.0));
        p.drawEllipse(c, r, r);
    }

    // A thin dark frame so the picture's edge reads clearly in the game.
    p.setPen(QPen(QColor(20, 20, 35, 160), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    p.end();
    return image;
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

    const QString title = QStringLiteral("Mosaic Rush");
    const QFont titleFont = fittedBoldFont(title, 44, panel.width() - 30);
    drawGoldTitle(p, centredTextPath(title, titleFont, width / 2.0, panel.top() + 50), 1.6);

    QFont subFont(QStringLiteral("DejaVu Sans"));
    subFont.setPixelSize(12);
    subFont.setHintingPreference(QFont::PreferNoHinting);
    subFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    const QString subtitle = QStringLiteral("picture sliding puzzle");
    const QPainterPath sub = centredTextPath(subtitle, subFont, width / 2.0, panel.top() + 72);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 225, 255));
    p.drawPath(sub);

    // Little gold tiles either side of the subtitle.
    const QRectF subInk = sub.boundingRect();
    for (int i = 0; i < 3; ++i) {
        const double s = 5.0 - i;
        const double y = subInk.center().y() - s / 2;
        drawTile(p, QRectF(subInk.left() - 11 - i * 8, y, s, s), 1, QColor(240, 190, 60));
        drawTile(p, QRectF(subInk.right() + 11 + i * 8 - s, y, s, s), 1, QColor(240, 190, 60));
    }
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

QImage drawIcon() {
    constexpr int size = 256;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

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
    ok = save(drawIcon(), dir, QStringLiteral("mosaic-rush.png"), "PNG", -1) && ok;
    return ok ? 0 : 1;
}
