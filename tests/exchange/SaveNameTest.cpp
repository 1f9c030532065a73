#include "exchange/SaveName.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <gtest/gtest.h>

namespace exchange {
namespace {

struct NameCase {
    QDateTime moment;
    int number;
    const char *fileName;
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << c.moment.toString(Qt::ISODate).toStdString() << " #" << c.number;
}

class SaveNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(SaveNames, FollowTheDateTimeRule)
{
    const NameCase c = GetParam();
    EXPECT_EQ(saveFileName(c.moment, c.number), QString::fromUtf8(c.fileName));
}

QDateTime at(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

INSTANTIATE_TEST_SUITE_P(Moments, SaveNames,
                         ::testing::Values(NameCase{at(2016, 12, 10, 3, 18, 30), 1, "2016年12月10日3时18分30秒.jpg"},
                                           NameCase{at(2016, 12, 10, 3, 18, 0), 1, "2016年12月10日3时18分.jpg"},
                                           NameCase{at(2016, 12, 10, 15, 0, 0), 1, "2016年12月10日15时.jpg"},
                                           NameCase{at(2016, 12, 10, 0, 0, 0), 1, "2016年12月10日.jpg"},
                                           NameCase{at(2016, 12, 10, 0, 5, 0), 1, "2016年12月10日0时5分.jpg"},
                                           NameCase{at(2016, 12, 10, 10, 0, 7), 1, "2016年12月10日10时0分7秒.jpg"},
                                           NameCase{at(2016, 1, 2, 9, 8, 7), 1, "2016年1月2日9时8分7秒.jpg"},
                                           NameCase{at(2016, 12, 10, 3, 18, 30), 2, "2016年12月10日3时18分30秒(2).jpg"},
                                           NameCase{at(2016, 12, 10, 0, 0, 0), 3, "2016年12月10日(3).jpg"},
                                           NameCase{at(2016, 12, 10, 3, 18, 30), 1000,
                                                    "2016年12月10日3时18分30秒(1000).jpg"}));

TEST(SaveName, InvalidMomentGivesNoText)
{
    EXPECT_TRUE(dateTimeText(QDateTime()).isEmpty());
}

} // namespace
} // namespace exchange
