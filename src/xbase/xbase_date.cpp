#include "xbase/xbase_date.h"

namespace pc::xbase {

int64_t julianDay(int year, int month, int day) {
    // Fliegel & Van Flandern, integer arithmetic.
    int64_t a = (14 - month) / 12;
    int64_t y = year + 4800 - a;
    int64_t m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

CivilDate civilFromJulian(int64_t jd) {
    int64_t a = jd + 32044;
    int64_t b = (4 * a + 3) / 146097;
    int64_t c = a - 146097 * b / 4;
    int64_t d = (4 * c + 3) / 1461;
    int64_t e = c - 1461 * d / 4;
    int64_t m = (5 * e + 2) / 153;
    CivilDate out;
    out.day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    out.month = static_cast<int>(m + 3 - 12 * (m / 10));
    out.year = static_cast<int>(100 * b + d - 4800 + m / 10);
    return out;
}

std::optional<CivilDate> parseDtos(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    int v[8];
    for (int i = 0; i < 8; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v[i] = text[i] - '0';
    }
    CivilDate d{v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3], v[4] * 10 + v[5], v[6] * 10 + v[7]};
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1) return std::nullopt;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    int max = kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
    if (d.day > max) return std::nullopt;
    return d;
}

int64_t julianFromDtos(std::string_view text) {
    auto d = parseDtos(text);
    return d ? julianDay(d->year, d->month, d->day) : 0;
}

std::string dtosFromJulian(int64_t jd) {
    if (jd <= 0) return std::string(8, ' ');
    CivilDate d = civilFromJulian(jd);
    if (d.year < 1 || d.year > 9999) return std::string(8, ' ');
    char buf[9];
    int y = d.year;
    buf[0] = char('0' + y / 1000);
    buf[1] = char('0' + y / 100 % 10);
    buf[2] = char('0' + y / 10 % 10);
    buf[3] = char('0' + y % 10);
    buf[4] = char('0' + d.month / 10);
    buf[5] = char('0' + d.month % 10);
    buf[6] = char('0' + d.day / 10);
    buf[7] = char('0' + d.day % 10);
    return std::string(buf, 8);
}

}  // namespace pc::xbase
