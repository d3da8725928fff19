#pragma once

#include <QPixmap>
#include <QSize>

// The product logo of the About box: a small fan of cards and the name in large letters, on a
// transparent background, drawn sharp for the given device pixel ratio.
QPixmap drawAboutLogo(QSize size, qreal devicePixelRatio);
