#include "labels/ui/designer_chrome.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFontDialog>
#include <QKeyEvent>
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
