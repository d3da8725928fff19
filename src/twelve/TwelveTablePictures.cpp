#include "TwelveTablePictures.h"

#include <cmath>

namespace {

// The densities the pictures come in, sparsest first; 1 is the plain file.
constexpr int Densities[] = {1, 2, 4};

QString fileName(const QString &name, int density)
{
    const QString path = QStringLiteral(":/twelve/") + name;
    return density == 1 ? path + QStringLiteral(".png")
                        : path + QStringLiteral("@%1x.png").arg(density);
}

}

void TwelveTablePictures::setRatio(qreal ratio)
{
    if (qFuzzyCompare(ratio, pixelRatio))
        return;
    pixelRatio = ratio;
    made.clear();
}

QPixmap TwelveTablePictures::picture(const QString &name, QSize designed)
{
    const auto kept = made.constFind(name);
    if (kept != made.cend())
        return *kept;
    QPixmap source;
    int density = 1;
    for (const int available : Densities) {
        QPixmap candidate(fileName(name, available));
        if (candidate.isNull())
            continue;
        source = candidate;
        density = available;
        if (available >= pixelRatio - 0.01)
            break;
    }
    if (!source.isNull() && !qFuzzyCompare(qreal(density), pixelRatio)) {
        const QSize device(int(std::lround(designed.width() * pixelRatio)),
                           int(std::lround(designed.height() * pixelRatio)));
        source = source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    source.setDevicePixelRatio(pixelRatio);
    made.insert(name, source);
    return source;
}
