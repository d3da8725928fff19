#include "BestScoresWindow.h"

#include "AnsiText.h"
#include "Application.h"
#include "BestScoreNameDialog.h"
#include "BestScores.h"
#include "FormatGrouped.h"
#include "QuestionDialog.h"
#include "WindowCentre.h"
#include "WindowFrame.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QFrame>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QtMath>

BestScoresWindow *bestScoresWindow = nullptr;

namespace {

const QColor NormalLineColour(0, 0, 170);
const QColor HighlightLineColour(193, 55, 26);
constexpr int FontPixels = 17;
constexpr QPoint ColumnsTopLeft{12, 16};
// Each column is 8 pixels taller than its lines: half of it above them, half below.
constexpr int ColumnPadding = 4;
constexpr int MinimumNameWidth = 100;
constexpr int MinimumScoreWidth = 40;
constexpr int PanelHeight = 43;
constexpr int ButtonTop = 9;
constexpr QSize ButtonSize{81, 25};
constexpr int ButtonGap = 12;

QTextEdit *column(QWidget *parent)
{
    auto *edit = new QTextEdit(parent);
    edit->setReadOnly(true);
    edit->setEnabled(false);
    edit->setFrameShape(QFrame::NoFrame);
    edit->document()->setDocumentMargin(ColumnPadding);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(QTextEdit::NoWrap);
    return edit;
}

void appendLine(QTextEdit *edit, const QString &text, const QColor &colour, Qt::Alignment alignment)
{
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat block;
    block.setAlignment(alignment);
    if (edit->document()->isEmpty())
        cursor.setBlockFormat(block);
    else
        cursor.insertBlock(block);
    QTextCharFormat characters;
    characters.setForeground(colour);
    cursor.insertText(text, characters);
}

class BestScoreWindows : public BestScoreView
{
public:
    QString askName(int score) override { return bestScoreNameDialog->askName(score); }
    void reportDamagedFile() override
    {
        ShowOkMessage(QStringLiteral("The top score list file is damaged!"));
    }
    void reportWriteError(const QString &message) override { ShowOkMessage(message); }
    void showList() override { bestScoresWindow->ShowBestScoreWindow(bestScoreList()); }
};

}

BestScoresWindow::BestScoresWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , nameColumn(column(this))
    , scoreColumn(column(this))
    , buttonPanel(new QFrame(this))
    , okButton(new QPushButton(QStringLiteral("OK"), buttonPanel))
    , clearButton(new QPushButton(QStringLiteral("Clear"), buttonPanel))
{
    setWindowTitle(applicationTitle() + QStringLiteral(" - Best scores"));
    setModal(true);
    QFont listFont(QStringLiteral("Times New Roman"));
    listFont.setPixelSize(FontPixels);
    listFont.setBold(true);
    setFont(listFont);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(clearButton, &QPushButton::clicked, this, &BestScoresWindow::clearClicked);
}

void BestScoresWindow::ShowBestScoreWindow(const BestScoreList &list)
{
    nameColumn->clear();
    scoreColumn->clear();
    const QFontMetrics metrics(font());
    int nameWidth = MinimumNameWidth;
    int scoreWidth = MinimumScoreWidth;
    for (int k = 1; k <= list.count(); ++k) {
        const QColor &colour = k == list.highlightPlace() ? HighlightLineColour : NormalLineColour;
        const QString name
            = QString::number(k) + QStringLiteral(". ") + AnsiText::decode(list.entry(k).Name);
        const QString score = FormatGrouped(list.entry(k).Score);
        appendLine(nameColumn, name, colour, Qt::AlignLeft);
        appendLine(scoreColumn, score, colour, Qt::AlignRight);
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(name));
        scoreWidth = std::max(scoreWidth, metrics.horizontalAdvance(score));
    }
    placeControls(nameWidth, scoreWidth, lineHeight(), list.count());
    if (!isVisible())
        exec();
}

// Column widths and the window size follow the measured text; every size here is an outer
// one, as on Windows, and the client area is what the frame leaves.
void BestScoresWindow::placeControls(int nameWidth, int scoreWidth, int lineHeight, int lines)
{
    const QRect names(ColumnsTopLeft,
                      QSize(nameWidth + 20, lineHeight * lines + 2 * ColumnPadding));
    const QRect scores(names.topRight() + QPoint(1, 0), QSize(scoreWidth + 25, names.height()));
    const QSize outer(scores.right() + 1 + 20, names.height() + 107);
    const QSize client = outer - DialogFrame;
    setFixedSize(client);
    nameColumn->setGeometry(names);
    scoreColumn->setGeometry(scores);
    buttonPanel->setGeometry(0, client.height() - PanelHeight, client.width(), PanelHeight);
    const int buttonsLeft = (client.width() - 2 * ButtonSize.width() - ButtonGap) / 2;
    okButton->setGeometry(QRect(QPoint(buttonsLeft, ButtonTop), ButtonSize));
    clearButton->setGeometry(
        QRect(QPoint(buttonsLeft + ButtonSize.width() + ButtonGap, ButtonTop), ButtonSize));
}

// The height the columns give one line, which can be a little more than the font's own.
int BestScoresWindow::lineHeight() const
{
    const QTextDocument *document = nameColumn->document();
    return qCeil(document->documentLayout()->blockBoundingRect(document->firstBlock()).height());
}

void BestScoresWindow::clearClicked()
{
    if (AskYesNo(QStringLiteral("Are you sure you want to clear scores?")) == 'Y')
        ShowBestScores(-1);
}

void BestScoresWindow::showEvent(QShowEvent *event)
{
    centreOnMainWindow(this);
    QDialog::showEvent(event);
}

void ShowBestScores(int score)
{
    BestScoreWindows windows;
    bestScoreList().ShowBestScores(score, windows);
}
