#include "AboutBox.h"

#include "AboutLogo.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "WebBrowser.h"
#include "WindowCentre.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

AboutBox *aboutBox = nullptr;

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

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , logo(new Picture(this))
    , titleLabel(centredLine(this, QStringLiteral("Kovra - Card Games 1"), timesBold(20), Navy,
                             {0, 78, ClientSize.width(), 23}))
    , versionLabel(
          centredLine(this, VersionText, timesBold(15), Green, {0, 104, ClientSize.width(), 17}))
    , homePageLabel(new QLabel(QStringLiteral("Kovra's website:"), this))
    , homePageLink(new QLineEdit(this))
    , okButton(new QPushButton(QStringLiteral("OK"), this))
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

    logo->setGeometry(LogoRect);
    logo->setPixmapSource([this] { return drawAboutLogo(LogoRect.size(), devicePixelRatioF()); });

    homePageLabel->move(8, 195);
    homePageLabel->adjustSize();

    homePageLink->setGeometry(112, 192, 193, 24);
    homePageLink->setReadOnly(true);
    QFont linkFont = homePageLink->font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    homePageLink->setFont(linkFont);
    QPalette linkPalette = homePageLink->palette();
    linkPalette.setColor(QPalette::Text, Qt::blue);
    linkPalette.setColor(QPalette::Base, Background);
    homePageLink->setPalette(linkPalette);
    homePageLink->setCursor(Qt::PointingHandCursor);
    homePageLink->setFocusPolicy(Qt::NoFocus);
    homePageLink->installEventFilter(this);

    okButton->setGeometry(119, 328, 75, 25);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::linkClicked()
{
    if (OpenWebPage(homePageLink->text()))
        return;
    ShowOkMessage(QStringLiteral("The web-browser cannot start.\nStart it manually and visit our "
                                 "website.\n(Our webaddress had copied to the clipboard)"));
    homePageLink->selectAll();
    homePageLink->copy();
    homePageLink->deselect();
}

// Centred over the main window; the address and version are set for every showing.
void AboutBox::showEvent(QShowEvent *event)
{
    homePageLink->setText(WebAddress);
    homePageLink->setCursorPosition(0);
    versionLabel->setText(VersionText);
    centreOnMainWindow(this);
    QDialog::showEvent(event);
    okButton->setFocus();
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == homePageLink && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && homePageLink->rect().contains(mouse->position().toPoint())) {
            linkClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
