#pragma once

#include "SharedWindow.h"

#include <QDialog>

class Picture;
class QLabel;
class QLineEdit;
class QPushButton;

class AboutBox;
// The program's About box, made at start-up.
extern AboutBox *aboutBox;

// The About box: product title, version and a link to the product's web page.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

    Picture *logo;
    QLabel *titleLabel;
    QLabel *versionLabel;
    QLabel *homePageLabel;
    QLineEdit *homePageLink;
    QPushButton *okButton;

    // Opens the web page; when no browser starts, says so and puts the address on the
    // clipboard instead.
    void linkClicked();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SharedWindowSlot<AboutBox> instance{aboutBox, this};
};
