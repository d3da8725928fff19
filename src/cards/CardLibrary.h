#pragma once

#include "CardPictureList.h"
#include "SharedWindow.h"

#include <QObject>

class CardLibrary;
// The program's card library, made at start-up before any window that shows cards.
extern CardLibrary *cardLibrary;

// The card picture library, from which every card face and back of the program is drawn, at
// the screen's pixel ratio when the library was made.
class CardLibrary : public QObject
{
    Q_OBJECT
public:
    explicit CardLibrary(QObject *parent = nullptr);

    // Faces by card id (71 x 96), backs by back index: upright and upside down (71 x 96), turned
    // counter-clockwise and clockwise (96 x 71). Each picture is drawn when first asked for.
    const CardPictureList faces;
    const CardPictureList backsUpright;
    const CardPictureList backsUpsideDown;
    const CardPictureList backsCounterClockwise;
    const CardPictureList backsClockwise;

    // The pixel ratio every picture of the library is drawn at.
    qreal pictureRatio() const { return pixelRatio; }

private:
    const qreal pixelRatio;
    SharedWindowSlot<CardLibrary> instance{cardLibrary, this};
};
