#include "GolfResultsDialog.h"

#include "FileError.h"
#include "QuestionDialog.h"

#include <QLabel>
#include <QPushButton>

GolfResultsDialog *golfResultsDialog = nullptr;

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

GolfResultsDialog::GolfResultsDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , layoutLabel(new QLabel(this))
    , okButton(new QPushButton(QStringLiteral("OK"), this))
    , clearButton(new QPushButton(QStringLiteral("Clear Scores"), this))
{
    setWindowTitle(QStringLiteral("Kovra - Golf - Results"));
    setModal(true);
    setFixedSize(ClientSize);

    QFont titleFont = layoutLabel->font();
    titleFont.setPixelSize(TitlePixelSize);
    titleFont.setBold(true);
    layoutLabel->setFont(titleFont);
    QPalette titlePalette = layoutLabel->palette();
    titlePalette.setColor(QPalette::WindowText, TitleColour);
    layoutLabel->setPalette(titlePalette);
    layoutLabel->setAlignment(Qt::AlignCenter);
    layoutLabel->setGeometry(0, TitleTop, ClientSize.width(), TitleHeight);

    for (int i = 0; i < GolfResultsFile::ShownRows; ++i) {
        const int top = TableTop + 3 * i * TableRowHeight / 2;
        nameLabels[i] = tableLabel(this, rowName(i), {NameLeft, top, NameWidth, TableRowHeight},
                                   Qt::AlignHCenter);
        valueLabels[i]
            = tableLabel(this, {}, {ValueLeft, top, ValueWidth, TableRowHeight}, Qt::AlignRight);
    }
    const int gamesRow = GolfResultsFile::ShownRows - 1;
    for (QLabel *label : {nameLabels[gamesRow], valueLabels[gamesRow]}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, GamesColour);
        label->setPalette(palette);
    }

    okButton->setGeometry(QRect(QPoint(OkLeft, ButtonTop), ButtonSize));
    clearButton->setGeometry(QRect(QPoint(ClearLeft, ButtonTop), ButtonSize));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(clearButton, &QPushButton::clicked, this, &GolfResultsDialog::clearClicked);
}

void GolfResultsDialog::showResults(GolfLayout layout)
{
    shownLayout = layout;
    layoutLabel->setText(
        QStringLiteral("Colons %1    Rows %2").arg(layout.columns).arg(layout.rows));
    showTable();
    exec();
}

void GolfResultsDialog::showTable()
{
    const auto values = GolfResultsFile().shownResults(shownLayout);
    for (int i = 0; i < GolfResultsFile::ShownRows; ++i)
        valueLabels[i]->setText(QString::number(values[i]));
}

void GolfResultsDialog::clearClicked()
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

void GolfResultsDialog::reject()
{
    clearClicked();
}
