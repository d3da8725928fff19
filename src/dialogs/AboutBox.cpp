#include "uNevjegy.h"

#include "AboutLogo.h"
#include "Picture.h"
#include "WebBrowser.h"
#include "WindowCentre.h"
#include "uValasz.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

TfrmNevjegy *frmNevjegy = nullptr;

namespace {

constexpr QSize ClientSize{313, 362};
constexpr QColor Background{230, 186, 104};
constexpr QColor Navy{0, 0, 128};
constexpr QColor Green{0, 128, 0};
constexpr QRect LogoRect{39, 16, 235, 45};
constexpr int FormFontPixelSize = 13;
const QString WebAddress = QStringLiteral("www.kovra-games.example");
const QString VersionText = QStringLiteral("Version 1.0.6");

QFont timesBold(int pixelSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QLabel *centredLine(QWidget *parent, const QString &text, const QFont &font, QColor colour,
                    QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(geometry);
    return label;
}

}

TfrmNevjegy::TfrmNevjegy(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , imgLogo(new Picture(this))
    , lblCim(centredLine(this, QStringLiteral("Kovra - Card Games 1"), timesBold(20), Navy,
                         {0, 78, ClientSize.width(), 23}))
    , lblVerzio(
          centredLine(this, VersionText, timesBold(15), Green, {0, 104, ClientSize.width(), 17}))
    , lblHonlap(new QLabel(QStringLiteral("Kovra's website:"), this))
    , edtHonlap(new QLineEdit(this))
    , bbtnOk(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    setFixedSize(ClientSize);
    // The box was laid out in this font; the address must fit its box whatever the program's
    // font is.
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setPixelSize(FormFontPixelSize);
    setFont(formFont);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Background);
    setPalette(palette);
    setAutoFillBackground(true);

    imgLogo->setGeometry(LogoRect);
    imgLogo->setPixmapSource(
        [this] { return drawAboutLogo(LogoRect.size(), devicePixelRatioF()); });

    lblHonlap->move(8, 195);
    lblHonlap->adjustSize();

    edtHonlap->setGeometry(112, 192, 193, 24);
    edtHonlap->setReadOnly(true);
    QFont linkFont = edtHonlap->font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    edtHonlap->setFont(linkFont);
    QPalette linkPalette = edtHonlap->palette();
    linkPalette.setColor(QPalette::Text, Qt::blue);
    linkPalette.setColor(QPalette::Base, Background);
    edtHonlap->setPalette(linkPalette);
    edtHonlap->setCursor(Qt::PointingHandCursor);
    edtHonlap->setFocusPolicy(Qt::NoFocus);
    edtHonlap->installEventFilter(this);

    bbtnOk->setGeometry(119, 328, 75, 25);
    bbtnOk->setDefault(true);
    connect(bbtnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmNevjegy::linkClicked()
{
    if (OpenWebPage(edtHonlap->text()))
        return;
    ShowOkMessage(QStringLiteral("The web-browser cannot start.\nStart it manually and visit our "
                                 "website.\n(Our webaddress had copied to the clipboard)"));
    edtHonlap->selectAll();
    edtHonlap->copy();
    edtHonlap->deselect();
}

// Centred over the main window; the address and version are set for every showing.
void TfrmNevjegy::showEvent(QShowEvent *event)
{
    edtHonlap->setText(WebAddress);
    edtHonlap->setCursorPosition(0);
    lblVerzio->setText(VersionText);
    centreOnMainWindow(this);
    QDialog::showEvent(event);
    bbtnOk->setFocus();
}

bool TfrmNevjegy::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtHonlap && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && edtHonlap->rect().contains(mouse->position().toPoint())) {
            linkClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
