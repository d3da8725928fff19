#include "StatisticsText.h"

namespace StatisticsText {

QString table(const QList<Row> &rows)
{
    QString text = QStringLiteral("<table cellspacing=\"4\">");
    for (const auto &[name, value] : rows)
        text += QStringLiteral("<tr><td>%1</td><td align=\"right\"><b>%2</b></td></tr>")
                    .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
    return text + QStringLiteral("</table>");
}

QString percent(qint64 part, qint64 whole)
{
    if (whole <= 0)
        return QStringLiteral("-");
    const double share = 100.0 * double(part) / double(whole);
    // A rare hand keeps two digits that say how rare.
    if (share > 0 && share < 0.1)
        return QString::number(share, 'g', 2) + QLatin1Char('%');
    return QString::number(share, 'f', 1) + QLatin1Char('%');
}

}
