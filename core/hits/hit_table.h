#pragma once
// The selection list: one row per pick hit in the table tblData0 of an SQLite
// database, read back nearest first. The program reads and writes the eight
// values of the current row through `values`, like a bound record.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "prompt/translate.h"

struct sqlite3;

namespace vantor {

// One row of tblData0.
struct HitRecord {
    double dZ0 = 99.99;         // nearest depth of the hit, 0..2
    double dZ1 = -99.99;        // farthest depth of the hit
    int32_t lWWWInline = 9991;  // row of the innermost file or inline group
    int32_t lTrans = 9992;      // running number of the file group in the pick walk
    int32_t lNode = 9993;       // kind of the picked row (negated value below 1)
    int32_t lData0 = 9994;      // the picked row
    int32_t lData1 = 9995;      // element index within the node
    int32_t lData2 = 9996;      // sub-item (vertex, edge, face, segment part)
};

bool operator==(const HitRecord& a, const HitRecord& b);

class HitTable {
  public:
    HitTable() = default;
    ~HitTable();
    HitTable(const HitTable&) = delete;
    HitTable& operator=(const HitTable&) = delete;

    // Opens the database and reads its rows nearest first; `state` becomes 0.
    bool Open(const std::string& databasePath);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // Appends a row holding the placeholders and makes it current.
    bool AddRow();
    // Stores `values` into the current row.
    bool UpdateRow();
    // Empties the table; `state` becomes 0.
    bool DeleteAll();
    // Reads the rows again sorted by dZ0; the nearest becomes current and
    // `state` the row count.
    bool Requery();

    // Walking the rows. Moving past either end stays on the end row, reports
    // through onEndReached and returns false.
    bool MoveNext();
    bool MovePrevious();
    bool MoveFirst();
    bool MoveLast();

    // A pick stores all its rows in one transaction (one per row is ~1000x slower).
    bool BeginTransaction();
    bool CommitTransaction();

    // Replaces the rows with those of one pick and reads them back nearest
    // first. The first database fault is reported once and ends the store:
    // nothing of it is kept and the recordset is left empty, so an old pick
    // is never shown as the new one.
    bool StorePick(const std::vector<HitRecord>& rows);

    // Rows of the recordset (after Requery equal to `state`).
    int32_t RowCount() const { return int32_t(rowIds_.size()); }
    // Position of the current row, -1 when there is none.
    int32_t CurrentIndex() const { return current_; }

    // Creates tblData0 in a database file (the build makes the template with it).
    static bool CreateSchema(const std::string& databasePath, const std::string& schemaSql,
                             std::string& error);

    HitRecord values;   // the copy of the current row the program reads and writes
    int32_t state = 0;  // 0 after opening, else the row count

    // Called with "最後のデータです。" or "最初のデータです。" when a move hits an end.
    std::function<void(const std::string&)> onEndReached;
    // Called with the SQLite message when a database call fails.
    std::function<void(const std::string&)> onError;

  private:
    bool Execute(const char* sql);
    bool LoadRowIds();
    bool CopyCurrentIntoValues();
    bool Fail(const std::string& what);
    void AbandonPick();

    sqlite3* db_ = nullptr;
    std::vector<int64_t> rowIds_;  // the recordset: row ids in query order, added rows last
    int32_t current_ = -1;
    bool inTransaction_ = false;
};

// Opens a transaction for its lifetime (committed on destruction).
class HitTableTransaction {
  public:
    explicit HitTableTransaction(HitTable& table) : table_(table) {
        active_ = table_.BeginTransaction();
    }
    ~HitTableTransaction() {
        if (active_) table_.CommitTransaction();
    }
    HitTableTransaction(const HitTableTransaction&) = delete;
    HitTableTransaction& operator=(const HitTableTransaction&) = delete;

  private:
    HitTable& table_;
    bool active_;
};

// The status texts of the ends of the walk.
inline constexpr const char* kLastDataText = VANTOR_TRANSLATE_NOOP("Core", "最後のデータです。");
inline constexpr const char* kFirstDataText = VANTOR_TRANSLATE_NOOP("Core", "最初のデータです。");

}  // namespace vantor
