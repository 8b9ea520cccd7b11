#include "design/single_line_commands.h"

#include <cstring>

namespace pc::design {
namespace {

bool isClass(const TGBaseLabel& label, const char* name) {
    return std::strcmp(label.className(), name) == 0;
}

int angleOf(SingleLineCommand command) {
    switch (command) {
        case SingleLineCommand::Rotate90:
            return 90;
        case SingleLineCommand::Rotate180:
            return 180;
        case SingleLineCommand::Rotate270:
            return 270;
        default:
            return 0;
    }
}

}  // namespace

bool offersCommand(const TGBaseLabel& label, SingleLineCommand command) {
    switch (command) {
        case SingleLineCommand::AlignLeft:
        case SingleLineCommand::AlignCenter:
        case SingleLineCommand::AlignRight:
            return !isClass(label, "TGSymbolLabel");
        case SingleLineCommand::NoRotation:
        case SingleLineCommand::Rotate90:
        case SingleLineCommand::Rotate180:
        case SingleLineCommand::Rotate270:
            return isClass(label, "TGPLabel") || isClass(label, "TGCounterLabel");
        case SingleLineCommand::Transparent:
        case SingleLineCommand::Border:
            return true;
    }
    return false;
}

bool commandChecked(const TGBaseLabel& label, SingleLineCommand command) {
    switch (command) {
        case SingleLineCommand::AlignLeft:
            return label.alignment() == TAlignment::taLeftJustify;
        case SingleLineCommand::AlignCenter:
            return label.alignment() == TAlignment::taCenter;
        case SingleLineCommand::AlignRight:
            return label.alignment() == TAlignment::taRightJustify;
        case SingleLineCommand::NoRotation:
        case SingleLineCommand::Rotate90:
        case SingleLineCommand::Rotate180:
        case SingleLineCommand::Rotate270:
            return label.angle() == angleOf(command);
        case SingleLineCommand::Transparent:
            return label.transparent();
        case SingleLineCommand::Border:
            return label.borderStyle() == LabelBorderStyle::bsSingle;
    }
    return false;
}

void applyCommand(TGBaseLabel& label, SingleLineCommand command) {
    switch (command) {
        case SingleLineCommand::AlignLeft:
            label.setAlignment(TAlignment::taLeftJustify);
            break;
        case SingleLineCommand::AlignCenter:
            label.setAlignment(TAlignment::taCenter);
            break;
        case SingleLineCommand::AlignRight:
            label.setAlignment(TAlignment::taRightJustify);
            break;
        case SingleLineCommand::NoRotation:
        case SingleLineCommand::Rotate90:
        case SingleLineCommand::Rotate180:
        case SingleLineCommand::Rotate270:
            label.setAngle(angleOf(command));
            break;
        case SingleLineCommand::Transparent:
            label.setTransparent(!label.transparent());
            break;
        case SingleLineCommand::Border:
            label.setBorderStyle(label.borderStyle() == LabelBorderStyle::bsSingle
                                     ? LabelBorderStyle::bsNone
                                     : LabelBorderStyle::bsSingle);
            break;
    }
    label.notifyChanged();
}

void applyBackgroundColor(TGBaseLabel& label, quint32 color) {
    label.setBackColor(color);
    label.setTransparent(false);
    label.notifyChanged();
}

}  // namespace pc::design
