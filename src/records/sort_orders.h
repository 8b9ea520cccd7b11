#pragma once
// The orders of the Sort menu: caption and index tag.
#include <QString>
#include <optional>
#include <vector>

namespace pc::records {

struct SortOrder {
    QString menuCaption;  // with the "&" accelerator, "&Last Name"
    QString tag;          // "LNAME"
};

const std::vector<SortOrder>& sortOrders();
// The caption without its first character (the menu's "&"), at most 30 long.
QString orderNameFromCaption(const QString& menuCaption);
// The tag for an order name in any case ("last name" -> "LNAME"); nothing for
// an unknown name.
std::optional<QString> tagForOrderName(const QString& name);
// The order name for a tag ("LNAME" -> "Last Name"); empty when unknown.
QString orderNameForTag(const QString& tag);

}  // namespace pc::records
