#include "AboutBox.h"
#include "Application.h"
#include "Click.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "WebBrowser.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public testing::Test
{
protected:
    ~AboutBoxTest() override { setWebPageOpenerForTests({}); }

    QuestionDialog questions;
    AboutBox about;
};

}

TEST_F(AboutBoxTest, LayoutAndLook)
{
    QWidget launcher;
    launcher.setGeometry(100, 80, 581, 388);
    setMainWindow(&launcher);
    about.show();
    setMainWindow(nullptr);
    EXPECT_LE((about.frameGeometry().center() - launcher.geometry().center()).manhattanLength(), 1)
        << "centred over the main window";
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(313, 362));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "fixed dialog border";
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(230, 186, 104));

    const struct
    {
        QWidget *widget;
        QRect geometry;
    } places[] = {
        {about.logo, {39, 16, 235, 45}},         {about.titleLabel, {0, 78, 313, 23}},
        {about.versionLabel, {0, 104, 313, 17}}, {about.homePageLink, {112, 192, 193, 24}},
        {about.okButton, {119, 328, 75, 25}},
    };
    for (const auto &place : places)
        EXPECT_EQ(place.widget->geometry(), place.geometry)
            << place.widget->metaObject()->className();
    EXPECT_EQ(about.homePageLabel->pos(), QPoint(8, 195));
    EXPECT_EQ(about.homePageLabel->text(), "Kovra's website:");

    EXPECT_EQ(about.titleLabel->text(), "Kovra - Card Games 1");
    EXPECT_EQ(about.titleLabel->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(about.titleLabel->font().pixelSize(), 20);
    EXPECT_TRUE(about.titleLabel->font().bold());
    EXPECT_EQ(about.versionLabel->text(), "Version 1.0.6");
    EXPECT_EQ(about.versionLabel->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(about.versionLabel->font().pixelSize(), 15);

    EXPECT_TRUE(about.homePageLink->isReadOnly());
    EXPECT_EQ(about.homePageLink->text(), "www.kovra-games.example");
    EXPECT_LT(about.homePageLink->fontMetrics().horizontalAdvance(about.homePageLink->text()),
              about.homePageLink->width() - 8)
        << "the whole address shows";
    EXPECT_TRUE(about.homePageLink->font().underline() && about.homePageLink->font().bold());
    EXPECT_EQ(about.homePageLink->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.homePageLink->palette().color(QPalette::Base), QColor(230, 186, 104));

    const QImage logo = about.logo->pixmap().toImage();
    EXPECT_EQ(logo.pixelColor(0, 0).alpha(), 0) << "the logo lets the background show through";
    about.close();
}

TEST_F(AboutBoxTest, LinkOpensTheBrowserOrCopiesTheAddressAfterTheMessage)
{
    for (const bool browserStarts : {true, false}) {
        SCOPED_TRACE(browserStarts);
        QStringList opened;
        setWebPageOpenerForTests([&](const QString &address) {
            opened << address;
            return browserStarts;
        });
        QGuiApplication::clipboard()->setText("before");
        about.show();
        QString message;
        QString clipboardDuringMessage;
        if (!browserStarts) {
            onNextModal([&](QWidget *) {
                message = questions.messageLabel->text();
                clipboardDuringMessage = QGuiApplication::clipboard()->text();
                questions.okButton->click();
            });
        }
        clickWidget(about.homePageLink);

        EXPECT_EQ(opened, QStringList{about.homePageLink->text()});
        if (browserStarts) {
            EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
        } else {
            EXPECT_EQ(message.toStdString(),
                      "The web-browser cannot start.\nStart it manually and "
                      "visit our website.\n(Our webaddress had copied to "
                      "the clipboard)");
            EXPECT_EQ(clipboardDuringMessage, "before");
            EXPECT_EQ(QGuiApplication::clipboard()->text(), about.homePageLink->text());
            EXPECT_FALSE(about.homePageLink->hasSelectedText());
        }
        about.close();
    }
}

TEST_F(AboutBoxTest, EnterPressesOkAndEachShowingSetsTheVersion)
{
    about.versionLabel->clear();
    QString versionShown;
    onNextModal([&](QWidget *modal) {
        versionShown = about.versionLabel->text();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_EQ(versionShown, "Version 1.0.6");
}
