#pragma once
// In-memory tables of fixed-layout rows. A table owns one record: every
// operation copies between the record and the stored rows, and the program
// reads and writes fields only through the record. Tables are keyed by their
// first field, which a row exposes as Key().

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "shell/ErrorState.h"
#include "shell/FixedText.h"

namespace glyphlog {

template <class Row>
concept KeyedRow = std::copyable<Row> && requires(const Row& row) {
  { row.Key() } -> std::convertible_to<std::string_view>;
};

template <KeyedRow Row>
class Table {
 public:
  Row record{};

  // Adds a copy of the record at the end; the new row becomes current.
  void Append() {
    ClearError();
    bool added = false;
    try {
      rows_.push_back(record);
      added = true;
      if (indexBuilt_) index_.insert(UpperBound(record.Key()), rows_.size() - 1);
    } catch (const std::bad_alloc&) {
      if (added) rows_.pop_back();
      SetError(kInsufficientMemory);
      return;
    }
    current_ = rows_.size() - 1;
  }

  // Copies the row at 1-based `position` into the record.
  void FetchAt(std::int32_t position) {
    ClearError();
    if (position < 1 || static_cast<std::size_t>(position) > rows_.size()) {
      SetError(kEntryNotFound);
      return;
    }
    current_ = static_cast<std::size_t>(position) - 1;
    record = rows_[*current_];
  }

  // Finds the row whose key equals the record's key and copies it into the record.
  void FetchByKey() {
    ClearError();
    BuildIndex();
    const std::string_view key = record.Key();
    const auto it = LowerBound(key);
    if (it == index_.end() || CompareTexts(rows_[*it].Key(), key) != 0) {
      SetError(kEntryNotFound);
      return;
    }
    current_ = *it;
    record = rows_[*current_];
  }

  // Overwrites the current row with the record; the row keeps its position.
  void StoreBack() {
    ClearError();
    if (!current_) {
      SetError(kEntryNotFound);
      return;
    }
    const bool keyChanged = CompareTexts(rows_[*current_].Key(), record.Key()) != 0;
    if (keyChanged && indexBuilt_) index_.erase(std::find(index_.begin(), index_.end(), *current_));
    rows_[*current_] = record;
    if (keyChanged && indexBuilt_) index_.insert(UpperBound(record.Key()), *current_);
  }

  // Reorders the rows by ascending key; rows with equal keys keep their order.
  void Sort() {
    ClearError();
    std::stable_sort(rows_.begin(), rows_.end(),
                     [](const Row& a, const Row& b) { return CompareTexts(a.Key(), b.Key()) < 0; });
    DropIndex();
    current_.reset();
  }

  // Removes the current row; the rows after it move up by one.
  void DeleteCurrent() {
    ClearError();
    if (!current_) {
      SetError(kEntryNotFound);
      return;
    }
    const std::size_t removed = *current_;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(removed));
    if (indexBuilt_) {
      std::erase(index_, removed);
      for (auto& position : index_) {
        if (position > removed) --position;
      }
    }
    current_.reset();
  }

  void Clear() {
    ClearError();
    rows_.clear();
    rows_.shrink_to_fit();
    DropIndex();
    current_.reset();
  }

  std::int32_t RowCount() const {
    ClearError();
    return static_cast<std::int32_t>(rows_.size());
  }

 private:
  using IndexIterator = std::vector<std::size_t>::iterator;

  void BuildIndex() {
    if (indexBuilt_) return;
    index_.resize(rows_.size());
    for (std::size_t i = 0; i < rows_.size(); ++i) index_[i] = i;
    std::stable_sort(index_.begin(), index_.end(), [this](std::size_t a, std::size_t b) {
      return CompareTexts(rows_[a].Key(), rows_[b].Key()) < 0;
    });
    indexBuilt_ = true;
  }
  void DropIndex() {
    index_.clear();
    indexBuilt_ = false;
  }
  IndexIterator LowerBound(std::string_view key) {
    return std::partition_point(index_.begin(), index_.end(),
                                [&](std::size_t i) { return CompareTexts(rows_[i].Key(), key) < 0; });
  }
  IndexIterator UpperBound(std::string_view key) {
    return std::partition_point(index_.begin(), index_.end(),
                                [&](std::size_t i) { return CompareTexts(rows_[i].Key(), key) <= 0; });
  }

  std::vector<Row> rows_;
  std::optional<std::size_t> current_;
  // Row positions in ascending key order, built on the first lookup.
  std::vector<std::size_t> index_;
  bool indexBuilt_ = false;
};

// A table made at run time, owned by whoever holds the reference.
template <KeyedRow Row>
using TableRef = std::shared_ptr<Table<Row>>;

template <KeyedRow Row>
TableRef<Row> CreateTable() {
  return std::make_shared<Table<Row>>();
}

template <KeyedRow Row>
void DisposeTable(TableRef<Row>& table) {
  if (table) table->Clear();
  table.reset();
}

}  // namespace glyphlog
