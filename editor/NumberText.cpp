#include "editor/NumberText.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace editor {
namespace {

QByteArray foldedToAscii(const QString &text)
{
    QByteArray ascii;
    ascii.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x3000)
            ascii.append(' ');
        else if (u >= 0xFF01 && u <= 0xFF5E)
            ascii.append(char(u - 0xFF01 + 0x21));
        else if (u < 0x80)
            ascii.append(char(u));
        else
            ascii.append('\x7F'); // stops the number
    }
    return ascii;
}

// The longest leading decimal number, read the same whatever the user's locale.
double leadingNumber(const QByteArray &ascii)
{
    const char *p = ascii.constData();
    const char *end = p + ascii.size();
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f'))
        ++p;
    double sign = 1.0;
    if (p < end && (*p == '+' || *p == '-'))
        sign = *p++ == '-' ? -1.0 : 1.0;
    const bool digit = p < end && *p >= '0' && *p <= '9';
    const bool point = p + 1 < end && *p == '.' && p[1] >= '0' && p[1] <= '9';
    if (!digit && !point)
        return 0.0;
    double value = 0.0;
    const auto [last, status] = std::from_chars(p, end, value, std::chars_format::general);
    if (status == std::errc::result_out_of_range) {
        const std::string_view read(p, std::size_t(last - p));
        const auto e = read.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < read.size() && read[e + 1] == '-';
        return tiny ? 0.0 : sign * std::numeric_limits<double>::infinity();
    }
    return sign * value;
}

} // namespace

std::int32_t numberFromText(const QString &text)
{
    const double value = leadingNumber(foldedToAscii(text));
    if (std::isnan(value))
        return 0;
    // Out-of-range values saturate the 64-bit step instead of being undefined.
    constexpr double limit = 9.2233720368547748e18;
    const std::int64_t whole = value >= limit    ? std::numeric_limits<std::int64_t>::max()
                               : value <= -limit ? std::numeric_limits<std::int64_t>::min()
                                                 : std::int64_t(std::trunc(value));
    return std::int32_t(std::uint32_t(std::uint64_t(whole)));
}

} // namespace editor
