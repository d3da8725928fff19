#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The numbers of a statistics page as a table of names and values, as rich text.
namespace StatisticsText {

using Row = QPair<QString, QString>;
QString table(const QList<Row> &rows);
// "42.5%" of the whole, "0.0015%" for a tiny share; a dash when there is no whole.
QString percent(qint64 part, qint64 whole);

}
