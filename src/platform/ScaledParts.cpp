#include "ScaledParts.h"

#include <QWidget>

ScaledParts::ScaledParts(QWidget *table)
    : table(table)
{ }

bool ScaledParts::rescale(const TableScale &scale)
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

QRect ScaledParts::toWidget(QWidget *part, const QRect &designed) const
{
    if (wholes.contains(part))
        return current.toWidgetWhole(designed);
    return part->parentWidget() == table ? current.toWidget(designed)
                                         : current.toWidgetWithin(designed);
}

void ScaledParts::place(QWidget *part, const QRect &designed)
{
    geometries.insert(part, designed);
    part->setGeometry(toWidget(part, designed));
}

void ScaledParts::placeWhole(QWidget *part, const QRect &designed)
{
    wholes.insert(part);
    place(part, designed);
}

void ScaledParts::moveTo(QWidget *part, QPoint designed)
{
    place(part, QRect(designed, geometries.value(part).size()));
}

void ScaledParts::resizeTo(QWidget *part, QSize designed)
{
    place(part, QRect(geometries.value(part).topLeft(), designed));
}

QRect ScaledParts::designed(QWidget *part) const
{
    return geometries.value(part);
}

void ScaledParts::keepFont(QWidget *part)
{
    fonts.emplace_back(part, part->font());
}
