#include "cli/merged_object_json.h"

#include "cli/json_writer.h"
#include "design/base_label.h"
#include "design/fim_barcode.h"
#include "design/graphic_object.h"
#include "design/imb_barcode.h"
#include "design/multi_line_label.h"
#include "design/postnet_barcode.h"

namespace pc::cli {
namespace {

void key(std::string& out, const char* name) {
    out += ", ";
    appendJsonString(out, name);
    out += ": ";
}

void text(std::string& out, const char* name, const QString& value) {
    key(out, name);
    appendJsonString(out, value.toStdString());
}

}  // namespace

std::string mergedObjectJson(const design::TGGraphicControl& object) {
    std::string out = "{";
    appendJsonString(out, "class");
    out += ": ";
    appendJsonString(out, object.className());
    text(out, "name", object.name());
    for (const auto& [name, value] :
         {std::pair{"left", object.left()}, std::pair{"top", object.top()},
          std::pair{"width", object.width()}, std::pair{"height", object.height()}}) {
        key(out, name);
        out += std::to_string(value);
    }
    auto& any = const_cast<design::TGGraphicControl&>(object);
    if (auto* label = dynamic_cast<design::TGBaseLabel*>(&any)) {
        label->layout();  // counters build their caption for the layout
        text(out, "text", label->caption());
    } else if (auto* lines = dynamic_cast<design::TGMultiLineBaseLabel*>(&any)) {
        key(out, "lines");
        out += '[';
        bool first = true;
        for (const QString& line : lines->lines()) {
            if (!first) out += ", ";
            first = false;
            appendJsonString(out, line.toStdString());
        }
        out += ']';
    } else if (auto* postnet = dynamic_cast<design::TGPostNetBarCode*>(&any)) {
        key(out, "digits");
        const QString digits = postnet->encodedDigits();
        if (digits.isEmpty())
            out += "null";
        else
            appendJsonString(out, digits.toStdString());
        text(out, "bars", postnet->bars());
    } else if (auto* fim = dynamic_cast<design::TGFIMBarCode*>(&any)) {
        text(out, "pattern", fim->pattern());
    } else if (auto* imb = dynamic_cast<design::TGIMBarCode*>(&any)) {
        text(out, "bars", imb->bars());
    }
    out += '}';
    return out;
}

}  // namespace pc::cli
