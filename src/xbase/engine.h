#pragma once
// The engine's call interface: numbered work areas and sx_ calls, as the table
// layer above uses them. Every call acts on the selected work area. Failures
// come back as return values (0, false, ""); sx_LastError() tells why.
// Strings in and out are UTF-8; field values come back without trailing blanks.
#include <string>
#include <vector>

#include "xbase/codepage.h"
#include "xbase/error.h"
#include "xbase/progress.h"

namespace pc::xbase {

// Open modes and drivers of sx_Use / sx_CreateNew.
enum : int { kShared = 0, kReadOnly = 1, kExclusive = 2 };
enum : int { kDriverNone = 0, kDriverNtx = 1, kDriverCdx = 2, kDriverNsx = 3 };

}  // namespace pc::xbase

// Set-up
void sx_SetStringType(int type);  // accepted for compatibility; strings are always std::string
int sx_ErrorLevel(int level);     // returns the previous level; errors are return values at 0
std::string sx_Version();
const std::string& sx_LastError();        // message of the last failure, "" after a success
pc::xbase::ErrorKind sx_LastErrorKind();  // kind of the last failure, Other after a success

// Open, close, select. sx_Use returns the work area (1..250), 0 on failure.
// A driver of 0 lets the file decide (see sx_DefaultDriver).
int sx_Use(const char* path, const char* alias, int mode, int driver);
int sx_Select(int area);             // returns the previously selected area
int sx_WorkArea(const char* alias);  // 0 when no area has that alias
std::string sx_Alias(int area = 0);
void sx_Close();  // closes the selected area
void sx_CloseAll();
// The alias rules for a table file: base name cut to 8 characters, "~", "-"
// and blank made "_", "_1", "_2", ... appended while an alias is in use.
std::string sx_DefaultAlias(const char* path);
// Driver by the table's first byte and the index files beside it.
int sx_DefaultDriver(const char* path);

// Create: sx_CreateNew, then sx_CreateField for each field in order, then
// sx_CreateExec, which creates the files and opens the table exclusively in
// the work area that sx_CreateNew returned.
int sx_CreateNew(const char* path, const char* alias, int driver, int fieldCount);
bool sx_CreateField(const char* name, const char* type, int width, int decimals);
int sx_CreateExec();

// Moves honour the order, the query and the deleted filter.
void sx_GoTop();
void sx_GoBottom();
void sx_Skip(int count);
void sx_Go(int recno);
int sx_RecNo();     // record count + 1 at the end of file
int sx_RecCount();  // all records, deletion-marked ones included
bool sx_Bof();
bool sx_Eof();

// Fields
int sx_FieldCount();
std::string sx_FieldName(int index);  // 1-based
std::string sx_FieldType(int index);  // "C", "N", ...
int sx_FieldWidth(int index);
int sx_FieldDecimals(int index);
int sx_FieldNum(const char* name);  // 0 when absent
std::string sx_GetTrimString(const char* field);
std::string sx_GetString(const char* field);  // padded as stored
bool sx_GetLogical(const char* field);
double sx_GetDouble(const char* field);
bool sx_IsBlank(const char* field);
std::string sx_GetMemo(const char* field);
std::string sx_GetDateString(const char* field);  // "YYYYMMDD" or ""
// Assigns a value given as text, by the field's type (memo fields too).
// false when the text does not suit the field.
bool sx_Replace(const char* field, const char* value);
// The characters of UTF-8 text the selected table's code page cannot hold
// (sx_Replace would store them as "?"), each once, and how many in all;
// empty when all fit.
pc::xbase::UnstorableText sx_Unstorable(const char* value);
bool sx_ReplaceLogical(const char* field, bool value);
bool sx_AppendBlank();
// Takes back the record sx_AppendBlank made while it is not yet written (a
// fill that failed half-way); the area goes to the end of file.
void sx_DiscardAppend();
bool sx_Rlock(int recno);
void sx_Unlock(int recno);
void sx_Commit();

// Delete
void sx_Delete();
void sx_Recall();
bool sx_Deleted();
bool sx_SetDeleted(bool on);  // returns the previous setting
bool sx_Pack();
bool sx_Zap();

// Orders. A null or empty file means the table's structural .CDX (created
// when missing). option: 0 standard, 1 unique. Returns the new order number,
// 0 on failure.
int sx_IndexTag(const char* file, const char* tag, const char* expression, int option,
                bool descending, const char* condition);
int sx_TagArea(const char* tag);  // order number, 0 for a missing tag
int sx_SetOrder(int order);       // 0 = physical; returns the previous order
int sx_IndexOrd();
int sx_TagCount();
std::string sx_TagName(int order);
std::string sx_IndexKey(int order);
std::string sx_IndexFor(int order);
bool sx_IndexDescending(int order);
bool sx_IndexUnique(int order);
std::string sx_IndexName(int order);  // the index file's path
void sx_CloseIndexes();               // single-order index files too
// Single-order index files (.IDX), numbered after the structural index's
// tags. sx_IndexEmpty creates one that holds no keys (option 1: unique) and
// sx_KeyAdd adds the current record's key to it; both it and sx_IndexOpen
// return the new order number, 0 on failure. sx_IndexClose writes and closes
// one (the orders after it move down a number); deleting the file is the
// caller's business.
int sx_IndexEmpty(const char* file, const char* expression, int option);
int sx_IndexOpen(const char* file);
bool sx_KeyAdd(int order);
bool sx_IndexClose(int order);
bool sx_Reindex();
// True when the table's structural index was found not to match the table
// on open (it is then left closed, so its tags read as missing).
bool sx_IndexStale();
// Checks the structural index of the selected table through and through
// (structure, and every tag's keys against every record): "" when sound,
// else what is wrong.
std::string sx_CheckIndex();
// The same, with the keys of a few hundred records spread over the table
// standing for all of them: quick enough for every open.
std::string sx_CheckIndexSampled();

// Seek on the current order
bool sx_Seek(const char* key);
bool sx_Found();
bool sx_SetExact(bool on);     // returns the previous setting
bool sx_SetSoftSeek(bool on);  // returns the previous setting

// Scope: ordered moves keep to keys from top to bottom of the current order
// (prefix comparison; null or "" leaves that end open). A change of order
// clears it.
bool sx_SetScope(const char* top, const char* bottom);
void sx_ClearScope();

// Query
bool sx_Query(const char* expression);  // "" clears it
int sx_QueryRecCount();
int sx_QueryTest(const char* expression);  // 1 valid logical expression, 0 not
std::string sx_DBFilter();

// Progress of pack, zap, reindex and tag creation in percent; an empty
// function switches the reports off.
void sx_SetGaugeHook(pc::xbase::ProgressFn hook);

// Settings
bool sx_SetCentury(bool on);
void sx_SetDateFormat(int format);  // 0 American MM/DD/YY, 1 ANSI YY.MM.DD, 2 British DD/MM/YY, ...
int sx_SetLockTimeout(int seconds);
int sx_SetMemoBlockSize(int bytes);
