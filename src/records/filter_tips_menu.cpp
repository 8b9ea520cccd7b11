#include "records/filter_tips_menu.h"

#include <QLineEdit>
#include <QMenu>

#include "data/filter_tips.h"

namespace pc::records {

QMenu* filterBoxMenu(QLineEdit* box) {
    QMenu* menu = box->createStandardContextMenu();
    menu->addSection("Tips: type these before a value");
    for (const auto& tip : pc::data::filterTips()) {
        QAction* action = menu->addAction(tip.example + "\t" + tip.meaning);
        action->setData(tip.sign);
        action->setEnabled(!box->isReadOnly());
        QObject::connect(action, &QAction::triggered, box,
                         [box, sign = tip.sign] { box->insert(sign); });
    }
    return menu;
}

}  // namespace pc::records
