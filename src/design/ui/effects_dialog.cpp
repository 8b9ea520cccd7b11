#include "design/ui/effects_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "design/text_label.h"
#include "design/ui/dialog_buttons.h"

namespace pc::design::ui {
namespace {

struct NamedColor {
    const char* name;
    quint32 value;  // 0x00BBGGRR
};

constexpr NamedColor kColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
};

QComboBox* colorCombo(quint32 current, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    const auto add = [combo](const QString& name, quint32 value) {
        QPixmap swatch(16, 12);
        swatch.fill(toQColor(value));
        combo->addItem(QIcon(swatch), name, QVariant::fromValue(value));
    };
    for (const NamedColor& c : kColors) add(QString::fromLatin1(c.name), c.value);
    int index = combo->findData(QVariant::fromValue(current));
    if (index < 0) {
        add(QStringLiteral("Custom"), current);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
    return combo;
}

QComboBox* depthCombo(int current, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (int d = 0; d <= 10; ++d) combo->addItem(QString::number(d));
    combo->setCurrentIndex(std::clamp(current, 0, 10));
    return combo;
}

QComboBox* listCombo(const QStringList& items, int current, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->addItems(items);
    combo->setCurrentIndex(current);
    return combo;
}

quint32 colorOf(const QComboBox* combo) {
    return combo->currentData().value<quint32>();
}

// Paints the sample object centred.
class SampleView : public QWidget {
  public:
    SampleView(const TGPLabel& sample, QWidget* parent) : QWidget(parent), sample_(sample) {
        setMinimumSize(240, 90);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        auto& label = const_cast<TGPLabel&>(sample_);
        QPainter painter(this);
        label.layout();
        // Twice the size, so a depth of one pixel can be seen.
        constexpr int kScale = 2;
        painter.translate((width() - kScale * label.width()) / 2,
                          (height() - kScale * label.height()) / 2);
        painter.scale(kScale, kScale);
        label.paint(painter);
    }

  private:
    const TGPLabel& sample_;
};

}  // namespace

TEffectsDialog::TEffectsDialog(TGBaseLabel& label, QWidget* parent)
    : QDialog(parent), label_(label), sample_(std::make_unique<TGPLabel>()) {
    setWindowTitle(QStringLiteral("Text 3D Effects"));
    ShadowDirectionCombo = listCombo(
        {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
         QStringLiteral("Lower Right"), QStringLiteral("Lower Left"), QStringLiteral("Down")},
        static_cast<int>(label.directionShadow()), this);
    HighlightDirectionCombo = listCombo(
        {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
         QStringLiteral("Upper Right"), QStringLiteral("Upper Left"), QStringLiteral("Up")},
        static_cast<int>(label.directionHighlight()), this);
    ShadowDepthCombo = depthCombo(label.depthShadow(), this);
    HighlightDepthCombo = depthCombo(label.depthHighlight(), this);
    ShadowColorCombo = colorCombo(label.colorShadow(), this);
    HighlightColorCombo = colorCombo(label.colorHighlight(), this);
    FontColorCombo = colorCombo(label.font().color, this);

    sample_->setCaption(label.caption().isEmpty() ? QStringLiteral("Sample") : label.caption());
    FontSpec font = label.font();
    sample_->setFont(font);
    sample_->setBounds(0, 0, 10, 10);
    Sample = new SampleView(*sample_, this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Shadow"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Highlight"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Direction"), this), 1, 0);
    grid->addWidget(ShadowDirectionCombo, 1, 1);
    grid->addWidget(HighlightDirectionCombo, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Depth"), this), 2, 0);
    grid->addWidget(ShadowDepthCombo, 2, 1);
    grid->addWidget(HighlightDepthCombo, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Color"), this), 3, 0);
    grid->addWidget(ShadowColorCombo, 3, 1);
    grid->addWidget(HighlightColorCombo, 3, 2);
    grid->addWidget(new QLabel(QStringLiteral("Font Color"), this), 4, 0);
    grid->addWidget(FontColorCombo, 4, 1);

    const DialogButtons buttons = makeDialogButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Sample, 1);
    layout->addLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &TEffectsDialog::OkButtonClick);
    for (QComboBox* combo :
         {ShadowDirectionCombo, HighlightDirectionCombo, ShadowDepthCombo, HighlightDepthCombo,
          ShadowColorCombo, HighlightColorCombo, FontColorCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { settingsChanged(); });
    settingsChanged();
}

TEffectsDialog::~TEffectsDialog() = default;

void TEffectsDialog::applyTo(TGBaseLabel& target) const {
    target.setDirectionShadow(static_cast<TShadowDirection>(ShadowDirectionCombo->currentIndex()));
    target.setDirectionHighlight(
        static_cast<THighlightDirection>(HighlightDirectionCombo->currentIndex()));
    target.setDepthShadow(ShadowDepthCombo->currentIndex());
    target.setDepthHighlight(HighlightDepthCombo->currentIndex());
    target.setColorShadow(colorOf(ShadowColorCombo));
    target.setColorHighlight(colorOf(HighlightColorCombo));
    FontSpec font = target.font();
    font.color = colorOf(FontColorCombo);
    target.setFont(font);
}

void TEffectsDialog::settingsChanged() {
    applyTo(*sample_);
    // The sample box starts small each time so the layout fits it anew.
    sample_->setBounds(0, 0, 10, 10);
    sample_->fitToText();
    Sample->update();
}

void TEffectsDialog::OkButtonClick() {
    applyTo(label_);
    label_.notifyChanged();
    accept();
}

}  // namespace pc::design::ui
