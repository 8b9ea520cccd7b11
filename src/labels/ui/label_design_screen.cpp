#include "labels/ui/label_design_screen.h"

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

#include "data/t_table.h"
#include "design/graphic_object.h"
#include "design/ui/surface_widget.h"
#include "labels/stock_art.h"
#include "labels/ui/designer_chrome.h"
#include "labels/ui/label_tool_icons.h"
#include "labels/ui/label_tools.h"
#include "labels/ui/user_label_layout.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"
#include "widgets/window_placement.h"

namespace pc::labels {

using design::TLPanelState;

namespace {

constexpr DesignerTool<TLPanelState> kTools[] = {
    {TLPanelState::psPointing, "Selection tool"},
    {TLPanelState::psLabel, "Text tool"},
    {TLPanelState::psMultiLineLabel, "Multi-line text tool"},
    {TLPanelState::psCounterLabel, "Counter tool"},
    {TLPanelState::psSymbolLabel, "Symbol tool"},
    {TLPanelState::psRectangle, "Rectangle tool"},
    {TLPanelState::psEllipse, "Ellipse tool"},
    {TLPanelState::psRoundRectangle, "Round Rectangle tool"},
    {TLPanelState::psLine, "Line Tool"},
    {TLPanelState::psImage, "Clip Art Tool"},
    {TLPanelState::psPostNetBarCode, "Postnet Barcode tool"},
    {TLPanelState::psDataLabel, "Database Field tool"},
    {TLPanelState::psMultiLineDataLabel, "Database Memo Field tool"},
    {TLPanelState::psAddressLabel, "Database Mailing Address tool"},
};

design::TLabelShapeType shapeFor(const QString& code) {
    if (code == QLatin1String("RR")) return design::TLabelShapeType::lsRoundRect;
    if (code == QLatin1String("SR")) return design::TLabelShapeType::lsRectangle;
    return design::TLabelShapeType::lsEllipse;
}

}  // namespace

TLabelDesignScreen::TLabelDesignScreen(design::TGLabelPanel& panel, LabelDefinition definition,
                                       bool isNew, pc::data::TTable* addresses, QWidget* parent)
    : QDialog(parent),
      panel_(panel),
      definition_(std::move(definition)),
      isNew_(isNew),
      addresses_(addresses) {
    setWindowTitle(QStringLiteral("Label Design Screen"));
    setObjectName(QStringLiteral("TLabelDesignScreen"));
    setSizeGripEnabled(true);
    panel_.setPointing(true);
    panel_.setDrawOutline(true);
    panel_.setGridSize(design::TGridSize::gs4x4);
    panel_.setShowGrid(false);
    panel_.setSnapToGrid(false);
    panel_.setDisplayDataValues(true);
    panel_.setPanelState(TLPanelState::psPointing);
    const design::LabelTools tools = labelTools(this);
    for (size_t i = 0; i < tools.size(); ++i)
        panel_.setTool(static_cast<TLPanelState>(i), tools[i]);
    buildControls();
    defaultFont_ = readDefaultFont();
    applyDefaultFont(defaultFont_);
    panel_.DroppedObjectEvent = [this](const QRect&) { selectPointer(); };
    resize(760, 560);
}

TLabelDesignScreen::~TLabelDesignScreen() {
    panel_.DroppedObjectEvent = nullptr;
    panel_.LabelChangedEvent = nullptr;
}

void TLabelDesignScreen::buildControls() {
    const DesignerHeader header = designerHeader(this, QStringLiteral("Layout:"), "LayoutCaption");
    layoutCaption_ = header.caption;
    descriptionEdit_ = header.description;
    defaultFontButton_ = header.defaultFont;
    descriptionEdit_->setText(isNew_ ? QStringLiteral("<New Label>") : definition_.description);
    connect(descriptionEdit_, &QLineEdit::textEdited, this, [this] { designChanged(); });
    connect(defaultFontButton_, &QPushButton::clicked, this,
            &TLabelDesignScreen::DefaultFontButtonClick);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(1);
    tools_ = addToolButtons(this, bar, kTools, toolIcon,
                            [this](TLPanelState state) { ToolButtonClick(state); });
    bar->addSpacing(10);
    zoomCaption_ = addZoomButtons(
        this, bar, [this] { ZoomInClick(); }, [this] { ZoomOutClick(); });

    showGrid_ = designerToggleButton(this, DesignerToggle::Grid, "Show grid", "ShowGridButton");
    snapToGrid_ = designerToggleButton(this, DesignerToggle::Snap, "Snap to Grid", "SnapButton");
    showArt_ = designerToggleButton(this, DesignerToggle::Art, "Show art", "ShowArtButton");
    fieldNames_ =
        designerToggleButton(this, DesignerToggle::FieldNames,
                             "Toggle display of field names or field values", "FieldNamesButton");
    for (QToolButton* b : {showGrid_, snapToGrid_, showArt_, fieldNames_}) bar->addWidget(b);
    bar->addStretch();
    connect(showGrid_, &QToolButton::toggled, this, [this](bool on) { panel_.setShowGrid(on); });
    connect(snapToGrid_, &QToolButton::toggled, this,
            [this](bool on) { panel_.setSnapToGrid(on); });
    connect(showArt_, &QToolButton::toggled, this, &TLabelDesignScreen::ShowArtClick);
    connect(fieldNames_, &QToolButton::toggled, this,
            [this](bool on) { panel_.setDisplayDataValues(!on); });

    surface_ = new design::ui::SurfaceWidget(panel_);
    surface_->setObjectName(QStringLiteral("Surface"));
    scroll_ = designerScrollBox(this, surface_);
    useFontDialog(*surface_, this);

    const DesignerButtons buttons =
        designerButtonRow(this, QStringLiteral("Change Layout"), "ChangeLayoutButton",
                          addresses_ != nullptr, [this](int i) { RecordButtonClick(i); });
    saveButton_ = buttons.save;
    connect(saveButton_, &QPushButton::clicked, this, &TLabelDesignScreen::SaveButtonClick);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons.change, &QPushButton::clicked, this,
            &TLabelDesignScreen::ChangeLayoutButtonClick);
    connect(buttons.help, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kLabelDesigner); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header.layout);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons.row);

    // The window sees keys first (scrolling, zoom, the surface's keys).
    for (QWidget* w : findChildren<QWidget*>())
        if (w != descriptionEdit_) w->installEventFilter(this);
}

bool TLabelDesignScreen::saveVisible() const {
    return !saveButton_->isHidden();
}

void TLabelDesignScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    FormActivate();
}

void TLabelDesignScreen::FormActivate() {
    widgets::restorePlacement(this, parentWidget());
    sizeSurfaceFromInches();
    updateLayoutCaption();
    showArt_->setEnabled(!definition_.art.isEmpty());
    showArt_->setChecked(showArt_->isEnabled());
    drawArt();
    panel_.LabelChangedEvent = [this] { designChanged(); };
    // The address block of a new layout is part of the start, not an edit.
    if (isNew_) {
        ToolButtonClick(TLPanelState::psAddressLabel);
        panel_.createObject(QRect(QPoint(5, 5), QPoint(panel_.width() - 10, panel_.height() - 10)));
        selectPointer();
        panel_.selectAll();
    }
    saveButton_->hide();
    activating_ = false;
    surface_->setFocus();
    if (isNew_) text::messages().inform(QString::fromLatin1(kNewLayoutMessage));
}

void TLabelDesignScreen::sizeSurfaceFromInches() {
    const float zoom = zoom_;
    const bool was = activating_;
    activating_ = true;
    if (zoom != 1.0f) panel_.setZoom(1.0f);
    const QSize size = labelSurfaceSize(definition_.labelWidth, definition_.labelHeight);
    if (panel_.size() != size || shapeCode_ != definition_.shape) {
        shapeCode_ = definition_.shape;
        panel_.setShape(shapeFor(definition_.shape));
        panel_.setSize(size);
        if (!was) designChanged();
    }
    if (zoom != 1.0f) panel_.setZoom(zoom);
    activating_ = was;
    surface_->adjustSize();
}

void TLabelDesignScreen::updateLayoutCaption() {
    layoutCaption_->setText(definition_.manufacturer == QLatin1String("USER")
                                ? QStringLiteral("User Defined Label Layout")
                                : definition_.templateDescription);
}

void TLabelDesignScreen::drawArt() {
    if (showArt_->isChecked() && !definition_.art.isEmpty())
        panel_.setPicture(stockArtBackdrop(
            definition_.art, labelSurfaceSize(definition_.labelWidth, definition_.labelHeight)));
    else
        panel_.setPicture({});
    surface_->update();
}

void TLabelDesignScreen::ShowArtClick(bool) {
    drawArt();
}

void TLabelDesignScreen::designChanged() {
    if (activating_) return;
    saveButton_->show();
}

void TLabelDesignScreen::setZoom(float zoom) {
    activating_ = true;
    panel_.clearSelection();
    zoom_ = zoom;
    panel_.setZoom(zoom);
    zoomCaption_->setText(zoomCaption(zoom));
    surface_->adjustSize();
    surface_->update();
    activating_ = false;
}

void TLabelDesignScreen::ZoomOutClick() {
    setZoom(zoomedOut(zoom_));
}
void TLabelDesignScreen::ZoomInClick() {
    setZoom(zoomedIn(zoom_));
}

void TLabelDesignScreen::selectPointer() {
    tools_->button(static_cast<int>(TLPanelState::psPointing))->setChecked(true);
    panel_.setPanelState(TLPanelState::psPointing);
    surface_->unsetCursor();
}

void TLabelDesignScreen::ToolButtonClick(TLPanelState state) {
    if (state == TLPanelState::psPostNetBarCode && !postnetFits(definition_.labelWidth)) {
        text::messages().inform(QString::fromLatin1(kPostnetToolRefused));
        selectPointer();
        return;
    }
    if (QAbstractButton* b = tools_->button(static_cast<int>(state))) b->setChecked(true);
    panel_.setPanelState(state);
    if (state == TLPanelState::psPointing)
        surface_->unsetCursor();
    else
        surface_->setCursor(Qt::DragCopyCursor);
}

void TLabelDesignScreen::applyStock(const LabelDefinition& definition) {
    const bool artWasShown = showArt_->isChecked();
    definition_ = definition;
    sizeSurfaceFromInches();
    showArt_->setEnabled(!definition_.art.isEmpty());
    showArt_->setChecked(artWasShown && showArt_->isEnabled());
    panel_.clampObjects();
    drawArt();
    updateLayoutCaption();
    saveButton_->show();
    if (postnetFits(definition_.labelWidth)) return;
    for (const auto& object : panel_.objects()) {
        if (qstrcmp(object->className(), "TGPostNetBarCode") != 0) continue;
        text::messages().inform(QString::fromLatin1(kPostnetRemovedWarning));
        panel_.destroyObject(object.get());
        surface_->update();
        break;
    }
}

void TLabelDesignScreen::ChangeLayoutButtonClick() {
    LabelDefinition changed = definition_;
    if (changeLabelStock(changed, this)) applyStock(changed);
}

void TLabelDesignScreen::RecordButtonClick(int which) {
    if (!moveAddressRecord(addresses_, which)) return;
    if (which == 0)
        panel_.resetCounters();
    else
        panel_.advanceCounters();
    panel_.refreshAllData();
    surface_->update();
}

void TLabelDesignScreen::applyDefaultFont(const DefaultFont& font) {
    design::FontSpec spec;
    spec.name = font.name;
    spec.setPointSize(font.size);
    spec.bold = font.bold;
    spec.italic = font.italic;
    panel_.setFont(spec);
    defaultFontButton_->setText(defaultFontCaption(font));
}

void TLabelDesignScreen::DefaultFontButtonClick() {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, panel_.font().toQFont(), this);
    if (!ok) return;
    defaultFont_ = {chosen.family(), chosen.pointSize() > 0 ? chosen.pointSize() : 10,
                    chosen.bold(), chosen.italic()};
    writeDefaultFont(defaultFont_);
    applyDefaultFont(defaultFont_);
}

void TLabelDesignScreen::SaveButtonClick() {
    panel_.removeStrayObjects();
    definition_.description = descriptionEdit_->text().left(kDescriptionLength);
    accept();
}

void TLabelDesignScreen::closeEvent(QCloseEvent* event) {
    widgets::savePlacement(this);
    QDialog::closeEvent(event);
}

bool TLabelDesignScreen::eventFilter(QObject* watched, QEvent* event) {
    if (designerKeyEvent(
            watched, event, surface_, scroll_, [this] { ZoomInClick(); },
            [this] { ZoomOutClick(); }))
        return true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace pc::labels
