#pragma once
// The envelope window's current definition: one ENVELOPE.DBF row (its
// description, size code and layout file) with the size in inches, and
// the names of new layout files.
#include <QString>

namespace pc::data {
class TTable;
}

namespace pc::envelopes {

inline constexpr int kDescriptionLength = 50;  // kept, although the table holds 60
inline constexpr int kEnvelope10 = 20;

struct EnvelopeDefinition {
    QString description = QStringLiteral("Envelope #10");
    int code = kEnvelope10;
    double length = 9.5;  // from the size list; −1 for an unknown code
    double depth = 4.125;
    QString layoutFile;  // BIN#####.E in sysdata/
    bool isNew = false;

    // Takes the code and its length and depth.
    void setCode(int sizeCode);
    // The size the layout is drawn and printed at: an unknown code counts
    // as an Envelope #10, so its objects stay visible and printable.
    double usableLength() const;
    double usableDepth() const;
};

// ReadEnvelopeSetup: the current row into `d`. At the table's end (an
// empty table) the description and code become "Envelope #10" and 20 and
// the file name stays; while `d.isNew` is set nothing is read.
void readEnvelopeSetup(const pc::data::TTable& table, EnvelopeDefinition& d);
// WriteEnvelopeSetup: description, code and file name into the
// current row, which the caller has put in edit or insert state.
void writeEnvelopeSetup(const EnvelopeDefinition& d, pc::data::TTable& table);

// NextEnvelopeBinaryName: the first of BIN00001.E to BIN99999.E not present
// in `folder` (any letter case); "BIN00000.E" when all are taken.
QString nextEnvelopeBinaryName(const QString& folder);

}  // namespace pc::envelopes
