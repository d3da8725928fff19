#pragma once

#include <QLabel>

// A one-line label whose text ends in an ellipsis when it is wider than the label, whatever
// font and size the label gets later; the whole text is then its tool tip.
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    const QString &fullText() const { return full; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    QString full;
};
