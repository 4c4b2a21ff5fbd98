#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "hits/hit_table.h"
#include "support/scratch_folder.h"

namespace fs = std::filesystem;
using vantor::HitRecord;
using vantor::HitTable;

namespace {

std::string Schema() {
    return vantor::testing::ReadText(VANTOR_SOURCE_DIR "/data/hit_table.sql");
}

class HitTableTest : public testing::Test {
  protected:
    void SetUp() override {
        path_ = folder_ / "korvalde.db";
        std::string error;
        ASSERT_TRUE(HitTable::CreateSchema(path_, Schema(), error)) << error;
        table_.onEndReached = [this](const std::string& text) { endTexts_.push_back(text); };
        table_.onError = [this](const std::string& text) { errors_.push_back(text); };
        ASSERT_TRUE(table_.Open(path_));
    }
    void TearDown() override { table_.Close(); }

    // Stores one hit the way a pick does: add, fill, update.
    void Store(double nearest, int32_t row, int32_t element = 0) {
        ASSERT_TRUE(table_.AddRow());
        table_.values.dZ0 = nearest;
        table_.values.dZ1 = nearest + 0.01;
        table_.values.lData0 = row;
        table_.values.lData1 = element;
        ASSERT_TRUE(table_.UpdateRow());
    }

    vantor::testing::ScratchFolder folder_;
    std::string path_;
    HitTable table_;
    std::vector<std::string> endTexts_;
    std::vector<std::string> errors_;
};

TEST_F(HitTableTest, AddRowStartsFromThePlaceholders) {
    EXPECT_EQ(table_.state, 0);
    table_.values.lData0 = 1234;
    ASSERT_TRUE(table_.AddRow());
    EXPECT_EQ(table_.state, 1);
    const HitRecord placeholders;
    EXPECT_EQ(table_.values, placeholders);
    EXPECT_DOUBLE_EQ(table_.values.dZ0, 99.99);
    EXPECT_DOUBLE_EQ(table_.values.dZ1, -99.99);
    EXPECT_EQ(table_.values.lWWWInline, 9991);
    EXPECT_EQ(table_.values.lData2, 9996);

    // Without UpdateRow the stored row keeps the placeholders.
    ASSERT_TRUE(table_.Requery());
    EXPECT_EQ(table_.values, placeholders);
}

TEST_F(HitTableTest, RequerySortsNearestFirstAndCounts) {
    {
        vantor::HitTableTransaction pick(table_);
        Store(0.7, 70);
        Store(0.2, 20);
        Store(1.5, 150);
        Store(0.4, 40);
    }
    EXPECT_EQ(table_.state, 4);
    ASSERT_TRUE(table_.Requery());
    EXPECT_EQ(table_.state, 4);
    EXPECT_EQ(table_.CurrentIndex(), 0);
    std::vector<int32_t> order{table_.values.lData0};
    while (table_.MoveNext()) order.push_back(table_.values.lData0);
    EXPECT_EQ(order, (std::vector<int32_t>{20, 40, 70, 150}));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(HitTableTest, WalkStopsAtBothEndsWithTheStatusTexts) {
    Store(0.3, 3);
    Store(0.1, 1);
    Store(0.2, 2);
    ASSERT_TRUE(table_.Requery());

    // Past the last row: the message, and the values still describe the last row.
    ASSERT_TRUE(table_.MoveLast());
    EXPECT_EQ(table_.values.lData0, 3);
    EXPECT_FALSE(table_.MoveNext());
    ASSERT_EQ(endTexts_.size(), 1u);
    EXPECT_EQ(endTexts_[0], "最後のデータです。");
    EXPECT_EQ(table_.values.lData0, 3);
    // The walk goes on from where it stopped.
    ASSERT_TRUE(table_.MovePrevious());
    EXPECT_EQ(table_.values.lData0, 2);

    ASSERT_TRUE(table_.MoveFirst());
    EXPECT_EQ(table_.values.lData0, 1);
    EXPECT_FALSE(table_.MovePrevious());
    ASSERT_EQ(endTexts_.size(), 2u);
    EXPECT_EQ(endTexts_[1], "最初のデータです。");
    EXPECT_EQ(table_.values.lData0, 1);
    ASSERT_TRUE(table_.MoveNext());
    EXPECT_EQ(table_.values.lData0, 2);
}

TEST_F(HitTableTest, UpdateRowChangesOnlyTheCurrentRow) {
    Store(0.5, 5);
    Store(0.6, 6);
    ASSERT_TRUE(table_.Requery());
    ASSERT_TRUE(table_.MoveNext());
    table_.values.lData2 = 6;  // the face of the second hit
    table_.values.lNode = 60;
    ASSERT_TRUE(table_.UpdateRow());

    ASSERT_TRUE(table_.Requery());
    EXPECT_EQ(table_.values.lData0, 5);
    EXPECT_EQ(table_.values.lData2, 9996);
    ASSERT_TRUE(table_.MoveNext());
    EXPECT_EQ(table_.values.lData0, 6);
    EXPECT_EQ(table_.values.lData2, 6);
    EXPECT_EQ(table_.values.lNode, 60);
}

TEST_F(HitTableTest, DeleteAllEmptiesTableAndKeepsValues) {
    Store(0.5, 5);
    Store(0.6, 6);
    ASSERT_TRUE(table_.Requery());
    const HitRecord before = table_.values;
    ASSERT_TRUE(table_.DeleteAll());
    EXPECT_EQ(table_.state, 0);
    EXPECT_EQ(table_.RowCount(), 0);
    ASSERT_TRUE(table_.Requery());
    EXPECT_EQ(table_.state, 0);
    EXPECT_EQ(table_.values, before) << "an empty table has no row to copy";

    // Moves on an empty table: the end messages, no errors, no crash.
    EXPECT_TRUE(table_.MoveFirst());
    EXPECT_TRUE(table_.MoveLast());
    EXPECT_FALSE(table_.MoveNext());
    EXPECT_FALSE(table_.MovePrevious());
    EXPECT_EQ(endTexts_.size(), 2u);
    EXPECT_TRUE(errors_.empty());

    // UpdateRow without a current row is an error, reported and survived.
    EXPECT_FALSE(table_.UpdateRow());
    EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(HitTableTest, RowsSurviveReopenAndAddedRowsComeLastUntilRequery) {
    Store(0.9, 9);
    table_.Close();
    ASSERT_TRUE(table_.Open(path_));
    EXPECT_EQ(table_.state, 0) << "state is 0 after opening, whatever the table holds";
    EXPECT_EQ(table_.RowCount(), 1);

    // A nearer row added later sits at the end of the recordset until Requery.
    Store(0.1, 1);
    EXPECT_EQ(table_.CurrentIndex(), 1);
    ASSERT_TRUE(table_.MoveFirst());
    EXPECT_EQ(table_.values.lData0, 9);
    ASSERT_TRUE(table_.Requery());
    EXPECT_EQ(table_.values.lData0, 1);
}

TEST_F(HitTableTest, EqualDepthsKeepTheirStoringOrder) {
    Store(0.5, 1);
    Store(0.5, 2);
    Store(0.5, 3);
    ASSERT_TRUE(table_.Requery());
    std::vector<int32_t> order{table_.values.lData0};
    while (table_.MoveNext()) order.push_back(table_.values.lData0);
    EXPECT_EQ(order, (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(HitTableTest, ErrorsAreReportedNotThrown) {
    HitTable closed;
    std::vector<std::string> errors;
    closed.onError = [&](const std::string& text) { errors.push_back(text); };
    EXPECT_FALSE(closed.AddRow());
    EXPECT_FALSE(closed.Requery());
    EXPECT_FALSE(closed.DeleteAll());
    EXPECT_EQ(errors.size(), 3u);

    // A missing file is not created; a file without the table is refused.
    errors.clear();
    EXPECT_FALSE(closed.Open(folder_ / "missing.db"));
    EXPECT_FALSE(fs::exists(folder_ / "missing.db"));
    std::string error;
    ASSERT_TRUE(HitTable::CreateSchema(folder_ / "other.db", "create table t (a);", error));
    EXPECT_FALSE(closed.Open(folder_ / "other.db"));
    EXPECT_FALSE(closed.IsOpen());
    EXPECT_EQ(errors.size(), 2u);
}

TEST_F(HitTableTest, ATransactionHoldsAWholePick) {
    // Inside one transaction thousands of rows take milliseconds; this only
    // checks that the rows are all there and committed for another reader.
    {
        vantor::HitTableTransaction pick(table_);
        for (int i = 0; i < 2500; ++i) Store(2.0 - i * 0.0005, i);
    }
    HitTable reader;
    ASSERT_TRUE(reader.Open(path_));
    ASSERT_TRUE(reader.Requery());
    EXPECT_EQ(reader.state, 2500);
    EXPECT_EQ(reader.values.lData0, 2499);
}

}  // namespace
