#include "postal/ui/postal_entry.h"

#include <QDir>

#include "data/engine_setting_guards.h"
#include "data/session.h"
#include "data/t_apollo.h"
#include "postal/ui/count_zip_codes.h"
#include "postal/ui/state_zip_check_window.h"
#include "print/printer_check.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "widgets/window_placement.h"

namespace pc::postal {
namespace {

bool stateTableThere() {
    const QDir sysdata(text::sysdataDir());
    for (const QString& name : sysdata.entryList(QDir::Files))
        if (name.compare(QLatin1String("CSZ.DBF"), Qt::CaseInsensitive) == 0) return true;
    return false;
}

}  // namespace

void countZipCodes(data::Session& session, QWidget* parent) {
    if (!print::checkPrinters()) return;
    TCountZipCodes window(session.table(), session.engine(), parent);
    widgets::centreWindow(&window, parent);
    window.exec();
}

void checkStateAndZipCodes(data::Session& session, QWidget* parent) {
    if (!stateTableThere()) {
        text::messages().inform(QStringLiteral(
            "The file CSZ.DBF has been removed from the SYSDATA directory. Unable to continue."));
        return;
    }
    data::QuerySetting notDeleted(session.engine(), QStringLiteral("!ISDEL"));
    TStateZipCheck window(
        session.table(), session.engine(), [&session] { return session.tagId(); }, parent);
    widgets::centreWindow(&window, parent);
    window.exec();
}

}  // namespace pc::postal
