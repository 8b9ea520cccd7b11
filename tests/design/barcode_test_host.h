#pragma once
// A surface stand-in for the barcode objects: a record as a field map, a
// printing switch, and counts of what the objects asked for.
#include <QMap>
#include <QString>

#include "design/merge_source.h"
#include "design/object_host.h"

namespace pc::design::test {

class MapRecord : public MergeSource {
  public:
    QMap<QString, QString> values;
    std::vector<MergeField> fields() const override {
        std::vector<MergeField> out;
        for (auto it = values.begin(); it != values.end(); ++it)
            out.push_back({it.key(), it.key()});
        return out;
    }
    std::optional<QString> text(const QString& field) const override {
        if (!values.contains(field)) return std::nullopt;
        return values.value(field);
    }
    std::optional<QString> memo(const QString&) const override { return std::nullopt; }
};

class BarcodeTestHost : public ObjectHost {
  public:
    MapRecord record;
    bool isPrinting = false;
    int changes = 0;
    int repaints = 0;

    bool printing() const override { return isPrinting; }
    bool displayDataValues() const override { return true; }
    const MergeSource* mergeSource() const override { return &record; }
    QSize surfaceSize() const override { return {600, 400}; }
    float zoom() const override { return 1.0f; }
    void objectChanged(TGGraphicControl&) override { ++changes; }
    void objectNeedsRepaint(TGGraphicControl&) override { ++repaints; }
};

}  // namespace pc::design::test
