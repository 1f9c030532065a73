#pragma once

#include <QString>

class QDateTime;

namespace exchange {

// "2016年12月10日3时18分30秒": the date, then the time part shortened by trailing zero
// fields (none at all at midnight); empty for an invalid date-time.
QString dateTimeText(const QDateTime &moment);

// The file name for a base name: "<base>.jpg" for the first choice (number 1 or less),
// "<base>(2).jpg", "<base>(3).jpg", … when earlier names are taken.
QString numberedJpegName(const QString &baseName, int number);

// dateTimeText(moment) + ".jpg", or the numbered variant.
QString saveFileName(const QDateTime &moment, int number = 1);

} // namespace exchange
