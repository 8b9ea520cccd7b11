#include "labels/ui/designer_chrome.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include "data/t_table.h"
#include "design/base_panel.h"
#include "design/ui/surface_widget.h"
#include "text/message_service.h"

namespace pc::labels {

bool loadLayoutOrTell(design::TGBasePanel& panel, const QString& path) {
    QString error;
    if (panel.loadLayout(path, &error)) return true;
    text::messages().inform(error);
    return false;
}

bool saveLayoutOrTell(design::TGBasePanel& panel, const QString& path) {
    QString error;
    if (panel.saveLayout(path, &error)) return true;
    text::messages().inform(error);
    return false;
}

QToolButton* designerToggleButton(QWidget* parent, DesignerToggle kind, const char* hint,
                                  const char* name) {
    auto* b = new QToolButton(parent);
    b->setIcon(toggleIcon(kind));
    b->setToolTip(QString::fromLatin1(hint));
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

DesignerHeader designerHeader(QWidget* parent, const QString& title, const char* captionName) {
    DesignerHeader h{new QGridLayout, new QLabel(parent), new QLineEdit(parent),
                     new QPushButton(parent)};
    h.caption->setObjectName(QString::fromLatin1(captionName));
    h.description->setObjectName(QStringLiteral("DescriptionEdit"));
    h.description->setMaxLength(60);
    h.defaultFont->setObjectName(QStringLiteral("DefaultFontButton"));
    h.layout->addWidget(new QLabel(title, parent), 0, 0);
    h.layout->addWidget(h.caption, 0, 1, 1, 2);
    auto* descriptionLabel = new QLabel(QStringLiteral("Description:"), parent);
    descriptionLabel->setBuddy(h.description);
    h.layout->addWidget(descriptionLabel, 1, 0);
    h.layout->addWidget(h.description, 1, 1);
    h.layout->addWidget(h.defaultFont, 1, 2);
    h.layout->setColumnStretch(1, 1);
    return h;
}

QButtonGroup* addToolButtons(QWidget* parent, QBoxLayout* bar,
                             const std::vector<ToolButtonEntry>& tools,
                             const std::function<void(int)>& clicked) {
    auto* group = new QButtonGroup(parent);
    group->setExclusive(true);
    for (const ToolButtonEntry& tool : tools) {
        auto* b = new QToolButton(parent);
        b->setIcon(tool.icon);
        b->setIconSize(QSize(24, 24));
        b->setToolTip(QString::fromLatin1(tool.hint));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setObjectName(QStringLiteral("Tool%1").arg(tool.state));
        group->addButton(b, tool.state);
        bar->addWidget(b);
        QObject::connect(b, &QToolButton::clicked, parent,
                         [clicked, state = tool.state] { clicked(state); });
    }
    if (QAbstractButton* pointer = group->button(0)) pointer->setChecked(true);
    return group;
}

QLabel* addZoomButtons(QWidget* parent, QBoxLayout* bar, const std::function<void()>& zoomIn,
                       const std::function<void()>& zoomOut) {
    const QString hint =
        QStringLiteral("Press plus (+) or minus (-) to \rincrease or decrease the zoom percentage");
    auto* out = new QToolButton(parent);
    out->setArrowType(Qt::DownArrow);
    out->setToolTip(hint);
    out->setObjectName(QStringLiteral("ZoomOutButton"));
    auto* in = new QToolButton(parent);
    in->setArrowType(Qt::UpArrow);
    in->setToolTip(hint);
    in->setObjectName(QStringLiteral("ZoomInButton"));
    auto* caption = new QLabel(QStringLiteral("100%"), parent);
    caption->setObjectName(QStringLiteral("ZoomCaption"));
    caption->setMinimumWidth(caption->fontMetrics().horizontalAdvance(QStringLiteral("1000%")));
    QObject::connect(out, &QToolButton::clicked, parent, [zoomOut] { zoomOut(); });
    QObject::connect(in, &QToolButton::clicked, parent, [zoomIn] { zoomIn(); });
    bar->addWidget(out);
    bar->addWidget(in);
    bar->addWidget(caption);
    return caption;
}

QScrollArea* designerScrollBox(QWidget* parent, QWidget* surface) {
    auto* scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("ScrollBox"));
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setBackgroundRole(QPalette::Mid);
    scroll->setWidget(surface);
    scroll->setWidgetResizable(false);
    return scroll;
}

DesignerButtons designerButtonRow(QWidget* parent, const QString& changeText,
                                  const char* changeName, bool recordsEnabled,
                                  const std::function<void(int)>& recordClicked) {
    DesignerButtons b{new QHBoxLayout, new QPushButton(QStringLiteral("Save"), parent),
                      new QPushButton(QStringLiteral("Cancel"), parent),
                      new QPushButton(changeText, parent),
                      new QPushButton(QStringLiteral("Help"), parent)};
    b.save->setObjectName(QStringLiteral("SaveButton"));
    b.save->setDefault(true);
    b.cancel->setObjectName(QStringLiteral("CancelButton"));
    b.change->setObjectName(QString::fromLatin1(changeName));
    b.help->setObjectName(QStringLiteral("HelpButton"));
    b.row->addWidget(b.save);
    b.row->addWidget(b.cancel);
    b.row->addWidget(b.change);
    b.row->addStretch();
    addRecordButtons(parent, b.row, recordsEnabled, recordClicked);
    b.row->addStretch();
    b.row->addWidget(b.help);
    return b;
}

void addRecordButtons(QWidget* parent, QBoxLayout* into, bool enabled,
                      const std::function<void(int)>& clicked) {
    const struct {
        Qt::ArrowType arrow;
        const char* text;
        const char* tip;
    } records[] = {{Qt::NoArrow, "|<", "First record"},
                   {Qt::LeftArrow, nullptr, "Prior record"},
                   {Qt::RightArrow, nullptr, "Next record"},
                   {Qt::NoArrow, ">|", "Last record"}};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QToolButton(parent);
        if (records[i].text)
            b->setText(QString::fromLatin1(records[i].text));
        else
            b->setArrowType(records[i].arrow);
        b->setToolTip(QString::fromLatin1(records[i].tip));
        b->setObjectName(QStringLiteral("RecordButton%1").arg(i));
        b->setEnabled(enabled);
        QObject::connect(b, &QToolButton::clicked, parent, [clicked, i] { clicked(i); });
        into->addWidget(b);
    }
}

bool moveAddressRecord(pc::data::TTable* table, int which) {
    if (!table || !table->active()) return false;
    try {
        switch (which) {
            case 0:
                table->first();
                break;
            case 1:
                table->prior();
                break;
            case 2:
                table->next();
                break;
            default:
                table->last();
                break;
        }
    } catch (const std::exception&) {
        return false;  // the table reported it; the design stays as it was
    }
    return true;
}

void useFontDialog(design::ui::SurfaceWidget& surface, QWidget* parent) {
    surface.chooseFont = [parent](const design::FontSpec& font) -> std::optional<design::FontSpec> {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, font.toQFont(), parent);
        if (!ok) return std::nullopt;
        return design::FontSpec::fromQFont(chosen, font.color);
    };
}

bool designerKeyEvent(QObject* watched, QEvent* event, design::ui::SurfaceWidget* surface,
                      QScrollArea* scroll, const std::function<void()>& zoomIn,
                      const std::function<void()>& zoomOut) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        QScrollBar* v = scroll->verticalScrollBar();
        switch (key->key()) {
            case Qt::Key_PageUp:
                v->triggerAction(QAbstractSlider::SliderSingleStepSub);
                return true;
            case Qt::Key_PageDown:
                v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                return true;
            case Qt::Key_Home:
                v->triggerAction(QAbstractSlider::SliderToMinimum);
                return true;
            case Qt::Key_End:
                v->triggerAction(QAbstractSlider::SliderToMaximum);
                return true;
            case Qt::Key_Escape:
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Space:
                return false;
            default:
                break;
        }
        if (watched != surface && (key->key() != Qt::Key_Plus && key->key() != Qt::Key_Minus)) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(surface, &copy);
            return true;
        }
    } else if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Plus) {
                zoomIn();
                return true;
            }
            if (key->key() == Qt::Key_Minus) {
                zoomOut();
                return true;
            }
        }
        if (watched != surface) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(surface, &copy);
            return true;
        }
    }
    return false;
}

}  // namespace pc::labels
