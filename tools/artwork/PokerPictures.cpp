#include "PokerPictures.h"

#include "Noise.h"
#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace PokerPictures {

namespace {

const QColor Fog(214, 220, 218);

// One ridge of fir trees across the valley, from the farthest (depth 0) to the nearest (1).
// The near ridges stay low, so the fog above keeps dark text on the right easy to read.
struct TreeRow
{
    qreal ground; // mean height of the ridge line
    qreal hills; // how far the ridge rises and falls
    qreal height; // typical tree height
    qreal spacing; // typical distance between trees
    qreal depth;
    int blur;
};

const TreeRow TreeRows[] = {
    {170, 14, 46, 7, 0.1, 2},    {200, 18, 60, 9, 0.22, 2},   {240, 22, 80, 13, 0.38, 1},
    {292, 20, 108, 18, 0.58, 1}, {372, 16, 150, 28, 0.86, 0},
};

QPainterPath firTree(QPointF base, qreal height, Rng &rng)
{
    const int tiers = 16 + rng.below(6);
    const qreal width = height * (0.34 + 0.1 * rng.uniform());
    const QPointF top(base.x() + rng.signedUnit() * height * 0.02, base.y() - height);
    // Each tier is a drooping branch tip and the notch above the next one, on both sides.
    QPolygonF left;
    QPolygonF right;
    for (int i = 1; i <= tiers; ++i) {
        const qreal share = (i + 0.4 * rng.signedUnit()) / tiers;
        const qreal y = top.y() + height * 0.94 * std::pow(qBound(0.0, share, 1.0), 0.95);
        const qreal droop = height * 0.025;
        const qreal leftReach = width * 0.5 * share * (0.65 + 0.5 * rng.uniform());
        const qreal rightReach = width * 0.5 * share * (0.65 + 0.5 * rng.uniform());
        left << QPointF(top.x() - leftReach, y + droop) << QPointF(top.x() - leftReach * 0.3, y);
        right << QPointF(top.x() + rightReach, y + droop) << QPointF(top.x() + rightReach * 0.3, y);
    }
    QPolygonF outline;
    outline << top;
    for (const QPointF &p : left)
        outline << p;
    outline << QPointF(base.x() - width * 0.04, base.y())
            << QPointF(base.x() + width * 0.04, base.y());
    for (auto it = right.crbegin(); it != right.crend(); ++it)
        outline << *it;
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// A row of trees on its own layer, blurred by distance, then sunk in a bank of fog.
void paintTreeRow(QPainter &painter, const TreeRow &row, quint64 seed)
{
    const QSize size = BackgroundSize;
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        Rng rng(seed);
        const QColor tree = Painting::mix(Fog.darker(112), QColor(22, 36, 32), row.depth);
        const TileNoise ridge(64, seed + 1);
        auto groundAt = [&](qreal x) { return row.ground + row.hills * ridge.at(x / 90.0, 0.5); };
        QPolygonF land;
        land << QPointF(0, size.height());
        for (int x = 0; x <= size.width(); x += 4)
            land << QPointF(x, groundAt(x));
        land << QPointF(size.width(), size.height());
        p.setPen(Qt::NoPen);
        p.setBrush(tree);
        p.drawPolygon(land);
        for (qreal x = -20; x < size.width() + 20; x += row.spacing * (0.5 + rng.uniform())) {
            const qreal height = row.height * (0.6 + 0.6 * rng.uniform());
            p.drawPath(firTree(QPointF(x, groundAt(x) + 4), height, rng));
        }
    }
    painter.drawImage(0, 0, Painting::blurred(layer, row.blur));

    // Thickest along the foot of the trees, thinning out above them and below.
    const qreal bottom = row.ground + row.hills + 20;
    const qreal top = row.ground - row.height * 1.1;
    QLinearGradient bank(0, bottom, 0, top);
    QColor thick = Fog;
    thick.setAlphaF(0.55 * (1.0 - row.depth * 0.5));
    QColor thin = Fog;
    thin.setAlphaF(0);
    bank.setColorAt(0, thin);
    bank.setColorAt((bottom - row.ground) / (bottom - top), thick);
    bank.setColorAt(1, thin);
    painter.fillRect(QRectF(0, 0, size.width(), row.ground + row.hills + 20), bank);
}

// Drifting wisps: blurred noise, brighter where it is denser.
void paintWisps(QPainter &painter, qreal top, qreal bottom, quint64 seed, qreal strength)
{
    const FractalNoise noise(3, 4, seed);
    QImage wisps(BackgroundSize, QImage::Format_ARGB32_Premultiplied);
    wisps.fill(Qt::transparent);
    for (int y = int(top); y < int(bottom); ++y) {
        const qreal band = std::sin(std::numbers::pi * (y - top) / (bottom - top));
        for (int x = 0; x < wisps.width(); ++x) {
            const qreal n = noise.at(x / 900.0, y / 260.0);
            const int alpha
                = qBound(0, int(255 * strength * band * qMax(0.0, n + 0.15) * 1.6), 255);
            wisps.setPixel(x, y, qPremultiply(qRgba(Fog.red(), Fog.green(), Fog.blue(), alpha)));
        }
    }
    painter.drawImage(0, 0, wisps);
}

// Soft shafts of light falling through the fog from the upper left.
void paintLightRays(QPainter &painter)
{
    QImage rays(BackgroundSize, QImage::Format_ARGB32_Premultiplied);
    rays.fill(Qt::transparent);
    {
        QPainter p(&rays);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        QLinearGradient light(0, 0, 0, 380);
        light.setColorAt(0, QColor(255, 250, 225, 70));
        light.setColorAt(1, QColor(255, 250, 225, 0));
        p.setBrush(light);
        const struct
        {
            qreal left;
            qreal width;
        } shafts[] = {{110, 22}, {170, 40}, {250, 16}, {300, 34}};
        for (const auto &shaft : shafts) {
            QPolygonF ray;
            ray << QPointF(shaft.left, -10) << QPointF(shaft.left + shaft.width, -10)
                << QPointF(shaft.left + shaft.width * 3 + 140, 400)
                << QPointF(shaft.left + 120, 400);
            p.drawPolygon(ray);
        }
    }
    painter.drawImage(0, 0, Painting::blurred(rays, 7));
}

void paintGrain(QImage &image, quint64 seed)
{
    Rng rng(seed);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(rng.signedUnit() * 5);
            line[x] = qRgb(qBound(0, qRed(line[x]) + d, 255), qBound(0, qGreen(line[x]) + d, 255),
                           qBound(0, qBlue(line[x]) + d, 255));
        }
    }
}

}

QImage mistyForest()
{
    QImage image(BackgroundSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, BackgroundSize.height());
    sky.setColorAt(0, QColor(186, 198, 204));
    sky.setColorAt(0.45, QColor(226, 230, 226));
    sky.setColorAt(1, QColor(200, 206, 200));
    painter.fillRect(image.rect(), sky);
    paintLightRays(painter);
    quint64 seed = 101;
    for (const TreeRow &row : TreeRows) {
        paintTreeRow(painter, row, seed++);
        if (row.depth < 0.6)
            paintWisps(painter, row.ground - row.height * 0.6, row.ground + 20, seed++, 0.45);
    }
    // A veil of haze behind the statistics table at the upper left keeps its text readable.
    QRadialGradient haze(QPointF(190, 120), 250);
    QColor veil = Fog;
    veil.setAlphaF(0.45);
    haze.setColorAt(0, veil);
    haze.setColorAt(0.6, veil);
    veil.setAlphaF(0);
    haze.setColorAt(1, veil);
    painter.fillRect(image.rect(), haze);
    // Dark moss and needles underfoot, so cards laid along the bottom stand out.
    QLinearGradient floor(0, 300, 0, BackgroundSize.height());
    floor.setColorAt(0, QColor(28, 40, 32, 0));
    floor.setColorAt(1, QColor(16, 24, 18, 230));
    painter.fillRect(image.rect(), floor);
    Painting::paintVignette(painter, image.rect(), 90);
    painter.end();
    paintGrain(image, 977);
    return image;
}

QImage gameOver()
{
    QImage image(GameOverSize, QImage::Format_RGB32);
    const FractalNoise turbulence(2, 5, 55);
    const FractalNoise cloudiness(3, 4, 56);
    const QColor stone(238, 231, 216);
    const QColor vein(132, 122, 108);
    auto streak = [](qreal phase, qreal sharpness) {
        return std::pow(1.0 - std::abs(std::sin(phase * std::numbers::pi)), sharpness);
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const qreal u = x / 327.0;
            const qreal v = y / 327.0;
            const qreal t = turbulence.at(u, v);
            const qreal broad = streak(u * 2.5 + v * 4.0 + t * 1.4, 2.5);
            const qreal fine = streak(u * 3.1 + v * 2.2 + t * 2.6 + 0.3, 60.0);
            const qreal cloud = 0.5 + 0.5 * cloudiness.at(u, v);
            QColor c = Painting::mix(stone, stone.darker(118), cloud * 0.6);
            c = Painting::mix(c, vein, broad * 0.22 + fine * 0.45);
            image.setPixelColor(x, y, c);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A bevelled edge, lit from the top left.
    const QRectF frame = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(255, 255, 255, 170), 2));
    painter.drawPolyline(QPolygonF() << frame.bottomLeft() << frame.topLeft() << frame.topRight());
    painter.setPen(QPen(QColor(90, 70, 50, 170), 2));
    painter.drawPolyline(QPolygonF()
                         << frame.topRight() << frame.bottomRight() << frame.bottomLeft());

    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(52);
    QPainterPath words;
    const QString text = QStringLiteral("Game Over");
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    words.addText(QPointF((GameOverSize.width() - width) / 2, 54), font, text);
    QLinearGradient brown(0, 14, 0, 56);
    brown.setColorAt(0, QColor(168, 100, 44));
    brown.setColorAt(0.5, QColor(122, 62, 22));
    brown.setColorAt(1, QColor(84, 40, 12));
    Painting::paintRaised(painter, words, brown, QColor(60, 28, 8), QPointF(2, 3));
    return image;
}

QImage discardMark()
{
    QImage image(DiscardSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath cross;
    const qreal margin = 10;
    cross.moveTo(margin, margin + 12);
    cross.lineTo(DiscardSize.width() - margin, DiscardSize.height() - margin - 12);
    cross.moveTo(DiscardSize.width() - margin, margin + 12);
    cross.lineTo(margin, DiscardSize.height() - margin - 12);
    QPainterPathStroker stroker;
    stroker.setWidth(11);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath bar = stroker.createStroke(cross).simplified();
    QLinearGradient red(0, 0, DiscardSize.width(), DiscardSize.height());
    red.setColorAt(0, QColor(236, 40, 36));
    red.setColorAt(1, QColor(170, 10, 14));
    Painting::paintRaised(painter, bar, red, QColor(110, 0, 0), QPointF(1.5, 2));
    return image;
}

}
