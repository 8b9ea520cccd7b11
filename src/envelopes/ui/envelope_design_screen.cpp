#include "envelopes/ui/envelope_design_screen.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "design/ui/surface_widget.h"
#include "envelopes/envelope_design_rules.h"
#include "envelopes/envelope_sizes.h"
#include "envelopes/ui/choose_envelope_layout.h"
#include "envelopes/ui/envelope_tools.h"
#include "labels/ui/designer_chrome.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::envelopes {
namespace {

constexpr labels::DesignerTool<TLPanelState> kTools[] = {
    {TLPanelState::psPointing, "Selection tool"},
    {TLPanelState::psLabel, "Text tool"},
    {TLPanelState::psMultiLineLabel, "Multi-line text tool"},
    {TLPanelState::psRectangle, "Rectangle tool"},
    {TLPanelState::psEllipse, "Ellipse tool"},
    {TLPanelState::psRoundRectangle, "Round Rectangle tool"},
    {TLPanelState::psLine, "Line Tool"},
    {TLPanelState::psImage, "Clip Art Tool"},
    {TLPanelState::psPostNetBarCode, "Postnet Barcode tool"},
    {TLPanelState::psDataLabel, "Database Field tool"},
    {TLPanelState::psAddressLabel, "Database Mailing Address tool"},
    {TLPanelState::psFIMBarCode, "FIM Barcode tool"},
    {TLPanelState::psIMBarCode, "Intelligent Mail Barcode tool"},
};

}  // namespace

TEnvelopeDesignScreen::TEnvelopeDesignScreen(TEnvelopePanel& panel, EnvelopeDefinition definition,
                                             pc::data::TTable* addresses, QWidget* parent)
    : QDialog(parent), panel_(panel), definition_(std::move(definition)), addresses_(addresses) {
    setWindowTitle(QStringLiteral("Envelope Design Screen"));
    setObjectName(QStringLiteral("TEnvelopeDesignScreen"));
    setSizeGripEnabled(true);
    panel_.setShape(design::TLabelShapeType::lsRectangle);
    panel_.setDrawOutline(true);
    panel_.setGridSize(design::TGridSize::gs4x4);
    panel_.setShowGrid(false);
    panel_.setSnapToGrid(false);
    panel_.setDisplayDataValues(true);
    panel_.setPanelState(TLPanelState::psPointing);
    panel_.setTools(envelopeTools(this));
    buildControls();
    panel_.DroppedObjectEvent = [this](const QRect&) { selectPointer(); };
    resize(1040, 640);
}

TEnvelopeDesignScreen::~TEnvelopeDesignScreen() {
    panel_.DroppedObjectEvent = nullptr;
    panel_.LabelChangedEvent = nullptr;
}

void TEnvelopeDesignScreen::buildControls() {
    const labels::DesignerHeader header =
        labels::designerHeader(this, QStringLiteral("Envelope:"), "SizeCaption");
    sizeCaption_ = header.caption;
    descriptionEdit_ = header.description;
    defaultFontButton_ = header.defaultFont;
    descriptionEdit_->setText(definition_.description.left(kDescriptionLength));
    connect(descriptionEdit_, &QLineEdit::textEdited, this, [this] { designChanged(); });
    connect(defaultFontButton_, &QPushButton::clicked, this,
            &TEnvelopeDesignScreen::DefaultFontButtonClick);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(1);
    tools_ = labels::addToolButtons(this, bar, kTools, envelopeToolIcon,
                                    [this](TLPanelState state) { ToolButtonClick(state); });
    tools_->button(static_cast<int>(TLPanelState::psFIMBarCode))->setText(QStringLiteral("FIM"));
    bar->addSpacing(10);
    zoomCaption_ = labels::addZoomButtons(
        this, bar, [this] { ZoomInClick(); }, [this] { ZoomOutClick(); });

    using labels::DesignerToggle;
    auto* showGrid =
        labels::designerToggleButton(this, DesignerToggle::Grid, "Show grid", "ShowGridButton");
    auto* snap =
        labels::designerToggleButton(this, DesignerToggle::Snap, "Snap to Grid", "SnapButton");
    auto* fieldNames = labels::designerToggleButton(this, DesignerToggle::FieldNames,
                                                    "Toggle display of field names or field values",
                                                    "FieldNamesButton");
    auto* templateButton = new QToolButton(this);
    templateButton->setText(QStringLiteral("USPS"));
    templateButton->setToolTip(QStringLiteral("Show USPS Automation Template"));
    templateButton->setObjectName(QStringLiteral("TemplateButton"));
    auto* marginsButton = new QToolButton(this);
    marginsButton->setText(QStringLiteral("Margins"));
    marginsButton->setToolTip(QStringLiteral(
        "Show the printer's unprintable areas (a red dotted line marks where printing stops)"));
    marginsButton->setObjectName(QStringLiteral("MarginsButton"));
    for (QToolButton* b : {templateButton, marginsButton}) {
        b->setCheckable(true);
        b->setAutoRaise(true);
    }
    for (QToolButton* b : {showGrid, snap, fieldNames, templateButton, marginsButton})
        bar->addWidget(b);
    bar->addStretch();
    connect(showGrid, &QToolButton::toggled, this, [this](bool on) { panel_.setShowGrid(on); });
    connect(snap, &QToolButton::toggled, this, [this](bool on) { panel_.setSnapToGrid(on); });
    connect(fieldNames, &QToolButton::toggled, this,
            [this](bool on) { panel_.setDisplayDataValues(!on); });
    connect(templateButton, &QToolButton::toggled, this, [this](bool on) {
        panel_.setShowTemplate(on);
        surface_->refreshAll();
    });
    connect(marginsButton, &QToolButton::toggled, this, [this](bool on) {
        panel_.setShowPrinterMargins(on);
        surface_->refreshAll();
    });

    surface_ = new design::ui::SurfaceWidget(panel_);
    surface_->setObjectName(QStringLiteral("Surface"));
    surface_->paintGuides = [this](QPainter& painter) { panel_.paintGuides(painter); };
    scroll_ = labels::designerScrollBox(this, surface_);
    labels::useFontDialog(*surface_, this);

    const labels::DesignerButtons buttons =
        labels::designerButtonRow(this, QStringLiteral("Change Size"), "ChangeSizeButton",
                                  addresses_ != nullptr, [this](int i) { RecordButtonClick(i); });
    saveButton_ = buttons.save;
    connect(saveButton_, &QPushButton::clicked, this, &TEnvelopeDesignScreen::SaveButtonClick);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons.change, &QPushButton::clicked, this,
            &TEnvelopeDesignScreen::ChangeSizeButtonClick);
    connect(buttons.help, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kEnvelopeDesigner); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header.layout);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons.row);

    // The window sees keys first (scrolling, zoom, the surface's keys).
    for (QWidget* w : findChildren<QWidget*>())
        if (w != descriptionEdit_) w->installEventFilter(this);
}

bool TEnvelopeDesignScreen::saveVisible() const {
    return !saveButton_->isHidden();
}

QString TEnvelopeDesignScreen::zoomCaption() const {
    return zoomCaption_->text();
}

void TEnvelopeDesignScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    FormActivate();
}

void TEnvelopeDesignScreen::FormActivate() {
    widgets::restorePlacement(this, parentWidget());
    defaultFont_ = labels::readDefaultFont(QString::fromLatin1(kEnvelopeSettingsSection));
    applyDefaultFont(defaultFont_);
    sizeSurfaceFromInches();
    updateSizeCaption();
    panel_.LabelChangedEvent = [this] { designChanged(); };
    saveButton_->hide();
    selectPointer();
    opening_ = false;
    surface_->setFocus();
}

void TEnvelopeDesignScreen::sizeSurfaceFromInches() {
    const bool was = opening_;
    opening_ = true;
    panel_.sizeFromInches(definition_.usableLength(), definition_.usableDepth());
    opening_ = was;
    surface_->refreshAll();
    surface_->adjustSize();
}

void TEnvelopeDesignScreen::updateSizeCaption() {
    sizeCaption_->setText(envelopeSizeText(definition_.code));
}

void TEnvelopeDesignScreen::designChanged() {
    if (opening_) return;
    saveButton_->show();
}

void TEnvelopeDesignScreen::setZoom(float zoom) {
    opening_ = true;
    panel_.clearSelection();
    zoom_ = zoom;
    panel_.setZoom(zoom);
    zoomCaption_->setText(labels::zoomCaption(zoom));
    surface_->refreshAll();
    surface_->adjustSize();
    opening_ = false;
}

void TEnvelopeDesignScreen::ZoomOutClick() {
    setZoom(envelopeZoomedOut(zoom_));
}

void TEnvelopeDesignScreen::ZoomInClick() {
    setZoom(envelopeZoomedIn(zoom_));
}

void TEnvelopeDesignScreen::selectPointer() {
    tools_->button(static_cast<int>(TLPanelState::psPointing))->setChecked(true);
    panel_.setPanelState(TLPanelState::psPointing);
    surface_->unsetCursor();
}

void TEnvelopeDesignScreen::ToolButtonClick(TLPanelState state) {
    if (QAbstractButton* b = tools_->button(static_cast<int>(state))) b->setChecked(true);
    panel_.setPanelState(state);
    if (state == TLPanelState::psPointing)
        surface_->unsetCursor();
    else
        surface_->setCursor(Qt::DragCopyCursor);
}

void TEnvelopeDesignScreen::applySize(int code) {
    definition_.setCode(code);
    sizeSurfaceFromInches();
    panel_.clampObjects();
    updateSizeCaption();
    surface_->refreshAll();
    designChanged();
}

void TEnvelopeDesignScreen::ChangeSizeButtonClick() {
    int code = definition_.code;
    if (chooseEnvelopeSize(code, this)) applySize(code);
}

void TEnvelopeDesignScreen::RecordButtonClick(int which) {
    if (!labels::moveAddressRecord(addresses_, which)) return;
    panel_.refreshAllData();
    surface_->update();
}

void TEnvelopeDesignScreen::applyDefaultFont(const labels::DefaultFont& font) {
    design::FontSpec spec;
    spec.name = font.name;
    spec.setPointSize(font.size);
    spec.bold = font.bold;
    spec.italic = font.italic;
    panel_.setFont(spec);
    defaultFontButton_->setText(labels::defaultFontCaption(font));
}

void TEnvelopeDesignScreen::DefaultFontButtonClick() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, panel_.font().toQFont(), this);
    if (!ok) return;
    defaultFont_ = {chosen.family(), chosen.pointSize() > 0 ? chosen.pointSize() : 10,
                    chosen.bold(), chosen.italic()};
    labels::writeDefaultFont(defaultFont_, QString::fromLatin1(kEnvelopeSettingsSection));
    applyDefaultFont(defaultFont_);
}

void TEnvelopeDesignScreen::SaveButtonClick() {
    panel_.removeStrayObjects();
    definition_.description = descriptionEdit_->text().left(kDescriptionLength);
    accept();
}

void TEnvelopeDesignScreen::closeEvent(QCloseEvent* event) {
    widgets::savePlacement(this);
    QDialog::closeEvent(event);
}

bool TEnvelopeDesignScreen::eventFilter(QObject* watched, QEvent* event) {
    if (labels::designerKeyEvent(
            watched, event, surface_, scroll_, [this] { ZoomInClick(); },
            [this] { ZoomOutClick(); }))
        return true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace pc::envelopes
