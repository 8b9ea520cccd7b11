#include "design/address_block.h"

namespace pc::design {
namespace {

QString trimmedLeft(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' ')) ++i;
    return s.mid(i);
}

// The value followed by one blank, leading blanks then removed: an empty
// value contributes nothing.
QString spaced(const QString& value) {
    return trimmedLeft(value + QLatin1Char(' '));
}

bool isBlank(const QString& s) {
    return s.trimmed().isEmpty();
}

// Reads fields until one is missing; after that every read fails.
class Reader {
  public:
    explicit Reader(const AddressFieldReader& field) : field_(field) {}
    bool get(const char* name, QString& out) {
        if (failed_) return false;
        const auto value = field_ ? field_(QString::fromLatin1(name)) : std::nullopt;
        if (!value) {
            failed_ = true;
            return false;
        }
        out = *value;
        return true;
    }

  private:
    const AddressFieldReader& field_;
    bool failed_ = false;
};

}  // namespace

QStringList composeAddressBlock(const AddressBlockOptions& o, const AddressFieldReader& field) {
    QStringList lines;
    Reader read(field);
    auto add = [&lines](const QString& line) {
        if (!line.isEmpty()) lines << line;
    };
    auto finish = [&o, &lines] {
        if (o.upperCase)
            for (QString& line : lines) line = line.toUpper();
        return lines;
    };

    if (o.useName) {
        QString prefix, first, middle, last;
        if (!read.get("PREFIX", prefix) || !read.get("FNAME", first) ||
            !read.get("MIDDLE", middle) || !read.get("LNAME", last))
            return finish();
        if (!isBlank(middle)) middle += QLatin1Char('.');
        add(spaced(prefix) + spaced(first) + spaced(middle) + spaced(last));
    }
    const std::pair<bool, const char*> single[] = {{o.useTitle, "TITLE"},
                                                   {o.useCompany, "ORG"},
                                                   {o.useStreet, "STREET"},
                                                   {o.useStreet2, "STREET2"}};
    for (const auto& [use, name] : single) {
        if (!use) continue;
        QString value;
        if (!read.get(name, value)) return finish();
        add(value);
    }

    const bool zipWithCity = o.useZip && (o.zipOptions == ZipOptions::zoAfterState ||
                                          o.zipOptions == ZipOptions::zoBeforeCity);
    const bool zipWithCountry = o.useZip && !zipWithCity;
    if (o.useCityState) {
        QString city, state, zip;
        if (!read.get("CITY", city) || !read.get("STATE", state)) return finish();
        if (zipWithCity && !read.get("ZIP", zip)) return finish();
        if (zipWithCity && o.zipOptions == ZipOptions::zoAfterState) {
            // The separator blank of a missing city stays at the front.
            const QString line = spaced(city) + QLatin1Char(' ') + spaced(state) + trimmedLeft(zip);
            if (!isBlank(line)) lines << line;
        } else if (zipWithCity) {
            add(spaced(zip) + spaced(city) + spaced(state));
        } else {
            add(spaced(city) + state);
        }
    } else if (zipWithCity) {
        QString zip;
        if (!read.get("ZIP", zip)) return finish();
        add(zip);
    }

    if (o.useCountry) {
        QString country, zip;
        if (!read.get("COUNTRY", country)) return finish();
        if (zipWithCountry && !read.get("ZIP", zip)) return finish();
        if (zipWithCountry && o.zipOptions == ZipOptions::zoAfterCountry)
            add(spaced(country) + zip);
        else if (zipWithCountry)
            add(spaced(zip) + country);
        else
            add(country);
    } else if (zipWithCountry) {
        QString zip;
        if (!read.get("ZIP", zip)) return finish();
        add(zip);
    }

    if (o.usePhone) {
        QString phone;
        if (!read.get("PHONE", phone)) return finish();
        add(phone);
    }
    return finish();
}

}  // namespace pc::design
