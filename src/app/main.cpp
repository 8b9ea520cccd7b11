// Postcraft: mailing lists and address books.
#include <QApplication>

#include "app/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return pc::app::runPostcraft(app, app.arguments());
}
