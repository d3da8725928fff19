#include "StatisticsWindow.h"

#include "ChartMaker.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr QSize DefaultSize{900, 520};

// The numbers of a page, which a screen reader reads.
QLabel *numbersLabel(const StatisticsPage &page, QWidget *parent)
{
    auto *numbers = new QLabel(page.text, parent);
    numbers->setTextFormat(Qt::RichText);
    numbers->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    numbers->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    numbers->setAccessibleName(page.title);
    numbers->setWordWrap(true);
    return numbers;
}

}

StatisticsWindow::StatisticsWindow(const QString &caption,
                                   std::function<QList<StatisticsPage>()> pages,
                                   std::function<bool()> reset, QWidget *parent)
    : QDialog(parent)
    , tabs(new QTabWidget(this))
    , resetButton(new QPushButton(QStringLiteral("Reset"), this))
    , closeButton(new QPushButton(QStringLiteral("Close"), this))
    , pages(std::move(pages))
    , reset(std::move(reset))
{
    setWindowTitle(caption);
    setSizeGripEnabled(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(resetButton, QDialogButtonBox::ResetRole);
    buttons->addButton(closeButton, QDialogButtonBox::RejectRole);
    closeButton->setDefault(true);
    layout->addWidget(buttons);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(resetButton, &QPushButton::clicked, this, [this] {
        if (this->reset())
            refresh();
    });
    resize(DefaultSize);
    connect(tabs, &QTabWidget::currentChanged, this, &StatisticsWindow::fillPage);
    refresh();
}

// A page is laid out when it is first shown: a record of many layouts or levels opens as fast
// as one.
void StatisticsWindow::fillPage(int index)
{
    if (index < 0 || index >= shown.size() || filled.contains(index))
        return;
    filled.insert(index);
    QWidget *page = tabs->widget(index);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(numbersLabel(shown[index], page), 1);
    ChartMaker *maker = ChartMaker::loaded();
    if (shown[index].chart && maker)
        layout->addWidget(shown[index].chart(*maker, page), 1);
}

void StatisticsWindow::refresh()
{
    const QString open = tabs->count() > 0 ? tabs->tabText(tabs->currentIndex()) : QString();
    while (tabs->count() > 0) {
        QWidget *page = tabs->widget(0);
        tabs->removeTab(0);
        delete page;
    }
    shown = pages();
    filled.clear();
    const QSignalBlocker filling(tabs);
    int current = 0;
    for (const StatisticsPage &page : shown) {
        const int index = tabs->addTab(new QWidget, page.title);
        if (page.title == open)
            current = index;
    }
    tabs->setCurrentIndex(current);
    fillPage(current);
}
