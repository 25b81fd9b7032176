#pragma once
// The soak's measurements, one column for each moment, printed as a table
// and judged by how much each figure grew.
#include <string>
#include <utility>
#include <vector>

#include "ProcessResources.h"

class ResourceTable {
 public:
  void Add(const char* moment, const ProcessResources& resources) {
    columns_.emplace_back(moment, resources);
  }
  // Every figure of the column was measured.
  bool Complete(size_t column) const { return Missing(column).empty(); }
  // The figures of the column that could not be measured, or "".
  std::string Missing(size_t column) const;
  // The figures, then how much they grew over the whole run and from the
  // second column to the last.
  void Print() const;
  // What grew from column `from` to column `to` by more than it may, or "".
  std::string Growth(size_t from, size_t to) const;

 private:
  std::vector<std::pair<const char*, ProcessResources>> columns_;
};
