#include "envelopes/envelope_definition.h"

#include "data/t_table.h"
#include "envelopes/envelope_sizes.h"
#include "labels/layout_file_names.h"

namespace pc::envelopes {

void EnvelopeDefinition::setCode(int sizeCode) {
    code = sizeCode;
    length = envelopeLength(sizeCode);
    depth = envelopeDepth(sizeCode);
}

double EnvelopeDefinition::usableLength() const {
    return length > 0 ? length : envelopeLength(kEnvelope10);
}

double EnvelopeDefinition::usableDepth() const {
    return depth > 0 ? depth : envelopeDepth(kEnvelope10);
}

void readEnvelopeSetup(const pc::data::TTable& table, EnvelopeDefinition& d) {
    if (d.isNew) return;
    if (!table.active() || table.eof() || !table.hasCurrentRecord()) {
        d.description = QStringLiteral("Envelope #10");
        d.setCode(kEnvelope10);
        return;
    }
    d.description = table.fieldByName(QStringLiteral("DESCRIPT")).text().trimmed();
    bool ok = false;
    const int code = table.fieldByName(QStringLiteral("NUMBER")).text().trimmed().toInt(&ok);
    d.setCode(ok ? code : 0);
    d.layoutFile = table.fieldByName(QStringLiteral("BINARY")).text().trimmed();
}

void writeEnvelopeSetup(const EnvelopeDefinition& d, pc::data::TTable& table) {
    table.fieldByName(QStringLiteral("DESCRIPT")).setText(d.description);
    table.fieldByName(QStringLiteral("NUMBER")).setText(QString::number(d.code));
    table.fieldByName(QStringLiteral("BINARY")).setText(d.layoutFile);
}

QString nextEnvelopeBinaryName(const QString& folder) {
    const QString name = labels::nextLayoutFileName(folder, QStringLiteral(".E"));
    return name.isEmpty() ? QStringLiteral("BIN00000.E") : name;
}

}  // namespace pc::envelopes
