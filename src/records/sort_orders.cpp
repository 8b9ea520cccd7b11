#include "records/sort_orders.h"

namespace pc::records {

const std::vector<SortOrder>& sortOrders() {
    static const std::vector<SortOrder> orders = {
        {"&Last Name", "LNAME"},  {"&First Name", "FNAME"}, {"&Title", "TITLE"},
        {"&Organization", "ORG"}, {"&Street", "STREET"},    {"&City", "CITY"},
        {"&State", "STATE"},      {"&Zip", "ZIP"},          {"&Country", "COUNTRY"},
        {"&Phone", "PHONE"},      {"&E-mail", "EMAIL"},     {"&Fax", "FAX"},
        {"&Date", "DATE"},        {"&Codes", "CODES"},
    };
    return orders;
}

QString orderNameFromCaption(const QString& menuCaption) {
    return menuCaption.mid(1, 30);
}

std::optional<QString> tagForOrderName(const QString& name) {
    const QString upper = name.toUpper();
    for (const auto& order : sortOrders()) {
        if (orderNameFromCaption(order.menuCaption).toUpper() == upper) return order.tag;
    }
    return std::nullopt;
}

QString orderNameForTag(const QString& tag) {
    for (const auto& order : sortOrders()) {
        if (order.tag.compare(tag, Qt::CaseInsensitive) == 0)
            return orderNameFromCaption(order.menuCaption);
    }
    return {};
}

}  // namespace pc::records
