#include "records/search_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/sort_orders.h"

namespace pc::records {

TSearchDialog::TSearchDialog(int orderIndex, QWidget* parent) : QDialog(parent) {
    setObjectName("TSearchDialog");
    setWindowTitle("Search");
    OrderList = new QListWidget;
    OrderList->setObjectName("OrderList");
    for (const auto& order : sortOrders())
        OrderList->addItem(orderNameFromCaption(order.menuCaption));
    // Every order in view without scrolling: the list is short and fixed.
    OrderList->setMinimumHeight(OrderList->sizeHintForRow(0) * OrderList->count() +
                                2 * OrderList->frameWidth());
    auto* orderLabel = new QLabel("Search &Order");
    orderLabel->setBuddy(OrderList);
    TextLabel = new QLabel;
    TextEdit = new QLineEdit;
    TextEdit->setObjectName("TextEdit");
    TextLabel->setBuddy(TextEdit);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton("Ok", QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(orderLabel);
    layout->addWidget(OrderList, 1);
    layout->addWidget(TextLabel);
    layout->addWidget(TextEdit);
    layout->addWidget(buttons);

    OrderList->setCurrentRow(orderIndex >= 0 && orderIndex < OrderList->count() ? orderIndex : 0);
    orderChanged();
    connect(OrderList, &QListWidget::currentRowChanged, this, [this] {
        orderChanged();
        TextEdit->setFocus();
    });
    TextEdit->setFocus();
}

int TSearchDialog::orderIndex() const {
    return OrderList->currentRow();
}

QString TSearchDialog::text() const {
    return TextEdit->text();
}

void TSearchDialog::orderChanged() {
    const QListWidgetItem* item = OrderList->currentItem();
    TextLabel->setText("Search " + (item ? item->text() : QString()) + " starting with...");
}

}  // namespace pc::records
