#pragma once
// The widths a new address database gets for its 18 keyed fields, and
// their place in the settings file (section "NewFileFieldLengths").
#include <QString>
#include <map>

namespace pc::text {
class ProfileFile;
}

namespace pc::data {

class NewFileFieldLengths {
  public:
    static constexpr int kMinimum = 5;
    static constexpr int kMaximum = 80;
    static const char* const kSection;

    // The settings file's defaults (FAX 40).
    NewFileFieldLengths();
    // The defaults of the field-lengths dialog's "Defaults" button (FAX 30).
    static NewFileFieldLengths builtInDefaults();
    // Reads the section; a missing key, or a value outside 5 to 80, gives
    // that key's default.
    static NewFileFieldLengths load(const pc::text::ProfileFile& settings);
    // Writes every key, a value outside 5 to 80 replaced by its default.
    bool save(pc::text::ProfileFile& settings) const;

    // By field name ("LNAME", ...). A field that is not keyed gives 0.
    int width(const QString& field) const;
    void setWidth(const QString& field, int width);
    // The width a new table gets: outside 5 to 80 the field's default.
    int widthForCreation(const QString& field) const;
    // The settings-file default of a keyed field; 0 for others.
    static int defaultWidth(const QString& field);

  private:
    std::map<QString, int> widths_;
};

}  // namespace pc::data
