#include "uGolfPontok.h"

#include "FileError.h"
#include "uValasz.h"

#include <QLabel>
#include <QPushButton>

TfrmGolfPontok *frmGolfPontok = nullptr;

namespace {

constexpr QSize ClientSize{254, 338};
constexpr int TitleTop = 12;
constexpr int TitleHeight = 26;
constexpr int TitlePixelSize = 20;
const QColor TitleColour(128, 0, 0);
const QColor GamesColour(0, 0, 170);
constexpr int TablePointSize = 10;
constexpr int TableTop = 50;
constexpr int TableRowHeight = 16;
constexpr int NameLeft = 40;
constexpr int NameWidth = 80;
constexpr int ValueLeft = 130;
constexpr int ValueWidth = 70;
constexpr int ButtonTop = 292;
constexpr QSize ButtonSize{100, 25};
constexpr int OkLeft = 17;
constexpr int ClearLeft = 137;

QString rowName(int row)
{
    if (row == 0)
        return QStringLiteral("Wins");
    if (row == GolfResultsFile::ShownRows - 1)
        return QStringLiteral("Games");
    const int hi = row * GolfResultsFile::BucketWidth;
    return QStringLiteral("%1 - %2").arg(hi - GolfResultsFile::BucketWidth + 1).arg(hi);
}

QLabel *tableLabel(QWidget *parent, const QString &text, QRect place, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(TablePointSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(place);
    return label;
}

}

TfrmGolfPontok::TfrmGolfPontok(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , lblPalya(new QLabel(this))
    , bbtnOk(new QPushButton(QStringLiteral("OK"), this))
    , bbtnPontTorl(new QPushButton(QStringLiteral("Clear Scores"), this))
{
    setWindowTitle(QStringLiteral("Kovra - Golf - Results"));
    setModal(true);
    setFixedSize(ClientSize);

    QFont titleFont = lblPalya->font();
    titleFont.setPixelSize(TitlePixelSize);
    titleFont.setBold(true);
    lblPalya->setFont(titleFont);
    QPalette titlePalette = lblPalya->palette();
    titlePalette.setColor(QPalette::WindowText, TitleColour);
    lblPalya->setPalette(titlePalette);
    lblPalya->setAlignment(Qt::AlignCenter);
    lblPalya->setGeometry(0, TitleTop, ClientSize.width(), TitleHeight);

    for (int i = 0; i < GolfResultsFile::ShownRows; ++i) {
        const int top = TableTop + 3 * i * TableRowHeight / 2;
        lblNev[i] = tableLabel(this, rowName(i), {NameLeft, top, NameWidth, TableRowHeight},
                               Qt::AlignHCenter);
        lblErtek[i]
            = tableLabel(this, {}, {ValueLeft, top, ValueWidth, TableRowHeight}, Qt::AlignRight);
    }
    const int gamesRow = GolfResultsFile::ShownRows - 1;
    for (QLabel *label : {lblNev[gamesRow], lblErtek[gamesRow]}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, GamesColour);
        label->setPalette(palette);
    }

    bbtnOk->setGeometry(QRect(QPoint(OkLeft, ButtonTop), ButtonSize));
    bbtnPontTorl->setGeometry(QRect(QPoint(ClearLeft, ButtonTop), ButtonSize));
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(bbtnPontTorl, &QPushButton::clicked, this, &TfrmGolfPontok::bbtnPontTorlClick);
}

void TfrmGolfPontok::showResults(GolfLayout layout)
{
    shownLayout = layout;
    lblPalya->setText(QStringLiteral("Colons %1    Rows %2").arg(layout.columns).arg(layout.rows));
    showTable();
    exec();
}

void TfrmGolfPontok::showTable()
{
    const auto values = GolfResultsFile().shownResults(shownLayout);
    for (int i = 0; i < GolfResultsFile::ShownRows; ++i)
        lblErtek[i]->setText(QString::number(values[i]));
}

void TfrmGolfPontok::bbtnPontTorlClick()
{
    if (AskYesCancel(QStringLiteral("Are you sure you want to clear the results?")) != 'Y')
        return;
    try {
        GolfResultsFile().clearShownResults(shownLayout);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
    showTable();
}

void TfrmGolfPontok::reject()
{
    bbtnPontTorlClick();
}
