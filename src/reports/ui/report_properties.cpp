#include "reports/ui/report_properties.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::reports {
namespace {

const char* const kBandTabs[] = {"Header", "Detail", "Memo", "Footer"};

// The page picture; a press reports where.
class PagePictureLabel : public QLabel {
  public:
    PagePictureLabel(TReportProperties& dialog, QWidget* parent) : QLabel(parent), dialog_(dialog) {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) dialog_.PictureClick(event->position().toPoint());
    }

  private:
    TReportProperties& dialog_;
};

int marginPixels(double inches, int ppi) {
    return static_cast<int>(std::trunc(inches * ppi));
}

void showSwatch(QPushButton* button, const QColor& color) {
    QPixmap swatch(28, 14);
    swatch.fill(color);
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
}

}  // namespace

TReportProperties::TReportProperties(const ReportSettings& settings, const QString& layoutText,
                                     QWidget* parent)
    : QDialog(parent), settings_(settings), layoutText_(layoutText) {
    setWindowTitle(QStringLiteral("Report Layout"));
    setObjectName(QStringLiteral("TReportProperties"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("Tabs"));
    tabs_->setUsesScrollButtons(false);  // all five tabs in sight
    tabs_->addTab(buildPageTab(), QStringLiteral("Page"));
    for (int i = 0; i < kReportBands; ++i)
        tabs_->addTab(buildBandTab(static_cast<ReportBand>(i)), QLatin1String(kBandTabs[i]));

    picture_ = new PagePictureLabel(*this, this);
    picture_->setObjectName(QStringLiteral("PagePicture"));
    auto* pictureBox = new QVBoxLayout;
    // Room for a landscape page without the dialog jumping.
    pictureBox->addStretch();
    pictureBox->addWidget(picture_, 0, Qt::AlignCenter);
    pictureBox->addStretch();
    auto* pictureFrame = new QWidget(this);
    pictureFrame->setLayout(pictureBox);
    pictureFrame->setMinimumSize(250, 250);

    auto* defaults = new QPushButton(QStringLiteral("Defaults"), this);
    defaults->setObjectName(QStringLiteral("DefaultsButton"));
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("SaveButton"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    connect(defaults, &QPushButton::clicked, this, &TReportProperties::DefaultsButtonClick);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kReportLayout); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* top = new QHBoxLayout;
    top->addWidget(pictureFrame);
    top->addWidget(tabs_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    showSettings();
}

QWidget* TReportProperties::buildPageTab() {
    auto* tab = new QWidget;
    auto* orientation = new QGroupBox(QStringLiteral("Orientation"), tab);
    portrait = new QRadioButton(QStringLiteral("Portrait"), orientation);
    landscape = new QRadioButton(QStringLiteral("Landscape"), orientation);
    auto* orientationBox = new QVBoxLayout(orientation);
    orientationBox->addWidget(portrait);
    orientationBox->addWidget(landscape);
    auto* size = new QGroupBox(QStringLiteral("Size"), tab);
    letter = new QRadioButton(QStringLiteral("Letter"), size);
    a4 = new QRadioButton(QStringLiteral("A4"), size);
    auto* sizeBox = new QVBoxLayout(size);
    sizeBox->addWidget(letter);
    sizeBox->addWidget(a4);
    // Unchecked pairs are possible (a page of another size): no exclusive
    // group refusing to clear, just one button of each pair at a time.
    for (auto [a, b] : {std::pair{portrait, landscape}, std::pair{letter, a4}}) {
        for (QRadioButton* r : {a, b}) {
            r->setAutoExclusive(false);
            connect(r, &QRadioButton::clicked, this, [this, r, a, b] {
                (r == a ? b : a)->setChecked(false);
                r->setChecked(true);
                PageChoiceClick();
            });
        }
    }

    auto* marginGroup = new QGroupBox(QStringLiteral("Margins (in inches)"), tab);
    auto* form = new QFormLayout(marginGroup);
    const char* const names[] = {"Left", "Top", "Right", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        margins[i] = new QDoubleSpinBox(marginGroup);
        margins[i]->setObjectName(QLatin1String(names[i]) + QStringLiteral("Margin"));
        margins[i]->setDecimals(2);
        margins[i]->setRange(0, 5);
        margins[i]->setSingleStep(0.05);
        connect(margins[i], &QDoubleSpinBox::valueChanged, this, [this] { MarginChange(); });
        form->addRow(QLatin1String(names[i]), margins[i]);
    }
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(orientation);
    left->addWidget(size);
    left->addStretch();
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(marginGroup);
    right->addStretch();
    columns->addLayout(right);
    tab->setLayout(columns);
    return tab;
}

QWidget* TReportProperties::buildBandTab(ReportBand band) {
    auto* tab = new QWidget;
    BandControls& c = bandControls[static_cast<size_t>(band)];
    auto* borders = new QGroupBox(QStringLiteral("Borders"), tab);
    c.top = new QCheckBox(QStringLiteral("Top"), borders);
    c.left = new QCheckBox(QStringLiteral("Left"), borders);
    c.bottom = new QCheckBox(QStringLiteral("Bottom"), borders);
    c.right = new QCheckBox(QStringLiteral("Right"), borders);
    auto* grid = new QGridLayout(borders);
    grid->addWidget(c.top, 0, 0);
    grid->addWidget(c.left, 0, 1);
    grid->addWidget(c.bottom, 1, 0);
    grid->addWidget(c.right, 1, 1);
    c.lineWidth = new QSpinBox(tab);
    c.lineWidth->setRange(1, 3);
    c.shadePercent = new QSpinBox(tab);
    c.shadePercent->setRange(0, 100);
    c.shadePercent->setSingleStep(20);
    c.shadePercent->setSuffix(QStringLiteral(" %"));
    c.shadeColor = new QPushButton(QStringLiteral("Shade Color"), tab);
    c.shadeColor->setObjectName(QStringLiteral("ShadeColorButton"));
    for (QCheckBox* box : {c.top, c.left, c.bottom, c.right})
        connect(box, &QCheckBox::toggled, this, [this, band] { BandChange(band); });
    for (QSpinBox* spin : {c.lineWidth, c.shadePercent})
        connect(spin, &QSpinBox::valueChanged, this, [this, band] { BandChange(band); });
    connect(c.shadeColor, &QPushButton::clicked, this, [this, band] { ShadeColorClick(band); });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Line Width"), c.lineWidth);
    form->addRow(QStringLiteral("Shade Percent"), c.shadePercent);
    form->addRow(QString(), c.shadeColor);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(borders);
    layout->addLayout(form);
    layout->addStretch();
    return tab;
}

QImage TReportProperties::picture() const {
    return pagePicture(settings_);
}

void TReportProperties::showSettings() {
    showing_ = true;
    const std::optional<PageChoice> choice = pageChoiceOf(settings_);
    portrait->setChecked(choice && choice->orientation == PageOrientation::Portrait);
    landscape->setChecked(choice && choice->orientation == PageOrientation::Landscape);
    letter->setChecked(choice && choice->paper == PaperChoice::Letter);
    a4->setChecked(choice && choice->paper == PaperChoice::A4);
    const int lengths[] = {settings_.leftMargin, settings_.topMargin, settings_.rightMargin,
                           settings_.bottomMargin};
    for (int i = 0; i < 4; ++i) margins[i]->setValue(double(lengths[i]) / settings_.ppi);
    for (int i = 0; i < kReportBands; ++i) {
        const BandFrame& f = settings_.frames[static_cast<size_t>(i)];
        BandControls& c = bandControls[static_cast<size_t>(i)];
        c.top->setChecked(f.top);
        c.left->setChecked(f.left);
        c.bottom->setChecked(f.bottom);
        c.right->setChecked(f.right);
        c.lineWidth->setValue(f.lineWidth);
        c.shadePercent->setValue(f.shadePercent);
        showSwatch(c.shadeColor, f.shadeColor);
    }
    showing_ = false;
    showPicture();
}

void TReportProperties::showPicture() {
    const QPixmap pixmap = QPixmap::fromImage(picture());
    picture_->setPixmap(pixmap);
    picture_->setFixedSize(pixmap.size());
}

void TReportProperties::PageChoiceClick() {
    if (showing_) return;
    const bool orientationSet = portrait->isChecked() || landscape->isChecked();
    const bool sizeSet = letter->isChecked() || a4->isChecked();
    if (!orientationSet || !sizeSet) return;  // another size stays until both are chosen
    const PageChoice choice{
        a4->isChecked() ? PaperChoice::A4 : PaperChoice::Letter,
        landscape->isChecked() ? PageOrientation::Landscape : PageOrientation::Portrait};
    applyPageChoice(settings_, choice);
    layoutText_ = pageChoiceText(choice);
    showPicture();
}

void TReportProperties::MarginChange() {
    if (showing_) return;
    int* lengths[] = {&settings_.leftMargin, &settings_.topMargin, &settings_.rightMargin,
                      &settings_.bottomMargin};
    for (int i = 0; i < 4; ++i) *lengths[i] = marginPixels(margins[i]->value(), settings_.ppi);
    showPicture();
}

void TReportProperties::BandChange(ReportBand band) {
    if (showing_) return;
    BandFrame& f = settings_.frame(band);
    const BandControls& c = bandControls[static_cast<size_t>(band)];
    f.top = c.top->isChecked();
    f.left = c.left->isChecked();
    f.bottom = c.bottom->isChecked();
    f.right = c.right->isChecked();
    f.lineWidth = c.lineWidth->value();
    f.shadePercent = c.shadePercent->value();
    showPicture();
}

void TReportProperties::ShadeColorClick(ReportBand band) {
    const QColor chosen = QColorDialog::getColor(settings_.frame(band).shadeColor, this,
                                                 QStringLiteral("Shade Color"));
    if (!chosen.isValid()) return;
    settings_.frame(band).shadeColor = chosen;
    showSwatch(bandControls[static_cast<size_t>(band)].shadeColor, chosen);
    showPicture();
}

void TReportProperties::DefaultsButtonClick() {
    const PageChoice letterPortrait{};
    applyPageChoice(settings_, letterPortrait);
    layoutText_ = pageChoiceText(letterPortrait);
    settings_.leftMargin = settings_.topMargin = settings_.rightMargin = settings_.bottomMargin =
        marginPixels(0.5, settings_.ppi);
    for (BandFrame& f : settings_.frames) f = defaultFrame();
    showSettings();
}

void TReportProperties::PictureClick(QPoint point) {
    const auto bands = pagePictureBands(settings_);
    for (int i = 0; i < kReportBands; ++i)
        if (bands[static_cast<size_t>(i)].contains(point)) tabs_->setCurrentIndex(i + 1);
}

}  // namespace pc::reports
