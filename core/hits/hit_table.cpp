#include "hits/hit_table.h"

#include <sqlite3.h>

namespace vantor {

namespace {

// Read in nearest-first order; rowid keeps equal depths in the order they were stored.
constexpr const char* kRowIdQuery = "select rowid from tblData0 order by dZ0 , rowid ;";
constexpr const char* kRowQuery =
    "select dZ0 ,dZ1 ,lWWWInline ,lTrans ,lNode ,lData0 ,lData1 ,lData2 from tblData0 "
    "where rowid = ?1 ;";

class Statement {
  public:
    Statement(sqlite3* db, const char* sql) {
        rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool Ok() const { return rc_ == SQLITE_OK; }
    sqlite3_stmt* Get() const { return stmt_; }

  private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_;
};

}  // namespace

bool operator==(const HitRecord& a, const HitRecord& b) {
    return a.dZ0 == b.dZ0 && a.dZ1 == b.dZ1 && a.lWWWInline == b.lWWWInline &&
           a.lTrans == b.lTrans && a.lNode == b.lNode && a.lData0 == b.lData0 &&
           a.lData1 == b.lData1 && a.lData2 == b.lData2;
}

HitTable::~HitTable() {
    Close();
}

bool HitTable::Fail(const std::string& what) {
    std::string message = what;
    if (db_) message += ": " + std::string(sqlite3_errmsg(db_));
    if (onError) onError(message);
    return false;
}

bool HitTable::Execute(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        if (onError) onError(message);
        return false;
    }
    return true;
}

bool HitTable::Open(const std::string& databasePath) {
    Close();
    // Never create the file: a missing working database is an installation fault.
    if (sqlite3_open_v2(databasePath.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        Fail("Cannot open " + databasePath);
        sqlite3_close(db_);
        db_ = nullptr;
        return false;
    }
    sqlite3_busy_timeout(db_, 2000);
    // The working database is a scratch copy made afresh at each start, so
    // durability is not worth a disk sync per stored hit.
    sqlite3_exec(db_, "pragma synchronous = off ; pragma journal_mode = memory ;", nullptr, nullptr,
                 nullptr);
    if (!LoadRowIds()) {
        Close();
        return false;
    }
    current_ = rowIds_.empty() ? -1 : 0;
    state = 0;
    return true;
}

void HitTable::Close() {
    if (!db_) return;
    if (inTransaction_) CommitTransaction();
    sqlite3_close(db_);
    db_ = nullptr;
    rowIds_.clear();
    current_ = -1;
}

bool HitTable::LoadRowIds() {
    if (!db_) return Fail("Hit table is not open");
    Statement query(db_, kRowIdQuery);
    if (!query.Ok()) return Fail("Cannot read tblData0");
    rowIds_.clear();
    int rc;
    while ((rc = sqlite3_step(query.Get())) == SQLITE_ROW)
        rowIds_.push_back(sqlite3_column_int64(query.Get(), 0));
    if (rc != SQLITE_DONE) return Fail("Cannot read tblData0");
    return true;
}

bool HitTable::CopyCurrentIntoValues() {
    if (current_ < 0 || current_ >= RowCount()) return true;  // no row: keep the values
    Statement query(db_, kRowQuery);
    if (!query.Ok()) return Fail("Cannot read tblData0");
    sqlite3_bind_int64(query.Get(), 1, rowIds_[size_t(current_)]);
    int rc = sqlite3_step(query.Get());
    if (rc == SQLITE_DONE) return true;  // row deleted behind our back: keep the values
    if (rc != SQLITE_ROW) return Fail("Cannot read tblData0");
    // A NULL column is a value whose status is not OK: it keeps the old value.
    auto column = [&](int i) { return sqlite3_column_type(query.Get(), i) != SQLITE_NULL; };
    sqlite3_stmt* s = query.Get();
    if (column(0)) values.dZ0 = sqlite3_column_double(s, 0);
    if (column(1)) values.dZ1 = sqlite3_column_double(s, 1);
    int32_t* integers[6] = {&values.lWWWInline, &values.lTrans, &values.lNode,
                            &values.lData0,     &values.lData1, &values.lData2};
    for (int i = 0; i < 6; ++i)
        if (column(2 + i)) *integers[i] = sqlite3_column_int(s, 2 + i);
    return true;
}

bool HitTable::AddRow() {
    if (!db_) return Fail("Hit table is not open");
    values = HitRecord();
    Statement insert(db_,
                     "insert into tblData0 (dZ0 ,dZ1 ,lWWWInline ,lTrans ,lNode ,lData0 ,lData1 "
                     ",lData2) values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8) ;");
    if (!insert.Ok()) return Fail("Cannot add a row to tblData0");
    sqlite3_stmt* s = insert.Get();
    sqlite3_bind_double(s, 1, values.dZ0);
    sqlite3_bind_double(s, 2, values.dZ1);
    const int32_t integers[6] = {values.lWWWInline, values.lTrans, values.lNode,
                                 values.lData0,     values.lData1, values.lData2};
    for (int i = 0; i < 6; ++i) sqlite3_bind_int(s, 3 + i, integers[i]);
    if (sqlite3_step(s) != SQLITE_DONE) return Fail("Cannot add a row to tblData0");
    rowIds_.push_back(sqlite3_last_insert_rowid(db_));
    current_ = RowCount() - 1;
    ++state;
    return true;
}

bool HitTable::UpdateRow() {
    if (!db_) return Fail("Hit table is not open");
    if (current_ < 0 || current_ >= RowCount()) return Fail("No current row in tblData0");
    Statement update(db_,
                     "update tblData0 set dZ0 = ?1, dZ1 = ?2, lWWWInline = ?3, lTrans = ?4, "
                     "lNode = ?5, lData0 = ?6, lData1 = ?7, lData2 = ?8 where rowid = ?9 ;");
    if (!update.Ok()) return Fail("Cannot update tblData0");
    sqlite3_stmt* s = update.Get();
    sqlite3_bind_double(s, 1, values.dZ0);
    sqlite3_bind_double(s, 2, values.dZ1);
    const int32_t integers[6] = {values.lWWWInline, values.lTrans, values.lNode,
                                 values.lData0,     values.lData1, values.lData2};
    for (int i = 0; i < 6; ++i) sqlite3_bind_int(s, 3 + i, integers[i]);
    sqlite3_bind_int64(s, 9, rowIds_[size_t(current_)]);
    if (sqlite3_step(s) != SQLITE_DONE) return Fail("Cannot update tblData0");
    return true;
}

bool HitTable::DeleteAll() {
    if (!db_) return Fail("Hit table is not open");
    if (!Execute("delete from tblData0 ;")) return false;
    rowIds_.clear();
    current_ = -1;
    state = 0;
    return true;
}

bool HitTable::Requery() {
    if (!LoadRowIds()) return false;
    current_ = rowIds_.empty() ? -1 : 0;
    state = RowCount();
    return CopyCurrentIntoValues();
}

bool HitTable::MoveNext() {
    if (!db_) return Fail("Hit table is not open");
    if (current_ + 1 >= RowCount()) {
        if (onEndReached) onEndReached(kLastDataText);
        CopyCurrentIntoValues();
        return false;
    }
    ++current_;
    return CopyCurrentIntoValues();
}

bool HitTable::MovePrevious() {
    if (!db_) return Fail("Hit table is not open");
    if (current_ <= 0) {
        if (onEndReached) onEndReached(kFirstDataText);
        CopyCurrentIntoValues();
        return false;
    }
    --current_;
    return CopyCurrentIntoValues();
}

bool HitTable::MoveFirst() {
    if (!db_) return Fail("Hit table is not open");
    if (rowIds_.empty()) return true;
    current_ = 0;
    return CopyCurrentIntoValues();
}

bool HitTable::MoveLast() {
    if (!db_) return Fail("Hit table is not open");
    if (rowIds_.empty()) return true;
    current_ = RowCount() - 1;
    return CopyCurrentIntoValues();
}

bool HitTable::BeginTransaction() {
    if (!db_) return Fail("Hit table is not open");
    if (inTransaction_) return false;
    if (!Execute("begin transaction ;")) return false;
    inTransaction_ = true;
    return true;
}

bool HitTable::CommitTransaction() {
    if (!db_ || !inTransaction_) return false;
    inTransaction_ = false;
    return Execute("commit ;");
}

bool HitTable::StorePick(const std::vector<HitRecord>& rows) {
    bool stored = DeleteAll() && BeginTransaction();
    for (size_t i = 0; stored && i < rows.size(); ++i) {
        stored = AddRow();
        if (stored) {
            values = rows[i];
            stored = UpdateRow();
        }
    }
    stored = stored && CommitTransaction() && Requery();
    if (!stored) AbandonPick();
    return stored;
}

void HitTable::AbandonPick() {
    // Silent: the fault that led here has been reported already.
    // A failed commit leaves the transaction open, so ask SQLite rather than the flag.
    if (db_ && !sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "rollback ;", nullptr, nullptr, nullptr);
    inTransaction_ = false;
    rowIds_.clear();
    current_ = -1;
    state = 0;
    values = HitRecord();
}

bool HitTable::CreateSchema(const std::string& databasePath, const std::string& schemaSql,
                            std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databasePath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : "cannot open";
        sqlite3_close(db);
        return false;
    }
    char* message = nullptr;
    bool ok = sqlite3_exec(db, schemaSql.c_str(), nullptr, nullptr, &message) == SQLITE_OK;
    if (!ok) error = message ? message : "unknown error";
    sqlite3_free(message);
    sqlite3_close(db);
    return ok;
}

}  // namespace vantor
