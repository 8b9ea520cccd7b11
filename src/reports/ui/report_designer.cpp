#include "reports/ui/report_designer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/t_field.h"
#include "data/t_table.h"
#include "design/graphic_object.h"
#include "design/ui/surface_widget.h"
#include "labels/ui/designer_chrome.h"
#include "reports/report_record_text.h"
#include "reports/ui/h_ruler.h"
#include "reports/ui/report_properties.h"
#include "reports/ui/report_tool_icons.h"
#include "reports/ui/report_tools.h"
#include "text/message_service.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::reports {

// The 5-pixel bar under a band that drags its height.
class BandSizer : public QWidget {
  public:
    BandSizer(TReportDesigner& designer, ReportBand band, QWidget* parent)
        : QWidget(parent), designer_(designer), band_(band) {
        setCursor(Qt::SizeVerCursor);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(128, 128, 128));
        setPalette(p);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || band_ == ReportBand::Memo) return;
        dragging_ = true;
        startY_ = event->globalPosition().toPoint().y();
        startHeight_ = heightOf();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!dragging_) return;
        designer_.resizeBand(band_, startHeight_ + event->globalPosition().toPoint().y() - startY_,
                             false);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!dragging_) return;
        dragging_ = false;
        designer_.resizeBand(band_, startHeight_ + event->globalPosition().toPoint().y() - startY_,
                             true);
    }

  private:
    int heightOf() const {
        const ReportSettings& s = designer_.settings();
        return band_ == ReportBand::Header   ? s.headerHeight
               : band_ == ReportBand::Detail ? s.detailHeight
                                             : s.footerHeight;
    }

    TReportDesigner& designer_;
    ReportBand band_;
    bool dragging_ = false;
    int startY_ = 0, startHeight_ = 0;
};

// A band's name on a dark blue bar, painted directly so no style or
// palette of the scroll area can wash it out.
class CaptionBar : public QWidget {
  public:
    CaptionBar(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
        setObjectName(text + QStringLiteral("Caption"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0, 0, 128));
        p.setPen(Qt::white);
        p.drawText(rect().adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
    }

  private:
    QString text_;
};

namespace {

constexpr int kCaptionHeight = 20;
constexpr int kSizerHeight = 5;
const char* const kBandNames[] = {"Header", "Detail", "Memo", "Footer"};

struct Tool {
    design::TRPanelState state;
    const char* hint;
};
const Tool kTools[] = {
    {design::TRPanelState::psPointing, "Selection tool"},
    {design::TRPanelState::psLabel, "Text tool"},
    {design::TRPanelState::psDataLabel, "Database Field tool"},
    {design::TRPanelState::psLine, "Line Tool"},
    {design::TRPanelState::psImage, "Clip Art Tool"},
    {design::TRPanelState::psDateTime, "Date Time Tool"},
    {design::TRPanelState::psPageNumber, "Page Number Tool"},
    {design::TRPanelState::psSymbolLabel, "Symbol tool"},
    {design::TRPanelState::psRectangle, "Rectangle tool"},
    {design::TRPanelState::psEllipse, "Ellipse tool"},
    {design::TRPanelState::psRoundRectangle, "Round Rectangle tool"},
};

design::FontSpec fontSpecOf(const ReportFont& f) {
    design::FontSpec spec;
    spec.name = f.name;
    spec.setPointSize(f.size);
    spec.bold = f.bold;
    spec.italic = f.italic;
    return spec;
}

}  // namespace

TReportDesigner::TReportDesigner(pc::data::TTable& addresses, const pc::design::MergeSource& source,
                                 QWidget* parent)
    : QDialog(parent), addresses_(addresses), settings_(programReportSettings()) {
    setWindowTitle(QStringLiteral("Report Designer"));
    setObjectName(QStringLiteral("TReportDesigner"));
    const design::ReportToolsPlaced placed = reportToolsPlaced(this);
    for (design::TReportPanel* p : {&header_, &detail_, &footer_}) {
        p->setMergeSource(&source);
        p->setToolsPlaced(placed);
        p->ControlMouseDownEvent = [this](design::TReportPanel& panel, design::TGGraphicControl&) {
            objectPressed(panel);
        };
        p->RefusedEvent = [](const QString& message) {
            QApplication::beep();
            text::messages().inform(message);
        };
        p->DroppedObjectEvent = [this](const QRect&) {
            ToolButtonClick(design::TRPanelState::psPointing);
        };
    }
    buildControls();
}

TReportDesigner::~TReportDesigner() = default;

design::TReportPanel& TReportDesigner::band(ReportBand b) {
    return b == ReportBand::Header ? header_ : b == ReportBand::Footer ? footer_ : detail_;
}

design::ui::SurfaceWidget& TReportDesigner::surface(ReportBand b) {
    return *surfaces_[b == ReportBand::Header ? 0 : b == ReportBand::Footer ? 2 : 1];
}

void TReportDesigner::buildControls() {
    auto* tools = new QHBoxLayout;
    tools->setSpacing(1);
    toolGroup_ = new QButtonGroup(this);
    toolGroup_->setExclusive(true);
    for (const Tool& tool : kTools) {
        auto* button = new QToolButton(this);
        button->setIcon(reportToolIcon(tool.state));
        button->setIconSize(QSize(24, 24));
        button->setToolTip(QLatin1String(tool.hint));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setObjectName(QString::fromLatin1(tool.hint).remove(' '));
        toolGroup_->addButton(button, static_cast<int>(tool.state));
        const design::TRPanelState state = tool.state;
        connect(button, &QToolButton::clicked, this, [this, state] { ToolButtonClick(state); });
        tools->addWidget(button);
    }
    toolGroup_->button(static_cast<int>(design::TRPanelState::psPointing))->setChecked(true);
    tools->addSpacing(10);
    auto* showGrid = labels::designerToggleButton(this, labels::DesignerToggle::Grid, "Show grid",
                                                  "ShowGridButton");
    auto* snap = labels::designerToggleButton(this, labels::DesignerToggle::Snap, "Snap to Grid",
                                              "SnapButton");
    fieldNames_ = labels::designerToggleButton(this, labels::DesignerToggle::FieldNames,
                                               "Toggle display of field names or field values",
                                               "FieldNamesButton");
    for (QToolButton* b : {showGrid, snap, fieldNames_}) tools->addWidget(b);
    connect(showGrid, &QToolButton::toggled, this, [this](bool on) {
        for (design::TReportPanel* p : {&header_, &detail_, &footer_}) p->setShowGrid(on);
    });
    connect(snap, &QToolButton::toggled, this, [this](bool on) {
        for (design::TReportPanel* p : {&header_, &detail_, &footer_}) p->setSnapToGrid(on);
    });
    connect(fieldNames_, &QToolButton::toggled, this,
            [this](bool on) { detail_.setDisplayDataValues(!on); });
    tools->addStretch();

    auto* checks = new QHBoxLayout;
    for (int i = 0; i < kReportBands; ++i) {
        checks_[i] = new QCheckBox(QLatin1String(kBandNames[i]), this);
        checks_[i]->setObjectName(QLatin1String(kBandNames[i]) + QStringLiteral("Check"));
        connect(checks_[i], &QCheckBox::toggled, this, [this] { BandCheckClick(); });
        checks->addWidget(checks_[i]);
    }
    auto* fontButton = new QPushButton(QStringLiteral("Default Font"), this);
    connect(fontButton, &QPushButton::clicked, this, &TReportDesigner::DefaultFontButtonClick);
    fontCaption_ = new QLabel(this);
    fontCaption_->setObjectName(QStringLiteral("DefaultFontCaption"));
    checks->addWidget(fontButton);
    checks->addWidget(fontCaption_, 1);

    page_ = new QWidget;
    ruler_ = new THRuler(page_);
    for (int i = 0; i < kReportBands; ++i) {
        captions_[i] = new CaptionBar(QLatin1String(kBandNames[i]), page_);
        sizers_[i] = new BandSizer(*this, static_cast<ReportBand>(i), page_);
    }
    int s = 0;
    for (design::TReportPanel* p : {&header_, &detail_, &footer_}) {
        surfaces_[s] = new design::ui::SurfaceWidget(*p, page_);
        surfaces_[s]->installEventFilter(this);
        labels::useFontDialog(*surfaces_[s], this);
        ++s;
    }
    memoBox_ = new QTextEdit(page_);
    memoBox_->setObjectName(QStringLiteral("MemoBox"));
    memoBox_->setReadOnly(true);
    memoProperties_ = new QPushButton(QStringLiteral("Properties"), page_);
    auto* memoMenu = new QMenu(memoProperties_);
    memoMenu->addAction(QStringLiteral("Font"), this, [this] {
        bool ok = false;
        const ReportFont& f = settings_.memoFont;
        QFont start(f.name, f.size);
        start.setBold(f.bold);
        start.setItalic(f.italic);
        const QFont chosen = QFontDialog::getFont(&ok, start, this);
        if (!ok) return;
        settings_.memoFont = {chosen.family(), chosen.pointSize(), chosen.bold(), chosen.italic()};
        layOut();
    });
    memoMenu->addAction(QStringLiteral("Left Aligned"), this,
                        [this] { MemoAlignmentClick(MemoAlignment::Left); });
    memoMenu->addAction(QStringLiteral("Centered"), this,
                        [this] { MemoAlignmentClick(MemoAlignment::Centered); });
    memoMenu->addAction(QStringLiteral("Right Aligned"), this,
                        [this] { MemoAlignmentClick(MemoAlignment::Right); });
    memoProperties_->setMenu(memoMenu);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(page_);
    scroll->setBackgroundRole(QPalette::Dark);

    auto* bottom = new QHBoxLayout;
    labels::addRecordButtons(this, bottom, true, [this](int i) { RecordButtonClick(i); });
    description_ = new QLineEdit(this);
    description_->setObjectName(QStringLiteral("Description"));
    description_->setMaxLength(kReportDescriptionLength);
    layoutCaption_ = new QLabel(this);
    layoutCaption_->setObjectName(QStringLiteral("LayoutCaption"));
    auto* change = new QPushButton(QStringLiteral("Change Layout"), this);
    change->setObjectName(QStringLiteral("ChangeLayoutButton"));
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("SaveButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("HelpButton"));
    connect(change, &QPushButton::clicked, this, &TReportDesigner::ChangeLayoutButtonClick);
    connect(save, &QPushButton::clicked, this, &TReportDesigner::SaveButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [] { widgets::showHelp(widgets::help::kReportDesigner); });
    bottom->addWidget(new QLabel(QStringLiteral("Description"), this));
    bottom->addWidget(description_, 1);
    bottom->addWidget(layoutCaption_);
    bottom->addWidget(change);
    bottom->addWidget(save);
    bottom->addWidget(cancel);
    bottom->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addLayout(checks);
    layout->addWidget(scroll, 1);
    layout->addLayout(bottom);
    resize(900, 640);
}

void TReportDesigner::setDefinition(const ReportDefinition& definition,
                                    const ReportSettings& settings) {
    settings_ = settings;
    layoutText_ = definition.layoutText;
    description_->setText(definition.description);
    layoutCaption_->setText(QStringLiteral("Layout: ") + layoutText_);
    settingUp_ = true;
    checks_[0]->setChecked(settings_.useHeader);
    checks_[1]->setChecked(settings_.useDetail);
    checks_[2]->setChecked(settings_.useMemo);
    checks_[3]->setChecked(settings_.useFooter);
    settingUp_ = false;
    for (design::TReportPanel* p : {&header_, &detail_, &footer_}) p->refreshAllData();
    showMemo();
    layOut();
}

QString TReportDesigner::description() const {
    return description_->text();
}

void TReportDesigner::layOut() {
    if (settingUp_) return;
    layout_ = layOutDesigner(settings_, sizing_);
    ruler_->setPixelsPerInch(settings_.ppi);
    ruler_->setStartInch(double(settings_.leftMargin) / settings_.ppi);
    const int w = layout_.bandWidth;
    int y = 0;
    ruler_->setGeometry(0, y, w, 33);
    y += 33;
    const int heights[] = {layout_.header, layout_.detail, layout_.memo, layout_.footer};
    const bool used[] = {settings_.useHeader, settings_.useDetail, settings_.useMemo,
                         settings_.useFooter};
    for (int i = 0; i < kReportBands; ++i) {
        captions_[i]->setGeometry(0, y, w, kCaptionHeight);
        y += kCaptionHeight;
        if (i == 2) {
            memoBox_->setGeometry(0, y, w, heights[i]);
            memoBox_->setVisible(heights[i] > 0);
            memoProperties_->setVisible(settings_.useMemo);
            memoProperties_->move(w - memoProperties_->sizeHint().width(), y - kCaptionHeight);
            memoProperties_->raise();
        } else {
            const int s = i == 0 ? 0 : i == 1 ? 1 : 2;
            band(static_cast<ReportBand>(i)).setSize(QSize(w, heights[i]));
            surfaces_[s]->setGeometry(0, y, w, heights[i]);
            surfaces_[s]->setVisible(heights[i] > 0);
        }
        y += heights[i];
        sizers_[i]->setGeometry(0, y, w, kSizerHeight);
        sizers_[i]->setEnabled(used[i]);
        y += kSizerHeight;
    }
    page_->resize(w, y);
    QFont memoFont(settings_.memoFont.name, settings_.memoFont.size);
    memoFont.setBold(settings_.memoFont.bold);
    memoFont.setItalic(settings_.memoFont.italic);
    memoBox_->setFont(memoFont);
    memoBox_->setAlignment(settings_.memoAlignment == MemoAlignment::Right      ? Qt::AlignRight
                           : settings_.memoAlignment == MemoAlignment::Centered ? Qt::AlignHCenter
                                                                                : Qt::AlignLeft);
    for (design::TReportPanel* p : {&header_, &detail_, &footer_})
        p->setFont(fontSpecOf(settings_.defaultFont));
    showDefaultFont();
}

void TReportDesigner::showDefaultFont() {
    const ReportFont& f = settings_.defaultFont;
    QString caption = QStringLiteral("Default Font: ") + f.name + QStringLiteral(", ") +
                      QString::number(f.size) + QStringLiteral(" pt ");
    if (f.bold) caption += QStringLiteral(", bold");
    if (f.italic) caption += QStringLiteral(", italic");
    fontCaption_->setText(caption);
}

void TReportDesigner::showMemo() {
    memoBox_->setPlainText(fieldText(addresses_, "MEMO"));
}

void TReportDesigner::BandCheckClick() {
    if (settingUp_) return;
    settings_.useHeader = checks_[0]->isChecked();
    settings_.useDetail = checks_[1]->isChecked();
    settings_.useMemo = checks_[2]->isChecked();
    settings_.useFooter = checks_[3]->isChecked();
    layOut();
}

void TReportDesigner::ToolButtonClick(design::TRPanelState state) {
    using S = design::TRPanelState;
    if (QAbstractButton* button = toolGroup_->button(static_cast<int>(state)))
        button->setChecked(true);
    for (design::TReportPanel* p : {&header_, &detail_, &footer_}) {
        p->setPanelState(state);
        switch (state) {
            case S::psPointing:
                p->setAcceptsDrawing(true);
                break;
            case S::psDataLabel:
                p->setAcceptsDrawing(p == &detail_);
                break;
            case S::psImage:
            case S::psDateTime:
            case S::psPageNumber:
                p->setAcceptsDrawing(p == &header_);
                break;
            default:
                break;  // unchanged
        }
    }
}

void TReportDesigner::objectPressed(design::TReportPanel& panel) {
    for (design::TReportPanel* p : {&header_, &detail_, &footer_})
        if (p != &panel) p->clearSelection();
}

bool TReportDesigner::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (design::ui::SurfaceWidget* surface : surfaces_) {
            if (watched != surface) continue;
            auto& panel = static_cast<design::TReportPanel&>(surface->panel());
            if (!panel.acceptsDrawing()) {
                QApplication::beep();
                return true;
            }
            const auto* press = static_cast<QMouseEvent*>(event);
            if (panel.objectAt(press->position().toPoint())) objectPressed(panel);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TReportDesigner::resizeBand(ReportBand b, int height, bool released) {
    if (b == ReportBand::Memo) return;
    int& target = b == ReportBand::Header   ? settings_.headerHeight
                  : b == ReportBand::Detail ? settings_.detailHeight
                                            : settings_.footerHeight;
    target = limitBandHeight(settings_, b, height);
    // A band dragged to nothing stays so until Save unticks it.
    sizing_ = true;
    layOut();
    sizing_ = false;
    if (released) band(b).clampObjects();
}

void TReportDesigner::RecordButtonClick(int which) {
    labels::moveAddressRecord(&addresses_, which);
    if (which == 2 && addresses_.eof()) addresses_.last();
    detail_.refreshAllData();
    showMemo();
}

void TReportDesigner::DefaultFontButtonClick() {
    bool ok = false;
    const ReportFont& f = settings_.defaultFont;
    QFont start(f.name, f.size);
    start.setBold(f.bold);
    start.setItalic(f.italic);
    const QFont chosen = QFontDialog::getFont(&ok, start, this);
    if (!ok) return;
    settings_.defaultFont = {chosen.family(), chosen.pointSize(), chosen.bold(), chosen.italic()};
    layOut();
}

void TReportDesigner::MemoAlignmentClick(MemoAlignment alignment) {
    settings_.memoAlignment = alignment;
    layOut();
}

void TReportDesigner::ChangeLayoutButtonClick() {
    TReportProperties dialog(settings_, layoutText_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    settings_ = dialog.settings();
    layoutText_ = dialog.layoutText();
    layoutCaption_->setText(QStringLiteral("Layout: ") + layoutText_);
    layOut();
}

void TReportDesigner::SaveButtonClick() {
    const int heights[] = {settings_.headerHeight, settings_.detailHeight, 1,
                           settings_.footerHeight};
    settingUp_ = true;
    for (int i = 0; i < kReportBands; ++i)
        if (heights[i] == 0) checks_[i]->setChecked(false);
    settingUp_ = false;
    BandCheckClick();
    if (!settings_.useHeader && !settings_.useDetail && !settings_.useMemo &&
        !settings_.useFooter) {
        text::messages().inform(
            QStringLiteral("No report bands are selected. Please select at least one"));
        return;
    }
    const bool used[] = {settings_.useHeader, settings_.useDetail, settings_.useFooter};
    int i = 0;
    for (design::TReportPanel* p : {&header_, &detail_, &footer_}) {
        if (used[i++])
            p->removeStrayObjects();
        else
            p->clearObjects();
        for (const auto& o : p->objects()) o->clearData();
    }
    accept();
}

}  // namespace pc::reports
