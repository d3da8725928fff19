// Draws every card picture on one sheet, with overlapped columns and rows as the games lay them
// out, and takes a picture of the deck chooser, so the art can be looked at as a whole. Run with
// QT_SCALE_FACTOR=2 to see it as a dense screen shows it.

#include "CardId.h"
#include "CardLibrary.h"
#include "DeckChooser.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int Margin = 12;
constexpr int FaceStep = 76;
constexpr int RowStep = 102;
constexpr int BackStep = 102;
constexpr int SideRowStep = 78;
constexpr int TopStripShown = 18;
constexpr int LeftStripShown = 15;
constexpr QSize SheetSize{1010, 1020};

void drawAll(QPainter &painter, const std::vector<QPixmap> &pictures, QPoint origin, int step)
{
    for (size_t i = 0; i < pictures.size(); ++i)
        painter.drawPixmap(origin + QPoint(int(i) * step, 0), pictures[i]);
}

void paintSheet(QPainter &painter, const CardLibrary &cards)
{
    painter.fillRect(QRect(QPoint(0, 0), SheetSize), QColor(20, 100, 50));
    const std::vector<QPixmap> &faces = cards.faces;
    for (int suit = 0; suit < 4; ++suit) {
        const std::vector<QPixmap> row(faces.begin() + suit * CardId::RankCount,
                                       faces.begin() + (suit + 1) * CardId::RankCount);
        drawAll(painter, row, QPoint(Margin, Margin + suit * RowStep), FaceStep);
    }
    int top = Margin + 4 * RowStep + Margin;
    drawAll(painter, cards.backsUpright, QPoint(Margin, top), BackStep);
    top += RowStep;
    drawAll(painter, cards.backsUpsideDown, QPoint(Margin, top), BackStep);
    top += RowStep;
    drawAll(painter, cards.backsCounterClockwise, QPoint(Margin, top), BackStep + 8);
    top += SideRowStep;
    drawAll(painter, cards.backsClockwise, QPoint(Margin, top), BackStep + 8);
    top += SideRowStep + Margin;

    // A column overlapped down to the top strips and a row overlapped down to the left strips.
    const int shown[] = {8, 10, 38, 44, 24, 9, 48, 3, 25, 11};
    for (int i = 0; i < 10; ++i)
        painter.drawPixmap(Margin + i / 5 * 80, top + (i % 5) * TopStripShown,
                           cards.faces[shown[i]]);
    for (int i = 0; i < 10; ++i)
        painter.drawPixmap(Margin + 180 + i * LeftStripShown, top, cards.faces[shown[i]]);
    for (int i = 0; i < CardId::RankCount; ++i)
        painter.drawPixmap(Margin + 180 + i * LeftStripShown, top + RowStep,
                           cards.faces[CardId::idOf(CardId::Hearts, i)]);
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    CardLibrary cards;
    DeckChooser chooser;
    const qreal ratio = app.devicePixelRatio();

    QImage sheet(SheetSize * ratio, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    {
        QPainter painter(&sheet);
        paintSheet(painter, cards);
    }
    const QString suffix = QStringLiteral("@%1x.png").arg(ratio);
    sheet.save(folder + QStringLiteral("/card-sheet") + suffix);

    chooser.ChosenBack = 4;
    chooser.show();
    chooser.grab().save(folder + QStringLiteral("/deck-chooser") + suffix);
    QTextStream(stdout) << "written to " << folder << "\n";
    return 0;
}
