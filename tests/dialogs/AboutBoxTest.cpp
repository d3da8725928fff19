#include "Application.h"
#include "Click.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "WebBrowser.h"
#include "uNevjegy.h"
#include "uValasz.h"

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

    TfrmValasz questions;
    TfrmNevjegy about;
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
        {about.imgLogo, {39, 16, 235, 45}},   {about.lblCim, {0, 78, 313, 23}},
        {about.lblVerzio, {0, 104, 313, 17}}, {about.edtHonlap, {112, 192, 193, 24}},
        {about.bbtnOk, {119, 328, 75, 25}},
    };
    for (const auto &place : places)
        EXPECT_EQ(place.widget->geometry(), place.geometry)
            << place.widget->metaObject()->className();
    EXPECT_EQ(about.lblHonlap->pos(), QPoint(8, 195));
    EXPECT_EQ(about.lblHonlap->text(), "Kovra's website:");

    EXPECT_EQ(about.lblCim->text(), "Kovra - Card Games 1");
    EXPECT_EQ(about.lblCim->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(about.lblCim->font().pixelSize(), 20);
    EXPECT_TRUE(about.lblCim->font().bold());
    EXPECT_EQ(about.lblVerzio->text(), "Version 1.0.6");
    EXPECT_EQ(about.lblVerzio->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(about.lblVerzio->font().pixelSize(), 15);

    EXPECT_TRUE(about.edtHonlap->isReadOnly());
    EXPECT_EQ(about.edtHonlap->text(), "www.kovra-games.example");
    EXPECT_LT(about.edtHonlap->fontMetrics().horizontalAdvance(about.edtHonlap->text()),
              about.edtHonlap->width() - 8)
        << "the whole address shows";
    EXPECT_TRUE(about.edtHonlap->font().underline() && about.edtHonlap->font().bold());
    EXPECT_EQ(about.edtHonlap->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.edtHonlap->palette().color(QPalette::Base), QColor(230, 186, 104));

    const QImage logo = about.imgLogo->pixmap().toImage();
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
                message = questions.lblKerdes->text();
                clipboardDuringMessage = QGuiApplication::clipboard()->text();
                questions.bbtnOk->click();
            });
        }
        clickWidget(about.edtHonlap);

        EXPECT_EQ(opened, QStringList{about.edtHonlap->text()});
        if (browserStarts) {
            EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
        } else {
            EXPECT_EQ(message.toStdString(),
                      "The web-browser cannot start.\nStart it manually and "
                      "visit our website.\n(Our webaddress had copied to "
                      "the clipboard)");
            EXPECT_EQ(clipboardDuringMessage, "before");
            EXPECT_EQ(QGuiApplication::clipboard()->text(), about.edtHonlap->text());
            EXPECT_FALSE(about.edtHonlap->hasSelectedText());
        }
        about.close();
    }
}

TEST_F(AboutBoxTest, EnterPressesOkAndEachShowingSetsTheVersion)
{
    about.lblVerzio->clear();
    QString versionShown;
    onNextModal([&](QWidget *modal) {
        versionShown = about.lblVerzio->text();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_EQ(versionShown, "Version 1.0.6");
}
