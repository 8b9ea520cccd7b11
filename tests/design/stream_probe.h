#pragma once
// A small object class for the stream tests: one property of each stored
// kind, and a log of what reading gave it.
#include <QStringList>

#include "design/color_value.h"
#include "design/graphic_object.h"
#include "design/layout_stream.h"
#include "design/property_writer.h"
#include "design/stored_font.h"
#include "design/stream_value.h"

namespace pc::design::testing {

class TStreamProbe : public TGGraphicControl {
  public:
    const char* className() const override { return "TStreamProbe"; }
    void paint(QPainter&) override {}

    void writeProperties(PropertyWriter& out) const override {
        TGGraphicControl::writeProperties(out);
        out.enumeration("Alignment", kAlignments[alignment], "taLeftJustify");
        out.text("Caption", caption);
        out.color("Color", color, clWhite);
        out.font("Font", font);
        out.strings("Items.Strings", lines);
        out.binary("Picture.Data", picture);
    }

    bool readProperty(const QByteArray& name, const StreamValue& value) override {
        seen << QString::fromLatin1(name);
        if (loading()) readWhileLoading << QString::fromLatin1(name);
        if (name == "Alignment") {
            read::enumeration(value, {kAlignments[0], kAlignments[1], kAlignments[2]}, alignment);
        } else if (name == "Caption") {
            if (const auto t = read::text(value)) caption = *t;
        } else if (name == "Color") {
            if (const auto c = read::integer(value)) color = static_cast<quint32>(*c);
        } else if (name == "Items.Strings") {
            if (const auto l = read::strings(value)) lines = *l;
        } else if (name == "Picture.Data") {
            if (const auto b = read::binary(value)) picture = *b;
        } else if (!read::fontProperty("Font", name, value, font)) {
            return TGGraphicControl::readProperty(name, value);
        }
        return true;
    }

    static constexpr const char* kAlignments[] = {"taLeftJustify", "taRightJustify", "taCenter"};
    int alignment = 0;
    QString caption;
    quint32 color = clWhite;
    FontSpec font;
    QStringList lines;
    QByteArray picture;

    QStringList seen;
    QStringList readWhileLoading;
};

// Makes probes only.
inline ObjectFactory probeFactory() {
    return [](const QByteArray& className) -> std::unique_ptr<TGGraphicControl> {
        if (className == "TStreamProbe") return std::make_unique<TStreamProbe>();
        return nullptr;
    };
}

}  // namespace pc::design::testing
