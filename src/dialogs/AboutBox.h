#pragma once

#include "SharedWindow.h"

#include <QDialog>

class Picture;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmNevjegy;
// The program's About box, made at start-up.
extern TfrmNevjegy *frmNevjegy;

// The About box: product title, version and a link to the product's web page.
class TfrmNevjegy : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNevjegy(QWidget *parent = nullptr);

    Picture *imgLogo;
    QLabel *lblCim;
    QLabel *lblVerzio;
    QLabel *lblHonlap;
    QLineEdit *edtHonlap;
    QPushButton *bbtnOk;

    // Opens the web page; when no browser starts, says so and puts the address on the
    // clipboard instead.
    void linkClicked();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SharedWindowSlot<TfrmNevjegy> instance{frmNevjegy, this};
};
