#include "labels/ui/label_positions_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "print/print_engine.h"
#include "text/message_service.h"
#include "widgets/window_placement.h"

namespace pc::labels {

// The sheet at one fifth of its size with every position: red when it may
// be used, white when not.
class SheetMiniature : public QWidget {
  public:
    SheetMiniature(const SheetGeometry& sheet, PositionMap& positions, QWidget* parent)
        : QWidget(parent), sheet_(sheet), positions_(positions) {
        const QRect paper = miniatureSheet(sheet_, kPixelsPerInch);
        // Room for a letter sheet at least; larger sheets grow the panel.
        setFixedSize(
            std::max(paper.right(), miniatureSheet(letter(), kPixelsPerInch).right()) + 11,
            std::max(paper.bottom(), miniatureSheet(letter(), kPixelsPerInch).bottom()) + 11);
    }

    int positionAt(QPoint point) const {
        for (int row = 0; row < sheet_.down; ++row)
            for (int column = 0; column < sheet_.across; ++column)
                if (miniaturePosition(sheet_, column, row, kPixelsPerInch).contains(point))
                    return column + row * sheet_.across;
        return -1;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(miniatureSheet(sheet_, kPixelsPerInch));
        for (int row = 0; row < sheet_.down; ++row)
            for (int column = 0; column < sheet_.across; ++column) {
                p.setBrush(positions_.used(column + row * sheet_.across) ? Qt::red : Qt::white);
                p.drawRect(miniaturePosition(sheet_, column, row, kPixelsPerInch));
            }
    }

    void mousePressEvent(QMouseEvent* event) override {
        const int index = positionAt(event->position().toPoint());
        if (index < 0) return;
        positions_.toggle(index);
        update();
    }

  private:
    static constexpr int kPixelsPerInch = 96;
    static SheetGeometry letter() { return SheetGeometry{}; }
    const SheetGeometry& sheet_;
    PositionMap& positions_;
};

TLabelPositionsDialog::TLabelPositionsDialog(const SheetGeometry& sheet, PositionMap positions,
                                             print::PrintEngine& engine, int copies, bool presort,
                                             QWidget* parent)
    : QDialog(parent), sheet_(sheet), positions_(std::move(positions)), engine_(engine) {
    setWindowTitle(QStringLiteral("Labels Print"));
    setObjectName(QStringLiteral("TLabelPositionsDialog"));
    positions_.resize(sheet_.positions());
    miniature_ = new SheetMiniature(sheet_, positions_, this);
    miniature_->setObjectName(QStringLiteral("SheetMiniature"));

    auto* all = new QPushButton(QStringLiteral("&All"), this);
    all->setObjectName(QStringLiteral("AllButton"));
    auto* none = new QPushButton(QStringLiteral("&None"), this);
    none->setObjectName(QStringLiteral("NoneButton"));
    connect(all, &QPushButton::clicked, this, &TLabelPositionsDialog::AllButtonClick);
    connect(none, &QPushButton::clicked, this, &TLabelPositionsDialog::NoneButtonClick);

    printer_ = new QComboBox(this);
    printer_->setObjectName(QStringLiteral("PrinterList"));
    printer_->addItems(engine_.printers());
    printer_->setCurrentIndex(engine_.printerIndex());
    connect(printer_, &QComboBox::currentIndexChanged, this,
            [this](int index) { engine_.selectPrinter(index); });

    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("CopiesSpin"));
    copies_->setRange(1, 99);
    copies_->setValue(std::clamp(copies, 1, 99));
    auto* copiesLabel = new QLabel(QStringLiteral("Number of each label to print"), this);
    copiesLabel->setBuddy(copies_);
    copiesLabel->setVisible(!presort);
    copies_->setVisible(!presort);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TLabelPositionsDialog::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(all);
    side->addWidget(none);
    side->addSpacing(12);
    side->addWidget(new QLabel(QStringLiteral("Printer"), this));
    side->addWidget(printer_);
    side->addWidget(copiesLabel);
    side->addWidget(copies_);
    side->addStretch();
    side->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(miniature_);
    layout->addLayout(side);
}

int TLabelPositionsDialog::copies() const {
    return std::max(1, copies_->value());
}

void TLabelPositionsDialog::clickAt(QPoint point) {
    const int index = miniature_->positionAt(point);
    if (index >= 0) positions_.toggle(index);
    miniature_->update();
}

void TLabelPositionsDialog::AllButtonClick() {
    positions_.setAll(true);
    miniature_->update();
}

void TLabelPositionsDialog::NoneButtonClick() {
    positions_.setAll(false);
    miniature_->update();
}

void TLabelPositionsDialog::OkButtonClick() {
    if (!positions_.any()) {
        text::messages().inform(QStringLiteral("You must select at least one card to print"));
        return;
    }
    accept();
}

}  // namespace pc::labels
