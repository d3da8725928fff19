#pragma once

#include "CardPictureList.h"
#include "SharedWindow.h"

#include <QDialog>
#include <vector>

class Picture;
class QFrame;
class QPushButton;

class TfrmKartyak;
// The program's card library, made at start-up.
extern TfrmKartyak *frmKartyak;

// The card picture library, from which every card face and back of the program is drawn, and
// the deck chooser in which the player picks one of the nine back designs.
class TfrmKartyak : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmKartyak(QWidget *parent = nullptr);

    // Faces by card id (71 x 96), backs by back index: upright and upside down (71 x 96), turned
    // counter-clockwise and clockwise (96 x 71). Each picture is drawn when first asked for.
    const CardPictureList ilKartyak;
    const CardPictureList ilHatlap0;
    const CardPictureList ilHatlapF;
    const CardPictureList ilHatlap90;
    const CardPictureList ilHatlap270;

    // The back a game hands to the chooser and reads back after OK, and the back clicked while
    // the chooser is open.
    int ChosenBack = 0;
    int PendingBack = 0;

    std::vector<Picture *> backPictures;
    Picture *imgKeret;
    QFrame *pnlAlso;
    QPushButton *bbtnMegsem;
    QPushButton *bbtnOk;

    // The pixel ratio every picture of the library is drawn at.
    qreal pictureRatio() const { return pixelRatio; }

    void img0Click(Picture *picture);
    void bbtnOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The arrows' choice: as a click, and screen readers are told of it.
    void chooseByKey(Picture *picture);

    // The screen's pixel ratio when the library was made; every picture is drawn at it.
    const qreal pixelRatio;
    SharedWindowSlot<TfrmKartyak> instance{frmKartyak, this};
};
