#pragma once
// A plain surface and a record held in maps, for driving the design objects
// without a window or a table; and what an object writes when saved.
#include <QList>
#include <QMap>
#include <QStringList>

#include "design/graphic_object.h"
#include "design/merge_source.h"
#include "design/object_host.h"
#include "design/property_writer.h"

namespace pc::design::testing {

class MapMergeSource : public MergeSource {
  public:
    // Character fields; named as given, each with its name as display
    // label unless add() gave it one.
    QMap<QString, QString> values;
    QMap<QString, QString> memos;  // memo fields by name

    // A character field with its own display label, in the order added.
    void add(const QString& name, const QString& label, const QString& value) {
        if (!order_.contains(name)) order_ << name;
        labels_[name] = label;
        values[name] = value;
    }

    std::vector<MergeField> fields() const override {
        std::vector<MergeField> out;
        for (const QString& name : order_)
            if (values.contains(name))
                out.push_back({name, labels_.value(name), true, false, true, true});
        for (auto it = values.begin(); it != values.end(); ++it)
            if (!order_.contains(it.key()))
                out.push_back({it.key(), it.key(), true, false, true, true});
        for (auto it = memos.begin(); it != memos.end(); ++it)
            out.push_back({it.key(), it.key(), false, true, true, true});
        return out;
    }
    // Trailing blanks are dropped, as the table layer does.
    std::optional<QString> text(const QString& name) const override {
        if (!values.contains(name)) return std::nullopt;
        QString v = values.value(name);
        while (v.endsWith(' ')) v.chop(1);
        return v;
    }
    std::optional<QString> memo(const QString& name) const override {
        if (memos.contains(name)) return memos.value(name);
        return text(name);
    }

  private:
    QStringList order_;
    QMap<QString, QString> labels_;
};

class TestHost : public ObjectHost {
  public:
    MapMergeSource record;  // bound by setting `source` to it
    bool isPrinting = false;
    bool showValues = true;
    const MergeSource* source = nullptr;
    QSize size{384, 192};
    int changes = 0;
    int repaints = 0;

    bool printing() const override { return isPrinting; }
    bool displayDataValues() const override { return showValues; }
    const MergeSource* mergeSource() const override { return source; }
    QSize surfaceSize() const override { return size; }
    float zoom() const override { return 1.0f; }
    void objectChanged(TGGraphicControl&) override { ++changes; }
    void objectNeedsRepaint(TGGraphicControl&) override { ++repaints; }
};

// The names of the properties an object writes, in order.
inline QList<QByteArray> writtenNames(const TGGraphicControl& object) {
    PropertyWriter out;
    object.writeProperties(out);
    QList<QByteArray> names;
    for (const StreamProperty& p : out.take()) names << p.name;
    return names;
}

inline std::vector<StreamProperty> written(const TGGraphicControl& object) {
    PropertyWriter out;
    object.writeProperties(out);
    return out.take();
}

}  // namespace pc::design::testing
