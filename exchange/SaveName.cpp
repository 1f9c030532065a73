#include "exchange/SaveName.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace exchange {

QString dateTimeText(const QDateTime &moment)
{
    if (!moment.isValid())
        return {};
    const QDate date = moment.date();
    const QTime time = moment.time();
    QString text = QString::asprintf("%d年%d月%d日", date.year(), date.month(), date.day());
    if (time.second() != 0)
        text += QString::asprintf("%d时%d分%d秒", time.hour(), time.minute(), time.second());
    else if (time.minute() != 0)
        text += QString::asprintf("%d时%d分", time.hour(), time.minute());
    else if (time.hour() != 0)
        text += QString::asprintf("%d时", time.hour());
    return text;
}

QString numberedJpegName(const QString &baseName, int number)
{
    if (number <= 1)
        return baseName + QStringLiteral(".jpg");
    return baseName + QStringLiteral("(%1).jpg").arg(number);
}

QString saveFileName(const QDateTime &moment, int number)
{
    return numberedJpegName(dateTimeText(moment), number);
}

} // namespace exchange
