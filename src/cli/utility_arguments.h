#pragma once
// The arguments of the table utility verbs (replace, convert-case, export,
// delete, check-dup): one TABLE, options with a value, and switches; and
// the table opened with the records they consider selected.
#include <QString>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace pc::data {
class TTable;
}

namespace pc::cli {

struct UtilityArguments {
    QString table;
    std::map<std::string, std::string> values;
    std::set<std::string> switches;

    bool has(const std::string& option) const {
        return values.count(option) > 0 || switches.count(option) > 0;
    }
    QString value(const std::string& option) const;
};

// Throws a usage error naming the verb for anything not in the lists, a
// missing value, an option given twice or a missing TABLE.
UtilityArguments parseUtilityArguments(const std::vector<std::string>& args,
                                       const std::string& verb,
                                       const std::set<std::string>& valueOptions,
                                       const std::set<std::string>& switchOptions);

[[noreturn]] void utilityUsageError(const std::string& verb, const std::string& message);

// Opens the table exclusively with the address fields.
void openUtilityTable(const QString& path, data::TTable& table);

}  // namespace pc::cli
