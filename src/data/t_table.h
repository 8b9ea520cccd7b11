#pragma once
// The table object: one table of the engine opened in its own work area,
// with field objects, the current record, edits held until post, change
// events and a calculate-fields hook. Failures throw DataError.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "data/t_field.h"

namespace pc::data {

enum class TDataSetState { Inactive, Browse, Edit, Insert };

class TTable : public QObject {
    Q_OBJECT

  public:
    explicit TTable(QObject* parent = nullptr);
    ~TTable() override;

    // --- where and how the table opens ---
    const QString& folder() const { return folder_; }
    void setFolder(const QString& folder);  // kept with a trailing "/"
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& fileName);
    QString path() const { return folder_ + fileName_; }
    // The order the table opens in; while open, setting it selects that
    // order ("" is physical order). An unknown tag throws DataError while
    // open, and leaves physical order when the table opens.
    const QString& orderTagName() const { return orderTagName_; }
    void setOrderTagName(const QString& tag);
    bool exclusive() const { return exclusive_; }
    void setExclusive(bool exclusive) { exclusive_ = exclusive; }
    // Engine driver; 0 lets the file decide.
    int driver() const { return driver_; }
    void setDriver(int driver) { driver_ = driver; }

    bool active() const { return state_ != TDataSetState::Inactive; }
    void setActive(bool active);
    // Opens in the engine under the default alias. When field objects were
    // defined beforehand, each stored one must exist in the file and takes
    // its width from it; otherwise field objects are made from the file and
    // dropped again on close.
    void open();
    // Discards an edit in progress.
    void close();
    // The engine work area, 0 while closed.
    int workArea() const { return area_; }

    // --- field objects ---
    // Defines a field object; only while closed.
    TField& addField(const QString& name, TFieldType type, bool calculated = false);
    void clearFields();
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    TField& field(int index) const { return *fields_.at(index); }
    TField* findField(const QString& name) const;    // any letter case; null when absent
    TField& fieldByName(const QString& name) const;  // throws DataError when absent

    // --- current record and moves ---
    TDataSetState state() const { return state_; }
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // Whether the engine rests on a record (not at the end of file).
    bool hasCurrentRecord() const { return positioned_; }
    int recNo() const;  // the engine's record number (record count + 1 at the end)

    // Moves post an edit in progress first. next() on the last record and
    // prior() on the first stay there and set eof() / bof().
    void first();
    void last();
    void next();
    void prior();

    // --- changes ---
    // Appends a blank record in the engine and enters insert state.
    void insert();
    void edit();
    // Writes the held changes to the record and commits them.
    void post();
    // Discards the held changes. Cancelling an insert marks the appended
    // blank record deleted (deletion mark and ISDEL when the table has it)
    // and returns to the record that was current before.
    void cancel();
    // Marks the current record deleted in the engine; the record stays
    // current, callers move on. An insert in progress is cancelled instead;
    // an edit in progress is cancelled first.
    void deleteRecord();
    // Posts an edit in progress, if any.
    void checkBrowseMode();
    // Bulk appends (imports): while deferred, post() writes the record but
    // leaves pushing it to the disk to commit(), which the caller calls
    // every so often and at the end; one disk sync per record would make a
    // large import take hours.
    void setCommitsDeferred(bool deferred) { commitsDeferred_ = deferred; }
    bool commitsDeferred() const { return commitsDeferred_; }
    void commit();
    // The engine's value of a stored field for the record the engine rests
    // on, read without moving or refreshing the table object.
    QString engineText(const TField& field) const;

    // --- controls and refresh ---
    // While disabled (nesting), dataChanged is not raised; enabling the last
    // level raises it once.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disableCount_ > 0; }
    // Reads the engine's current record again after the engine moved.
    void resync();
    // Computes the calculated fields again (after a setting they use changed).
    void refreshCalculatedFields();
    void setCalcFieldsHook(std::function<void(TTable&)> hook) { calcHook_ = std::move(hook); }
    bool calculating() const { return calculating_; }

  signals:
    void beforeInsert();
    void afterInsert();
    void afterEdit();
    void afterPost();
    void afterCancel();
    void stateChanged();
    // A record-level change (field null) or one field's change.
    void dataChanged(pc::data::TField* field);

  private:
    friend class TField;
    void fieldChanged(TField* field);
    void setState(TDataSetState state);
    void notify(TField* field);
    void makeFieldsFromFile();
    void takeFieldsFromFile();
    bool engineOnRecord() const;
    void readRecord();  // engine's current record into the fields, then calculate
    void readFields(const std::vector<TField*>& fields);  // only these, then calculate
    void loadBlankRecord();  // a just appended record, read from the engine once per opening
    void calculate();
    void requireActive(const char* what) const;
    void returnToEditedRecord();
    void discardEdit();  // leaves edit or insert state without events

    QString folder_, fileName_, orderTagName_;
    bool exclusive_ = false;
    int driver_ = 0;
    int area_ = 0;
    TDataSetState state_ = TDataSetState::Inactive;
    std::vector<std::unique_ptr<TField>> fields_;
    bool fieldsFromFile_ = false;  // made at open, dropped at close
    bool eof_ = true, bof_ = true, positioned_ = false;
    int editRecno_ = 0;     // the record being edited or inserted
    int beforeInsert_ = 0;  // the record current before an insert, 0 for none
    int disableCount_ = 0;
    bool calculating_ = false;
    bool commitsDeferred_ = false;
    std::function<void(TTable&)> calcHook_;
    std::vector<QString> blankValues_;  // stored fields of a new record, by position
};

}  // namespace pc::data
