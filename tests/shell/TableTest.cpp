#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ErrorState.h"
#include "shell/FixedText.h"
#include "shell/Table.h"

namespace glyphlog {
namespace {

struct Row {
  FixedText<10> name;
  FixedText<10> note;
  std::string_view Key() const { return name.View(); }
};

// Appends one row per key, each with a note that tells the rows apart.
void Fill(Table<Row>& table, const std::vector<std::string>& keys) {
  for (const auto& key : keys) {
    table.record.name = key;
    table.record.note = "n-" + key;
    table.Append();
  }
}

std::vector<std::string> KeysInOrder(Table<Row>& table) {
  std::vector<std::string> keys;
  for (std::int32_t position = 1; position <= table.RowCount(); ++position) {
    table.FetchAt(position);
    keys.push_back(table.record.name.Str());
  }
  return keys;
}

// Looks `key` up and returns the found row's note, or "-" when the lookup fails.
std::string NoteFor(Table<Row>& table, std::string_view key) {
  table.record.name = key;
  table.FetchByKey();
  return ErrorCode() == kNoError ? table.record.note.Str() : "-";
}

void ExpectEntryNotFound() {
  EXPECT_EQ(ErrorCode(), kEntryNotFound);
  EXPECT_EQ(ErrorText(), "Entry Not Found");
}

TEST(Table, UnusedTableIsEmpty) {
  Table<Row> table;
  EXPECT_EQ(table.RowCount(), 0);
  table.FetchAt(1);
  ExpectEntryNotFound();
}

TEST(Table, FetchAtOutsideTheRowsFailsAndKeepsTheRecord) {
  Table<Row> table;
  Fill(table, {"a", "b"});
  for (const std::int32_t position : {0, -1, 3, INT32_MIN}) {
    SCOPED_TRACE(position);
    table.record.name = "mine";
    table.record.note = "kept";
    table.FetchAt(position);
    ExpectEntryNotFound();
    EXPECT_EQ(table.record.name, "mine");
    EXPECT_EQ(table.record.note, "kept");
  }
}

TEST(Table, FetchByKeyComparesCaseButNotTrailingBlanks) {
  Table<Row> table;
  Fill(table, {"c:\\x.ico", "abc"});
  struct Lookup {
    std::string_view key;
    std::string_view note;
  };
  const Lookup lookups[] = {
      {"abc", "n-abc"},   {"abc   ", "n-abc"}, {"ABC", "-"}, {"Abc", "-"},
      {"C:\\X.ICO", "-"}, {" abc", "-"},       {"ab", "-"},  {"c:\\x.ico", "n-c:\\x.ico"},
  };
  for (const auto& [key, note] : lookups) {
    SCOPED_TRACE(key);
    EXPECT_EQ(NoteFor(table, key), note);
    if (note == "-") ExpectEntryNotFound();
  }
}

TEST(Table, FailedFetchByKeyKeepsThePreparedRecord) {
  Table<Row> table;
  Fill(table, {"a"});
  table.record.name = "new";
  table.record.note = "prepared";
  table.FetchByKey();
  ExpectEntryNotFound();
  EXPECT_EQ(table.record.name, "new");
  EXPECT_EQ(table.record.note, "prepared");
}

TEST(Table, SortOrdersByByteValueAndAppendGoesToTheEnd) {
  Table<Row> table;
  Fill(table, {"b", "B", "a", "\\", "Z"});
  ASSERT_EQ(NoteFor(table, "a"), "n-a");  // the lookup index exists before the rows move
  table.Sort();
  EXPECT_EQ(ErrorCode(), kNoError);
  EXPECT_EQ(KeysInOrder(table), (std::vector<std::string>{"B", "Z", "\\", "a", "b"}));
  Fill(table, {"A"});
  EXPECT_EQ(KeysInOrder(table), (std::vector<std::string>{"B", "Z", "\\", "a", "b", "A"}));
  EXPECT_EQ(NoteFor(table, "A"), "n-A");
  EXPECT_EQ(NoteFor(table, "b"), "n-b");
}

TEST(Table, StoreBackAfterFetchByKeyChangesThatRowInPlace) {
  Table<Row> table;
  Fill(table, {"c", "a", "b"});
  table.record.name = "a";
  table.FetchByKey();
  table.record.note = "changed";
  table.StoreBack();
  EXPECT_EQ(ErrorCode(), kNoError);
  EXPECT_EQ(table.RowCount(), 3);
  EXPECT_EQ(KeysInOrder(table), (std::vector<std::string>{"c", "a", "b"}));
  table.FetchAt(2);
  EXPECT_EQ(table.record.note, "changed");
}

TEST(Table, WithoutACurrentRowStoreBackAndDeleteCurrentFail) {
  struct Setup {
    const char* name;
    void (*prepare)(Table<Row>&);
  };
  const Setup setups[] = {
      {"new table", [](Table<Row>&) {}},
      {"after Clear",
       [](Table<Row>& t) {
         Fill(t, {"a"});
         t.Clear();
       }},
      {"after DeleteCurrent",
       [](Table<Row>& t) {
         Fill(t, {"a", "b"});
         t.DeleteCurrent();
       }},
  };
  for (const auto& setup : setups) {
    SCOPED_TRACE(setup.name);
    Table<Row> table;
    setup.prepare(table);
    const std::int32_t rows = table.RowCount();
    table.StoreBack();
    ExpectEntryNotFound();
    table.DeleteCurrent();
    ExpectEntryNotFound();
    EXPECT_EQ(table.RowCount(), rows);
  }
}

TEST(Table, DeleteCurrentMovesLaterRowsUp) {
  Table<Row> table;
  Fill(table, {"a", "b", "c", "d"});
  table.FetchAt(2);
  table.DeleteCurrent();
  EXPECT_EQ(ErrorCode(), kNoError);
  EXPECT_EQ(KeysInOrder(table), (std::vector<std::string>{"a", "c", "d"}));
  // Tearing down from the front, as the rule table is emptied.
  while (table.FetchAt(1), ErrorCode() == kNoError) table.DeleteCurrent();
  EXPECT_EQ(table.RowCount(), 0);
}

// The lookup index is built by the first FetchByKey; every later change must keep it in step.
TEST(Table, LookupsFollowAppendStoreBackAndDeleteCurrent) {
  Table<Row> table;
  Fill(table, {"m", "c", "x"});
  ASSERT_EQ(NoteFor(table, "c"), "n-c");

  Fill(table, {"a", "z"});
  EXPECT_EQ(NoteFor(table, "a"), "n-a");
  EXPECT_EQ(NoteFor(table, "z"), "n-z");

  table.record.name = "m";
  table.FetchByKey();
  table.record.name = "b";  // a new key for the row at position 1
  table.StoreBack();
  EXPECT_EQ(NoteFor(table, "m"), "-");
  EXPECT_EQ(NoteFor(table, "b"), "n-m");

  table.FetchAt(2);  // "c"
  table.DeleteCurrent();
  EXPECT_EQ(KeysInOrder(table), (std::vector<std::string>{"b", "x", "a", "z"}));
  struct Expected {
    std::string_view key;
    std::string_view note;
  };
  for (const auto& [key, note] : {Expected{"c", "-"}, Expected{"b", "n-m"}, Expected{"x", "n-x"},
                                  Expected{"a", "n-a"}, Expected{"z", "n-z"}}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(NoteFor(table, key), note);
  }
  // The found row is current at its own position, so StoreBack lands there.
  table.record.name = "z";
  table.FetchByKey();
  table.record.note = "last";
  table.StoreBack();
  table.FetchAt(4);
  EXPECT_EQ(table.record.note, "last");
}

TEST(Table, ClearEmptiesAndTheTableStaysUsable) {
  Table<Row> table;
  table.Clear();
  EXPECT_EQ(ErrorCode(), kNoError);
  EXPECT_EQ(table.RowCount(), 0);

  Fill(table, {"a", "b"});
  ASSERT_EQ(NoteFor(table, "a"), "n-a");
  table.Clear();
  EXPECT_EQ(table.RowCount(), 0);
  EXPECT_EQ(NoteFor(table, "a"), "-");
  Fill(table, {"c"});
  EXPECT_EQ(NoteFor(table, "c"), "n-c");
  EXPECT_EQ(KeysInOrder(table), (std::vector<std::string>{"c"}));
}

TEST(Table, EverySuccessfulOperationClearsAPendingError) {
  struct Operation {
    const char* name;
    void (*run)(Table<Row>&);
  };
  const Operation operations[] = {
      {"Append", [](Table<Row>& t) { t.Append(); }},
      {"FetchAt", [](Table<Row>& t) { t.FetchAt(1); }},
      {"FetchByKey",
       [](Table<Row>& t) {
         t.record.name = "a";
         t.FetchByKey();
       }},
      {"StoreBack",
       [](Table<Row>& t) {
         t.FetchAt(1);
         SetError(kAccessDenied);
         t.StoreBack();
       }},
      {"Sort", [](Table<Row>& t) { t.Sort(); }},
      {"DeleteCurrent",
       [](Table<Row>& t) {
         t.FetchAt(1);
         SetError(kAccessDenied);
         t.DeleteCurrent();
       }},
      {"Clear", [](Table<Row>& t) { t.Clear(); }},
      {"RowCount", [](Table<Row>& t) { t.RowCount(); }},
  };
  for (const auto& operation : operations) {
    SCOPED_TRACE(operation.name);
    Table<Row> table;
    Fill(table, {"a"});
    SetError(kAccessDenied);
    operation.run(table);
    EXPECT_EQ(ErrorCode(), kNoError);
    EXPECT_EQ(ErrorText(), "");
  }
}

TEST(Table, CreatedTableIsOwnedByItsReferenceUntilDisposed) {
  TableRef<Row> table = CreateTable<Row>();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->RowCount(), 0);
  Fill(*table, {"p", "q"});
  TableRef<Row> other = CreateTable<Row>();
  EXPECT_EQ(other->RowCount(), 0);
  EXPECT_EQ(table->RowCount(), 2);
  DisposeTable(table);
  EXPECT_EQ(table, nullptr);
  DisposeTable(table);  // a reference already let go of stays empty
  EXPECT_EQ(table, nullptr);
  EXPECT_EQ(other->RowCount(), 0);
}

}  // namespace
}  // namespace glyphlog
