#include "records/searching_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pc::records {

TSearchingWindow::TSearchingWindow(const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName("TSearchingWindow");
    setWindowTitle("Searching");
    auto* label = new QLabel("Searching for: " + text);
    CancelButton = new QPushButton("Cancel");
    connect(CancelButton, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
}

}  // namespace pc::records
