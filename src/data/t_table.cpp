#include "data/t_table.h"

#include <QSignalBlocker>

#include "data/data_error.h"
#include "data/selected_area.h"
#include "data/t_apollo_env.h"
#include "xbase/engine.h"

namespace pc::data {

namespace {

QString engineError() {
    return QString::fromStdString(sx_LastError());
}

QString withReason(const QString& message) {
    const QString why = engineError();
    return why.isEmpty() ? message : message + ": " + why;
}

DataError engineFailure(const QString& message) {
    return DataError(withReason(message), sx_LastErrorKind());
}

TFieldType typeOf(const std::string& engineType) {
    switch (engineType.empty() ? ' ' : engineType[0]) {
        case 'C':
            return TFieldType::String;
        case 'M':
            return TFieldType::Memo;
        case 'L':
            return TFieldType::Logical;
        case 'N':
        case 'F':
        case 'I':
        case 'B':
        case 'Y':
            return TFieldType::Number;
        case 'D':
            return TFieldType::Date;
        default:
            return TFieldType::Other;
    }
}

// The engine's value of a field of the current record, as the field object keeps it.
QString engineValue(const TField& f) {
    const QByteArray& name = f.engineName();
    switch (f.type()) {
        case TFieldType::Logical:
            if (sx_IsBlank(name.constData())) return {};
            return sx_GetLogical(name.constData()) ? QStringLiteral("T") : QStringLiteral("F");
        case TFieldType::Date:
            return QString::fromStdString(sx_GetDateString(name.constData()));
        case TFieldType::Number:
            return QString::fromStdString(sx_GetTrimString(name.constData())).trimmed();
        case TFieldType::Memo:
            return QString::fromStdString(sx_GetMemo(name.constData()));
        default:
            return QString::fromStdString(sx_GetTrimString(name.constData()));
    }
}

// A character field stores printable ASCII that fits byte for byte, so
// reading it back would give the same text.
bool storedVerbatim(const TField& f) {
    if (f.type() != TFieldType::String || f.text().size() > f.width()) return false;
    for (const QChar c : f.text())
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) return false;
    return true;
}

bool replaceValue(const TField& f, const QString& value) {
    return sx_Replace(f.engineName().constData(), value.toUtf8().constData());
}

}  // namespace

TTable::TTable(QObject* parent) : QObject(parent) {}

TTable::~TTable() {
    QSignalBlocker quiet(this);
    try {
        close();
    } catch (const DataError&) {
        // Nothing sensible to do while going away.
    }
}

void TTable::setFolder(const QString& folder) {
    folder_ = folder;
    if (!folder_.isEmpty() && !folder_.endsWith('/') && !folder_.endsWith('\\')) folder_ += '/';
}

void TTable::setFileName(const QString& fileName) {
    fileName_ = fileName;
}

void TTable::setOrderTagName(const QString& tag) {
    if (active()) {
        checkBrowseMode();
        SelectedArea selected(area_);
        int order = 0;
        if (!tag.isEmpty()) {
            order = sx_TagArea(tag.toUtf8().constData());
            if (order == 0) throw DataError("Index tag '" + tag + "' not found in " + path());
        }
        sx_SetOrder(order);
    }
    orderTagName_ = tag;
}

void TTable::setActive(bool active) {
    if (active)
        open();
    else
        close();
}

void TTable::open() {
    if (active()) return;
    if (!TApolloEnv::engineUsable()) throw DataError(TApolloEnv::versionMessage());
    if (fileName_.isEmpty()) throw DataError(QStringLiteral("No table file named"));
    const QByteArray file = path().toUtf8();
    const std::string alias = sx_DefaultAlias(file.constData());
    const int driver = driver_ ? driver_ : sx_DefaultDriver(file.constData());
    const int previous = sx_Select(0);
    area_ = sx_Use(file.constData(), alias.c_str(),
                   exclusive_ ? pc::xbase::kExclusive : pc::xbase::kShared, driver);
    const QString openError = engineError();
    const ErrorKind openErrorKind = sx_LastErrorKind();
    sx_Select(previous);
    if (area_ == 0) {
        throw DataError(
            "Cannot open " + path() + (openError.isEmpty() ? QString() : ": " + openError),
            openErrorKind);
    }
    try {
        SelectedArea selected(area_);
        if (fields_.empty()) {
            makeFieldsFromFile();
        } else {
            takeFieldsFromFile();
        }
        // An order tag the file lacks leaves physical order: the table still
        // opens, so an index can be rebuilt.
        int order = orderTagName_.isEmpty() ? 0 : sx_TagArea(orderTagName_.toUtf8().constData());
        sx_SetOrder(order);
        sx_GoTop();
    } catch (...) {
        {
            SelectedArea selected(area_);
            sx_Close();
        }
        area_ = 0;
        if (fieldsFromFile_) clearFields();
        throw;
    }
    state_ = TDataSetState::Browse;
    blankValues_.clear();
    readRecord();
    bof_ = true;
    eof_ = !positioned_;
    emit stateChanged();
    notify(nullptr);
}

void TTable::makeFieldsFromFile() {
    const int count = sx_FieldCount();
    for (int i = 1; i <= count; ++i) {
        auto f = std::make_unique<TField>(this, QString::fromStdString(sx_FieldName(i)),
                                          typeOf(sx_FieldType(i)), false);
        f->setWidth(sx_FieldWidth(i));
        fields_.push_back(std::move(f));
    }
    fieldsFromFile_ = true;
}

void TTable::takeFieldsFromFile() {
    for (auto& f : fields_) {
        if (f->calculated()) continue;
        const int n = sx_FieldNum(f->name().toUtf8().constData());
        if (n == 0) throw DataError("Field '" + f->name() + "' not found in " + path());
        f->type_ = typeOf(sx_FieldType(n));
        f->setWidth(sx_FieldWidth(n));
    }
}

void TTable::close() {
    if (!active()) return;
    if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) discardEdit();
    {
        SelectedArea selected(area_);
        sx_Close();
    }
    area_ = 0;
    positioned_ = false;
    eof_ = bof_ = true;
    state_ = TDataSetState::Inactive;
    if (fieldsFromFile_) {
        clearFields();
    } else {
        for (auto& f : fields_) f->load({});
    }
    emit stateChanged();
    notify(nullptr);
}

TField& TTable::addField(const QString& name, TFieldType type, bool calculated) {
    if (active()) throw DataError("Cannot define field '" + name + "' while the table is open");
    if (findField(name)) throw DataError("Field '" + name + "' is defined twice");
    if (fieldsFromFile_) {
        fields_.clear();
        fieldsFromFile_ = false;
    }
    fields_.push_back(std::make_unique<TField>(this, name, type, calculated));
    return *fields_.back();
}

void TTable::clearFields() {
    if (active()) throw DataError(QStringLiteral("Cannot drop the fields of an open table"));
    fields_.clear();
    fieldsFromFile_ = false;
}

TField* TTable::findField(const QString& name) const {
    for (const auto& f : fields_)
        if (f->name().compare(name, Qt::CaseInsensitive) == 0) return f.get();
    return nullptr;
}

TField& TTable::fieldByName(const QString& name) const {
    if (TField* f = findField(name)) return *f;
    throw DataError("Field '" + name + "' not found");
}

int TTable::recNo() const {
    if (!active()) return 0;
    SelectedArea selected(area_);
    return sx_RecNo();
}

void TTable::requireActive(const char* what) const {
    if (!active()) throw DataError(QStringLiteral("Cannot %1: the table is not open").arg(what));
}

// ---------------------------------------------------------------- moves

void TTable::first() {
    requireActive("move");
    checkBrowseMode();
    {
        SelectedArea selected(area_);
        sx_GoTop();
    }
    readRecord();
    bof_ = true;
    eof_ = !positioned_;
    notify(nullptr);
}

void TTable::last() {
    requireActive("move");
    checkBrowseMode();
    {
        SelectedArea selected(area_);
        sx_GoBottom();
    }
    readRecord();
    eof_ = true;
    bof_ = !positioned_;
    notify(nullptr);
}

void TTable::next() {
    requireActive("move");
    checkBrowseMode();
    bool hitEnd = false;
    {
        SelectedArea selected(area_);
        sx_Skip(1);
        if (sx_Eof()) {
            // Stay on the last record rather than on the blank one past it.
            hitEnd = true;
            sx_Skip(-1);
        }
    }
    readRecord();
    eof_ = hitEnd || !positioned_;
    bof_ = !positioned_;
    notify(nullptr);
}

void TTable::prior() {
    requireActive("move");
    checkBrowseMode();
    bool hitStart = false;
    {
        SelectedArea selected(area_);
        sx_Skip(-1);
        hitStart = sx_Bof();
    }
    readRecord();
    bof_ = hitStart || !positioned_;
    eof_ = !positioned_;
    notify(nullptr);
}

void TTable::resync() {
    if (!active()) return;
    if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) {
        // The engine moved under a held edit: write it to its own record,
        // then come back to where the engine went.
        const int target = recNo();
        post();
        SelectedArea selected(area_);
        if (sx_RecNo() != target) sx_Go(target);
    }
    readRecord();
    {
        SelectedArea selected(area_);
        bof_ = sx_Bof() || !positioned_;
    }
    eof_ = !positioned_;
    notify(nullptr);
}

bool TTable::engineOnRecord() const {
    SelectedArea selected(area_);
    const int recno = sx_RecNo();
    return !sx_Eof() && recno >= 1 && recno <= sx_RecCount();
}

void TTable::readRecord() {
    SelectedArea selected(area_);
    positioned_ = engineOnRecord();
    for (auto& f : fields_) {
        if (f->calculated()) continue;
        f->load(positioned_ ? engineValue(*f) : QString());
    }
    calculate();
}

void TTable::readFields(const std::vector<TField*>& fields) {
    SelectedArea selected(area_);
    positioned_ = engineOnRecord();
    if (!positioned_) {
        readRecord();
        return;
    }
    for (TField* f : fields) f->load(storedVerbatim(*f) ? f->text() : engineValue(*f));
    calculate();
}

void TTable::loadBlankRecord() {
    if (blankValues_.size() != fields_.size()) {
        readRecord();
        blankValues_.clear();
        for (const auto& f : fields_) blankValues_.push_back(f->text());
        return;
    }
    positioned_ = engineOnRecord();
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i]->calculated()) continue;
        fields_[i]->load(positioned_ ? blankValues_[i] : QString());
    }
    calculate();
}

void TTable::calculate() {
    for (auto& f : fields_)
        if (f->calculated()) f->load({});
    if (!calcHook_) return;
    calculating_ = true;
    try {
        calcHook_(*this);
    } catch (...) {
        calculating_ = false;
        throw;
    }
    calculating_ = false;
}

void TTable::refreshCalculatedFields() {
    calculate();
    notify(nullptr);
}

// ---------------------------------------------------------------- changes

void TTable::returnToEditedRecord() {
    if (sx_RecNo() != editRecno_) sx_Go(editRecno_);
}

void TTable::insert() {
    requireActive("add a record");
    checkBrowseMode();
    emit beforeInsert();
    {
        SelectedArea selected(area_);
        beforeInsert_ = positioned_ ? sx_RecNo() : 0;
        if (!sx_AppendBlank()) throw engineFailure("Cannot add a record to " + path());
        editRecno_ = sx_RecNo();
    }
    loadBlankRecord();
    bof_ = eof_ = false;
    setState(TDataSetState::Insert);
    notify(nullptr);
    emit afterInsert();
}

void TTable::edit() {
    requireActive("edit");
    if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) return;
    if (!positioned_) throw DataError(QStringLiteral("There is no current record to edit"));
    {
        SelectedArea selected(area_);
        editRecno_ = sx_RecNo();
        if (!sx_Rlock(editRecno_)) throw engineFailure("The record cannot be locked");
    }
    setState(TDataSetState::Edit);
    notify(nullptr);
    emit afterEdit();
}

void TTable::post() {
    if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert) return;
    std::vector<TField*> written;
    {
        SelectedArea selected(area_);
        returnToEditedRecord();
        for (const auto& f : fields_) {
            if (f->calculated() || !f->modified()) continue;
            if (!replaceValue(*f, f->text())) {
                const DataError failure =
                    engineFailure("Cannot store '" + f->text() + "' in field " + f->name());
                // Leave the record as it was; the edit stays open.
                for (const TField* w : written) replaceValue(*w, w->original());
                throw failure;
            }
            written.push_back(f.get());
        }
        if (!commitsDeferred_) {
            sx_Commit();
            if (!sx_LastError().empty()) throw engineFailure("Cannot save the record");
        }
        sx_Unlock(editRecno_);
    }
    setState(TDataSetState::Browse);
    // The other fields still hold what the engine has.
    readFields(written);
    bof_ = eof_ = false;
    notify(nullptr);
    emit afterPost();
}

void TTable::commit() {
    if (!active()) return;
    SelectedArea selected(area_);
    sx_Commit();
    if (!sx_LastError().empty()) throw engineFailure("Cannot save the records");
}

void TTable::discardEdit() {
    SelectedArea selected(area_);
    if (state_ == TDataSetState::Insert) {
        // The engine appended the record already: mark it deleted so no
        // empty record stays visible, then return to where we were.
        returnToEditedRecord();
        const int isdel = sx_FieldNum("ISDEL");
        if (isdel > 0 && sx_FieldType(isdel) == "L") sx_ReplaceLogical("ISDEL", true);
        sx_Delete();
        sx_Commit();
        if (beforeInsert_ > 0)
            sx_Go(beforeInsert_);
        else
            sx_GoTop();
    } else {
        sx_Unlock(editRecno_);
    }
    editRecno_ = 0;
    beforeInsert_ = 0;
    state_ = TDataSetState::Browse;
}

void TTable::cancel() {
    if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert) return;
    const bool wasInsert = state_ == TDataSetState::Insert;
    discardEdit();
    emit stateChanged();
    readRecord();
    if (wasInsert) {
        SelectedArea selected(area_);
        bof_ = sx_Bof() || !positioned_;
        eof_ = !positioned_;
    }
    notify(nullptr);
    emit afterCancel();
}

void TTable::deleteRecord() {
    requireActive("delete");
    if (state_ == TDataSetState::Insert) {
        cancel();
        return;
    }
    if (state_ == TDataSetState::Edit) cancel();
    if (!positioned_) throw DataError(QStringLiteral("There is no current record to delete"));
    {
        SelectedArea selected(area_);
        sx_Delete();
        sx_Commit();
        if (!sx_LastError().empty()) throw engineFailure("Cannot delete the record");
    }
    readRecord();
    notify(nullptr);
}

void TTable::checkBrowseMode() {
    if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) post();
}

QString TTable::engineText(const TField& field) const {
    if (!active()) return {};
    SelectedArea selected(area_);
    return engineValue(field);
}

// ---------------------------------------------------------------- notifications

void TTable::fieldChanged(TField* field) {
    calculate();
    notify(field);
}

void TTable::setState(TDataSetState state) {
    if (state_ == state) return;
    state_ = state;
    emit stateChanged();
}

void TTable::notify(TField* field) {
    if (disableCount_ == 0) emit dataChanged(field);
}

void TTable::disableControls() {
    ++disableCount_;
}

void TTable::enableControls() {
    if (disableCount_ == 0) return;
    if (--disableCount_ == 0) emit dataChanged(nullptr);
}

}  // namespace pc::data
