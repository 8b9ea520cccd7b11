#include "app/indicator_texts.h"

namespace pc::app {

QString filterIndicatorText(bool filterEmpty, int count) {
    if (!filterEmpty) return QString::number(count) + " filter matches";
    if (count > 0) return QString::number(count) + " records (no filter)";
    return QStringLiteral("No records");
}

QString orderIndicatorText(const QString& caption) {
    return "Sorted by " + caption;
}

}  // namespace pc::app
