#include "postal/zip_code_count.h"

#include <algorithm>

#include "data/engine_setting_guards.h"
#include "data/row_reader.h"

namespace pc::postal {
namespace {

const QString kLow = QStringLiteral("00000");
const QString kHigh = QStringLiteral("99999-999");

void addLines(const QHash<QString, int>& tally, const QString& separator, QStringList& lines) {
    QStringList keys = tally.keys();
    std::sort(keys.begin(), keys.end());
    for (const QString& key : keys)
        lines << key.leftJustified(10, QLatin1Char(' '), true) +
                     groupedCount(tally.value(key), separator);
}

}  // namespace

QString groupedCount(int count, const QString& thousandsSeparator) {
    QString digits = QString::number(count < 0 ? -count : count);
    for (int at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, thousandsSeparator);
    return count < 0 ? QLatin1Char('-') + digits : digits;
}

void ZipCodeCount::count(const QString& zip) {
    const QString key = zip.left(5);
    if (key.isEmpty()) {
        ++blank_;
        return;
    }
    const bool valid = key.size() == 5 && key.at(0).isDigit() && key.at(0).unicode() < 128 &&
                       key >= kLow && key <= kHigh;
    if (valid)
        ++valid_[static_cast<size_t>(key.at(0).unicode() - '0')][key];
    else
        ++other_[key];
}

QStringList ZipCodeCount::reportLines(const QString& thousandsSeparator) const {
    QStringList lines;
    for (const auto& tally : valid_) addLines(tally, thousandsSeparator, lines);
    lines << QString() << QString();
    addLines(other_, thousandsSeparator, lines);
    if (blank_ > 0)
        lines << QStringLiteral("BLANK").leftJustified(10) +
                     groupedCount(blank_, thousandsSeparator);
    return lines;
}

bool countZipCodes(data::TTable& table, data::TApollo& engine, ZipCodeCount& counts,
                   const std::function<bool(int)>& keepGoing) {
    data::OrderSetting natural(engine, 0);
    data::RowReader rows(table);
    const QString zip = QStringLiteral("ZIP");
    for (rows.goTop(); !rows.eof(); rows.skip(1)) {
        counts.count(rows.text(zip));
        if (keepGoing && !keepGoing(rows.recNo())) return false;
    }
    return true;
}

}  // namespace pc::postal
