#include "data/filter_query.h"

#include "data/t_apollo.h"

namespace pc::data {

QString engineQuery(const QString& filterString) {
    if (filterString.isEmpty()) return kNotDeletedQuery;
    return filterString + ".and. " + kNotDeletedQuery;
}

bool filterTooComplex(const QString& filterString) {
    return filterString.size() > kMaxFilterLength;
}

FilterQueryResult runFilterQuery(TApollo& apollo, const QString& filterString) {
    FilterQueryResult result;
    if (!filterString.isEmpty()) {
        result.tooComplex = filterTooComplex(filterString);
        const QString query = engineQuery(filterString);
        if (!result.tooComplex && apollo.queryTest(query) && apollo.setQuery(query)) {
            result.count = apollo.queryRecCount();
            if (result.count > 0) {
                result.query = query;
                return result;
            }
        }
        result.cleared = true;
        result.count = 0;
    }
    apollo.setQuery(kNotDeletedQuery);
    result.query = kNotDeletedQuery;
    return result;
}

}  // namespace pc::data
