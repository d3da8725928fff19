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
    return QString::number(100.0 * double(part) / double(whole), 'f', 1) + QLatin1Char('%');
}

}
