#include "data/t_apollo.h"

#include <QFile>
#include <QStringList>

#include "data/data_error.h"
#include "data/selected_area.h"
#include "data/t_table.h"
#include "xbase/engine.h"

namespace pc::data {

namespace {

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

// Installs the progress for one long operation and removes it afterwards:
// the engine's hook is shared by every table.
class GaugeScope {
  public:
    explicit GaugeScope(const pc::text::Progress& progress) {
        if (progress) sx_SetGaugeHook([&progress](int percent) { progress(percent, 100); });
        installed_ = static_cast<bool>(progress);
    }
    ~GaugeScope() {
        if (installed_) sx_SetGaugeHook({});
    }
    GaugeScope(const GaugeScope&) = delete;
    GaugeScope& operator=(const GaugeScope&) = delete;

  private:
    bool installed_ = false;
};

}  // namespace

void TApollo::setTable(TTable* table) {
    table_ = table;
    query_.clear();
    scoped_ = false;
}

int TApollo::area() const {
    if (!table_ || !table_->active()) {
        lastError_ = QStringLiteral("No table is open");
        return 0;
    }
    return table_->workArea();
}

bool TApollo::prepareMove() {
    if (!area()) return false;
    try {
        table_->checkBrowseMode();
    } catch (const DataError& e) {
        lastError_ = e.message();
        return false;
    }
    return true;
}

void TApollo::resync() {
    try {
        table_->resync();
    } catch (const DataError& e) {
        lastError_ = e.message();
    }
}

int TApollo::recNo() const {
    const int a = area();
    if (!a) return 0;
    SelectedArea selected(a);
    return sx_RecNo();
}

int TApollo::recCount() const {
    const int a = area();
    if (!a) return 0;
    SelectedArea selected(a);
    return sx_RecCount();
}

bool TApollo::go(int recno) {
    if (!prepareMove()) return false;
    bool ok;
    {
        SelectedArea selected(area());
        sx_Go(recno);
        lastError_ = QString::fromStdString(sx_LastError());
        ok = lastError_.isEmpty() && !sx_Eof();
    }
    resync();
    return ok;
}

int TApollo::setOrder(int order) {
    if (!prepareMove()) return -1;
    int previous;
    {
        SelectedArea selected(area());
        previous = sx_SetOrder(order);
        lastError_ = QString::fromStdString(sx_LastError());
        if (!lastError_.isEmpty()) return -1;
    }
    scoped_ = false;  // a scope belongs to the order it was set on
    return previous;
}

int TApollo::order() const {
    const int a = area();
    if (!a) return 0;
    SelectedArea selected(a);
    return sx_IndexOrd();
}

int TApollo::tagArea(const QString& tag) const {
    const int a = area();
    if (!a) return 0;
    SelectedArea selected(a);
    return sx_TagArea(utf8(tag).constData());
}

int TApollo::tagCount() const {
    const int a = area();
    if (!a) return 0;
    SelectedArea selected(a);
    return sx_TagCount();
}

QString TApollo::tagName(int order) const {
    const int a = area();
    if (!a) return {};
    SelectedArea selected(a);
    return QString::fromStdString(sx_TagName(order));
}

bool TApollo::seek(const QString& key) {
    if (!prepareMove()) return false;
    bool found;
    {
        SelectedArea selected(area());
        found = sx_Seek(utf8(key).constData());
        lastError_ = QString::fromStdString(sx_LastError());
    }
    resync();
    return found;
}

bool TApollo::found() const {
    const int a = area();
    if (!a) return false;
    SelectedArea selected(a);
    return sx_Found();
}

bool TApollo::setQuery(const QString& expression) {
    if (!prepareMove()) return false;
    const QString previous = query_;
    query_ = expression.trimmed();
    if (!applyQuery()) {
        query_ = previous;
        return false;
    }
    return true;
}

bool TApollo::applyQuery() {
    bool ok;
    {
        SelectedArea selected(area());
        ok = sx_Query(utf8(query_).constData());
        lastError_ = QString::fromStdString(sx_LastError());
    }
    resync();
    return ok;
}

bool TApollo::queryTest(const QString& expression) const {
    const int a = area();
    if (!a) return false;
    SelectedArea selected(a);
    const bool ok = sx_QueryTest(utf8(expression).constData()) == 1;
    lastError_ = QString::fromStdString(sx_LastError());
    return ok;
}

int TApollo::queryRecCount() const {
    const int a = area();
    if (!a) return 0;
    SelectedArea selected(a);
    return sx_QueryRecCount();
}

QString TApollo::query() const {
    const int a = area();
    if (!a) return {};
    SelectedArea selected(a);
    return QString::fromStdString(sx_DBFilter());
}

// ---------------------------------------------------------------- scope

bool TApollo::setScope(const QString& top, const QString& bottom) {
    if (!prepareMove()) return false;
    bool ok;
    {
        SelectedArea selected(area());
        ok = sx_SetScope(utf8(top).constData(), utf8(bottom).constData());
        lastError_ = QString::fromStdString(sx_LastError());
    }
    scoped_ = ok;
    return ok;
}

void TApollo::clearScope() {
    scoped_ = false;
    const int a = area();
    if (!a) return;
    SelectedArea selected(a);
    sx_ClearScope();
}

// ---------------------------------------------------------------- maintenance

bool TApollo::pack() {
    if (!prepareMove()) return false;
    bool ok;
    {
        SelectedArea selected(area());
        GaugeScope gauge(progress_);
        ok = sx_Pack();
        lastError_ = QString::fromStdString(sx_LastError());
    }
    resync();
    return ok;
}

bool TApollo::zap() {
    if (!prepareMove()) return false;
    bool ok;
    {
        SelectedArea selected(area());
        GaugeScope gauge(progress_);
        ok = sx_Zap();
        lastError_ = QString::fromStdString(sx_LastError());
    }
    resync();
    return ok;
}

int TApollo::indexTag(const QString& tag, const QString& expression, bool unique, bool descending,
                      const QString& condition) {
    if (!prepareMove()) return 0;
    SelectedArea selected(area());
    GaugeScope gauge(progress_);
    const QByteArray cond = utf8(condition);
    const int order =
        sx_IndexTag(nullptr, utf8(tag).constData(), utf8(expression).constData(), unique ? 1 : 0,
                    descending, condition.isEmpty() ? nullptr : cond.constData());
    lastError_ = QString::fromStdString(sx_LastError());
    return order;
}

bool TApollo::reindex() {
    if (!prepareMove()) return false;
    bool ok;
    {
        SelectedArea selected(area());
        GaugeScope gauge(progress_);
        ok = sx_Reindex();
        lastError_ = QString::fromStdString(sx_LastError());
    }
    resync();
    return ok;
}

QString TApollo::indexName(int order) const {
    const int a = area();
    if (!a) return {};
    SelectedArea selected(a);
    return QString::fromStdString(sx_IndexName(order));
}

void TApollo::closeIndexes() {
    if (!prepareMove()) return;
    {
        SelectedArea selected(area());
        sx_CloseIndexes();
        lastError_ = QString::fromStdString(sx_LastError());
    }
    scoped_ = false;  // the scope belonged to an order that is gone
}

int TApollo::indexEmpty(const QString& file, const QString& expression, bool unique) {
    if (!prepareMove()) return 0;
    SelectedArea selected(area());
    const int order =
        sx_IndexEmpty(QFile::encodeName(file).constData(), utf8(expression).constData(), unique);
    lastError_ = QString::fromStdString(sx_LastError());
    return order;
}

bool TApollo::keyAdd(int order) {
    if (!prepareMove()) return false;
    SelectedArea selected(area());
    const bool ok = sx_KeyAdd(order);
    lastError_ = QString::fromStdString(sx_LastError());
    return ok;
}

bool TApollo::indexClose(int order, bool deleteFile) {
    if (!prepareMove()) return false;
    bool ok;
    QString path;
    {
        SelectedArea selected(area());
        path = QString::fromStdString(sx_IndexName(order));
        if (sx_IndexOrd() == order) scoped_ = false;
        ok = sx_IndexClose(order);
        lastError_ = QString::fromStdString(sx_LastError());
    }
    if (ok && deleteFile && !QFile::remove(path)) {
        lastError_ = QStringLiteral("Cannot delete ") + path;
        ok = false;
    }
    resync();
    return ok;
}

bool TApollo::indexStale() const {
    const int a = area();
    if (!a) return false;
    SelectedArea selected(a);
    return sx_IndexStale();
}

QString TApollo::indexFault(bool everyRecord) const {
    const int a = area();
    if (!a) return QStringLiteral("No table is open");
    SelectedArea selected(a);
    return QString::fromStdString(everyRecord ? sx_CheckIndex() : sx_CheckIndexSampled());
}

}  // namespace pc::data
