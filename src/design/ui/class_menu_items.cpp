#include "design/ui/class_menu_items.h"

#include <QColorDialog>
#include <QMenu>

#include "design/address_label.h"
#include "design/base_panel.h"
#include "design/color_value.h"
#include "design/counter_label.h"
#include "design/data_label.h"
#include "design/data_panel.h"
#include "design/date_time_label.h"
#include "design/fim_barcode.h"
#include "design/image_object.h"
#include "design/label_shapes.h"
#include "design/line_shape.h"
#include "design/memo_label.h"
#include "design/multi_line_label.h"
#include "design/single_line_commands.h"
#include "design/symbol_label.h"
#include "design/text_label.h"
#include "design/ui/address_layout_dialog.h"
#include "design/ui/load_image_dialog.h"
#include "design/ui/multi_line_text_editor.h"
#include "design/ui/object_menu_items.h"
#include "design/ui/select_field_dialog.h"
#include "design/ui/single_line_dialogs.h"
#include "design/ui/surface_widget.h"

namespace pc::design::ui {
namespace {

// One menu item; `checked` set makes it a check item.
template <typename F>
QAction* add(QMenu& menu, const QString& text, F&& run, std::optional<bool> checked = {}) {
    QAction* action = menu.addAction(text);
    if (checked) {
        action->setCheckable(true);
        action->setChecked(*checked);
    }
    QObject::connect(action, &QAction::triggered, &menu, std::forward<F>(run));
    return action;
}

// After a command: the surface re-merges (fields, layouts) and repaints.
void settle(SurfaceWidget& w, bool refresh = false) {
    if (refresh) w.panel().refreshAllData();
    w.panel().requestRepaint();
}

std::optional<quint32> chooseColor(quint32 current, QWidget* parent) {
    const QColor c = QColorDialog::getColor(toQColor(current), parent);
    if (!c.isValid()) return std::nullopt;
    return fromQColor(c);
}

void singleLineItems(QMenu& menu, TGBaseLabel& label, SurfaceWidget& w) {
    using C = SingleLineCommand;
    const auto command = [&label, &w](C c) {
        return [&label, &w, c] {
            applyCommand(label, c);
            settle(w);
        };
    };
    menu.addSeparator();
    if (offersCommand(label, C::AlignLeft))
        add(menu, "Font", [&label, &w] {
            if (chooseLabelFont(label, &w)) settle(w);
        });
    add(menu, "3D Effects", [&label, &w] {
        if (edit3DEffects(label, &w)) settle(w);
    });
    if (offersCommand(label, C::AlignLeft)) {
        QMenu* align = menu.addMenu("Alignment");
        add(*align, "Left", command(C::AlignLeft), commandChecked(label, C::AlignLeft));
        add(*align, "Center", command(C::AlignCenter), commandChecked(label, C::AlignCenter));
        add(*align, "Right", command(C::AlignRight), commandChecked(label, C::AlignRight));
    }
    add(menu, "Transparent", command(C::Transparent), commandChecked(label, C::Transparent));
    add(menu, "Background Color", [&label, &w] {
        if (chooseBackgroundColor(label, &w)) settle(w);
    });
    add(menu, "Border", command(C::Border), commandChecked(label, C::Border));
    if (offersCommand(label, C::Rotate90)) {
        menu.addSeparator();
        QMenu* rotation = menu.addMenu("Rotation");
        add(*rotation, "No Rotation", command(C::NoRotation), commandChecked(label, C::NoRotation));
        add(*rotation, "90 Degrees", command(C::Rotate90), commandChecked(label, C::Rotate90));
        add(*rotation, "180 Degrees", command(C::Rotate180), commandChecked(label, C::Rotate180));
        add(*rotation, "270 Degrees", command(C::Rotate270), commandChecked(label, C::Rotate270));
    }
}

void multiLineItems(QMenu& menu, TGMultiLineBaseLabel& label, SurfaceWidget& w) {
    using A = TGMultiLineBaseLabel::Alignment;
    menu.addSeparator();
    add(menu, "Font", [&label, &w] {
        if (w.chooseFont) {
            if (const auto font = w.chooseFont(label.font())) {
                label.commandFont(*font);
                settle(w);
            }
        }
    });
    QMenu* align = menu.addMenu("Alignment");
    const auto aligned = [&label, &w](A a) {
        return [&label, &w, a] {
            label.commandAlignment(a);
            settle(w);
        };
    };
    add(*align, "Left", aligned(A::taLeftJustify), label.alignment() == A::taLeftJustify);
    add(*align, "Center", aligned(A::taCenter), label.alignment() == A::taCenter);
    add(*align, "Right", aligned(A::taRightJustify), label.alignment() == A::taRightJustify);
}

void thicknessMenu(QMenu& menu, int current, const std::function<void(int)>& set) {
    QMenu* thickness = menu.addMenu("Line Thickness");
    for (int n = 1; n <= 10; ++n)
        add(
            *thickness, QStringLiteral("%1 Point").arg(n), [set, n] { set(n); }, current == n);
}

// Shapes of labels and of report bands alike.
void shapeItems(QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
    auto& shape = static_cast<TGLabelShapes&>(o);
    m.addSeparator();
    add(m, "Background Color", [&shape, &w] {
        if (const auto c = chooseColor(shape.brush().color, &w)) {
            shape.commandBackgroundColor(*c);
            settle(w);
        }
    });
    add(m, "Line Color", [&shape, &w] {
        if (const auto c = chooseColor(shape.pen().color, &w)) {
            shape.commandLineColor(*c);
            settle(w);
        }
    });
    thicknessMenu(m, shape.pen().width, [&shape, &w](int n) {
        shape.commandLineThickness(n);
        settle(w);
    });
    add(
        m, "Transparent",
        [&shape, &w] {
            shape.commandTransparent();
            settle(w);
        },
        shape.transparent());
    using S = TGLabelShapes::Shape;
    if (shape.shape() == S::stRoundRect || shape.shape() == S::stRoundSquare) {
        QMenu* rounding = m.addMenu("Degree of Rounding");
        for (int percent = 20; percent <= 80; percent += 10)
            add(
                *rounding, QStringLiteral("%1 %").arg(percent),
                [&shape, &w, percent] {
                    shape.commandRounding(percent);
                    settle(w);
                },
                shape.roundPerc() == percent);
    }
}

// The date/time object's formats, each a check item of its submenu.
void dateTimeItems(QMenu& m, TGDateTimeLabel& stamp, SurfaceWidget& w) {
    using D = TDateFormat;
    using T = TTimeFormat;
    m.addSeparator();
    QMenu* date = m.addMenu("Date Format");
    const std::pair<const char*, D> dates[] = {{"No Date", D::dtfDateNone},
                                               {"Windows Short Date", D::dtfDateShort},
                                               {"Windows Long Date", D::dtfDateLong}};
    for (const auto& [text, f] : dates)
        add(
            *date, text,
            [&stamp, &w, f = f] {
                stamp.commandDateFormat(f);
                settle(w);
            },
            stamp.dateFormat() == f);
    QMenu* time = m.addMenu("Time Format");
    const std::pair<const char*, T> times[] = {{"No Time", T::dtfTimeNone},
                                               {"Windows Short Time", T::dtfTimeShort},
                                               {"Windows Long Time", T::dtfTimeLong}};
    for (const auto& [text, f] : times)
        add(
            *time, text,
            [&stamp, &w, f = f] {
                stamp.commandTimeFormat(f);
                settle(w);
            },
            stamp.timeFormat() == f);
}

}  // namespace

void registerClassMenuItems() {
    registerObjectMenuItems("TGPLabel", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
        auto& label = static_cast<TGPLabel&>(o);
        singleLineItems(m, label, w);
        m.addSeparator();
        add(m, "Text", [&label, &w] {
            if (editLabelText(label, &w)) settle(w);
        });
    });
    registerObjectMenuItems("TGPDLabel", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
        auto& label = static_cast<TGPDLabel&>(o);
        singleLineItems(m, label, w);
        m.addSeparator();
        add(m, "Field", [&label, &w] {
            if (chooseDataField(label, &w)) settle(w, true);
        });
    });
    registerObjectMenuItems("TGCounterLabel", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
        auto& counter = static_cast<TGCounterLabel&>(o);
        singleLineItems(m, counter, w);
        m.addSeparator();
        add(m, "Counter Settings", [&counter, &w] {
            if (editCounterSettings(counter, &w)) settle(w);
        });
    });
    registerObjectMenuItems("TGSymbolLabel", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
        auto& symbol = static_cast<TGSymbolLabel&>(o);
        singleLineItems(m, symbol, w);
        m.addSeparator();
        add(m, "Symbol Selector", [&symbol, &w] {
            if (selectSymbol(symbol, &w)) settle(w);
        });
    });
    registerObjectMenuItems("TGMultiLineLabel",
                            [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
                                auto& label = static_cast<TGMultiLineLabel&>(o);
                                multiLineItems(m, label, w);
                                m.addSeparator();
                                add(m, "Text", [&label, &w] {
                                    if (editMultiLineText(label, &w)) settle(w);
                                });
                                add(
                                    m, "Word Wrap",
                                    [&label, &w] {
                                        label.commandWordWrap();
                                        settle(w);
                                    },
                                    label.wordWrap());
                            });
    registerObjectMenuItems(
        "TGDMultiLineLabel", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
            auto& memo = static_cast<TGDMultiLineLabel&>(o);
            multiLineItems(m, memo, w);
            m.addSeparator();
            add(m, "Memo Field", [&memo, &w] {
                TSelectFieldDialog dialog(memo.host() ? memo.host()->mergeSource() : nullptr,
                                          FieldChoiceKind::Memo, memo.dataFieldDescript(), &w);
                if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return;
                memo.commandMemoField(dialog.chosen()->name, dialog.chosen()->displayLabel);
                settle(w, true);
            });
            add(
                m, "Word Wrap",
                [&memo, &w] {
                    memo.commandWordWrap();
                    settle(w);
                },
                memo.wordWrap());
        });
    registerObjectMenuItems("TGDMultiLineAddressLabel",
                            [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
                                auto& address = static_cast<TGDMultiLineAddressLabel&>(o);
                                multiLineItems(m, address, w);
                                m.addSeparator();
                                add(m, "Address Layout", [&address, &w] {
                                    if (editAddressLayout(address, &w)) settle(w, true);
                                });
                            });
    registerObjectMenuItems("TGLabelShapes", shapeItems);
    registerObjectMenuItems("Trpshapes", shapeItems);
    registerObjectMenuItems("TGDateTimeLabel", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
        auto& stamp = static_cast<TGDateTimeLabel&>(o);
        singleLineItems(m, stamp, w);
        dateTimeItems(m, stamp, w);
    });
    registerObjectMenuItems("TGPageNumberLabel",
                            [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
                                singleLineItems(m, static_cast<TGBaseLabel&>(o), w);
                            });
    registerObjectMenuItems("TGLineShape", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
        auto& line = static_cast<TGLineShape&>(o);
        using L = TGLineShape::LineStyle;
        m.addSeparator();
        QMenu* style = m.addMenu("Style");
        const std::pair<const char*, L> styles[] = {{"Horizontal", L::stHorizontal},
                                                    {"Vertical", L::stVertical},
                                                    {"Angled Sloping Up", L::stAngleSlopingUp},
                                                    {"Angled Sloping Down", L::stAngleSlopingDown}};
        for (const auto& [text, s] : styles)
            add(
                *style, text,
                [&line, &w, s = s] {
                    line.commandStyle(s);
                    settle(w);
                },
                line.lineStyle() == s);
        add(m, "Color", [&line, &w] {
            if (const auto c = chooseColor(line.pen().color, &w)) {
                line.commandColor(*c);
                settle(w);
            }
        });
        thicknessMenu(m, line.pen().width, [&line, &w](int n) {
            line.commandLineThickness(n);
            settle(w);
        });
        add(m, "Stretch To Edges", [&line, &w] {
            line.commandStretchToEdges();
            settle(w);
        });
    });
    registerObjectMenuItems("TGFIMBarCode", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
        auto& fim = static_cast<TGFIMBarCode&>(o);
        using T = postal::TFIMBarCodeType;
        m.addSeparator();
        for (T type : {T::fimTypeA, T::fimTypeB, T::fimTypeC, T::fimTypeD, T::fimTypeE})
            add(
                m, TGFIMBarCode::menuCaption(type),
                [&fim, &w, type] {
                    fim.menuChooseType(type);
                    settle(w);
                },
                fim.fimType() == type);
    });
    registerObjectMenuItems("TGImage", [](QMenu& m, TGGraphicControl& o, SurfaceWidget& w) {
        auto& image = static_cast<TGImage&>(o);
        m.addSeparator();
        add(m, "Load Image From Disk", [&image, &w] {
            if (loadImageFromDisk(image, &w)) settle(w);
        });
        add(
            m, "Border",
            [&image, &w] {
                image.commandBorder();
                settle(w);
            },
            image.borderStyle() == TGImage::BorderStyle::bsSingle);
        add(
            m, "Stretch to Fit",
            [&image, &w] {
                image.commandStretch();
                settle(w);
            },
            image.stretch());
        add(
            m, "AutoSize",
            [&image, &w] {
                image.commandAutoSize();
                settle(w);
            },
            image.autoSize());
    });
}

}  // namespace pc::design::ui
