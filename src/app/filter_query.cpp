#include "app/filter_query.h"

namespace pc::app {

QString engineQuery(const QString& filterString) {
    if (filterString.isEmpty()) return kNotDeletedQuery;
    return filterString + ".and. " + kNotDeletedQuery;
}

bool filterTooComplex(const QString& filterString) {
    return filterString.size() > kMaxFilterLength;
}

}  // namespace pc::app
