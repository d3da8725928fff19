#include "TwelveScaledParts.h"

#include <QWidget>

TwelveScaledParts::TwelveScaledParts(QWidget *table)
    : table(table)
{ }

bool TwelveScaledParts::rescale(const TableScale &scale)
{
    if (scale == current)
        return false;
    current = scale;
    for (auto part = geometries.cbegin(); part != geometries.cend(); ++part)
        part.key()->setGeometry(toWidget(part.key(), part.value()));
    for (const auto &[part, designedFont] : fonts) {
        QFont font = designedFont;
        if (designedFont.pointSizeF() > 0)
            font.setPointSizeF(designedFont.pointSizeF() * scale.factor());
        else
            font.setPixelSize(qRound(designedFont.pixelSize() * scale.factor()));
        part->setFont(font);
    }
    return true;
}

QRect TwelveScaledParts::toWidget(QWidget *part, const QRect &designed) const
{
    return part->parentWidget() == table ? current.toWidget(designed)
                                         : current.toWidgetWithin(designed);
}

void TwelveScaledParts::place(QWidget *part, const QRect &designed)
{
    geometries.insert(part, designed);
    part->setGeometry(toWidget(part, designed));
}

void TwelveScaledParts::moveTo(QWidget *part, QPoint designed)
{
    place(part, QRect(designed, geometries.value(part).size()));
}

void TwelveScaledParts::resizeTo(QWidget *part, QSize designed)
{
    place(part, QRect(geometries.value(part).topLeft(), designed));
}

QRect TwelveScaledParts::designed(QWidget *part) const
{
    return geometries.value(part);
}

void TwelveScaledParts::keepFont(QWidget *part)
{
    fonts.emplace_back(part, part->font());
}
