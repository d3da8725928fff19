#include "StatisticsWindow.h"

#include "ChartMaker.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr QSize DefaultSize{760, 460};

QWidget *pageWidget(const StatisticsPage &page, ChartMaker *maker)
{
    auto *widget = new QWidget;
    auto *layout = new QHBoxLayout(widget);
    auto *numbers = new QLabel(page.text, widget);
    numbers->setTextFormat(Qt::RichText);
    numbers->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    numbers->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    numbers->setAccessibleName(page.title);
    numbers->setWordWrap(true);
    layout->addWidget(numbers, 2);
    if (page.chart && maker)
        layout->addWidget(page.chart(*maker, widget), 3);
    return widget;
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
    refresh();
}

void StatisticsWindow::refresh()
{
    const QString open = tabs->count() > 0 ? tabs->tabText(tabs->currentIndex()) : QString();
    while (tabs->count() > 0) {
        QWidget *page = tabs->widget(0);
        tabs->removeTab(0);
        delete page;
    }
    ChartMaker *maker = ChartMaker::loaded();
    for (const StatisticsPage &page : pages()) {
        const int index = tabs->addTab(pageWidget(page, maker), page.title);
        if (page.title == open)
            tabs->setCurrentIndex(index);
    }
}
