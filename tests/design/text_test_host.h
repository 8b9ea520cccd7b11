#pragma once
// A plain surface for the text-object tests: a record held in a map and
// switches for printing and showing values.
#include <QList>
#include <QMap>

#include "design/graphic_object.h"
#include "design/merge_source.h"
#include "design/object_host.h"

namespace pc::test {

class MapMergeSource : public pc::design::MergeSource {
  public:
    // Character fields in the order added.
    void add(const QString& name, const QString& label, const QString& value) {
        pc::design::MergeField f;
        f.name = name;
        f.displayLabel = label;
        f.character = true;
        fields_.push_back(f);
        values_[name] = value;
    }
    std::vector<pc::design::MergeField> fields() const override { return fields_; }
    std::optional<QString> text(const QString& name) const override {
        if (!values_.contains(name)) return std::nullopt;
        QString v = values_.value(name);
        while (v.endsWith(' ')) v.chop(1);
        return v;
    }
    std::optional<QString> memo(const QString& name) const override { return text(name); }

  private:
    std::vector<pc::design::MergeField> fields_;
    QMap<QString, QString> values_;
};

class TestHost : public pc::design::ObjectHost {
  public:
    bool printing() const override { return isPrinting; }
    bool displayDataValues() const override { return showValues; }
    const pc::design::MergeSource* mergeSource() const override { return source; }
    QSize surfaceSize() const override { return {384, 96}; }
    float zoom() const override { return 1.0f; }
    void objectChanged(pc::design::TGGraphicControl&) override { ++changes; }
    void objectNeedsRepaint(pc::design::TGGraphicControl&) override { ++repaints; }

    bool isPrinting = false;
    bool showValues = true;
    const pc::design::MergeSource* source = nullptr;
    int changes = 0;
    int repaints = 0;
};

}  // namespace pc::test
