#include "ResourceTable.h"

#include <cstdio>

namespace {

constexpr long long NotJudged = -1;

// Memory is shown, and judged, in KiB.
struct Row {
  const char* name;
  long long (*figure)(const ProcessResources&);
  // Below this the measurement failed: a running GUI program has at least
  // one window, handle and page, but it may truly have no GDI object.
  long long leastMeasured;
  long long allowedGrowth;  // from half-way to the end
};

const Row Rows[] = {
    {"GDI objects", [](const ProcessResources& r) -> long long { return r.gdiObjects; }, 0, 0},
    {"windows", [](const ProcessResources& r) -> long long { return r.windows; }, 1, 0},
    {"kernel handles", [](const ProcessResources& r) -> long long { return r.handles; }, 1, 2},
    {"private KiB", [](const ProcessResources& r) -> long long { return r.privateBytes / 1024; },
     1, 1024},
    {"working set KiB", [](const ProcessResources& r) -> long long { return r.workingSet / 1024; },
     1, NotJudged},
};

}  // namespace

std::string ResourceTable::Missing(size_t column) const {
  std::string missing;
  for (const Row& row : Rows) {
    if (row.figure(columns_[column].second) < row.leastMeasured)
      missing += (missing.empty() ? "" : ", ") + std::string(row.name);
  }
  return missing;
}

void ResourceTable::Print() const {
  std::printf("%-16s", "");
  for (const auto& column : columns_) std::printf(" %10s", column.first);
  std::printf(" %10s %10s\n", "whole run", "2nd half");
  for (const Row& row : Rows) {
    std::printf("%-16s", row.name);
    for (const auto& column : columns_) std::printf(" %10lld", row.figure(column.second));
    const long long first = row.figure(columns_.front().second);
    const long long last = row.figure(columns_.back().second);
    const long long middle = row.figure(columns_[columns_.size() > 1 ? 1 : 0].second);
    std::printf(" %+10lld %+10lld\n", last - first, last - middle);
  }
}

std::string ResourceTable::Growth(size_t from, size_t to) const {
  const std::string missing = Complete(from) ? Missing(to) : Missing(from);
  if (!missing.empty()) return "some figures could not be measured: " + missing;
  std::string growth;
  for (const Row& row : Rows) {
    const long long grew = row.figure(columns_[to].second) - row.figure(columns_[from].second);
    if (row.allowedGrowth == NotJudged || grew <= row.allowedGrowth) continue;
    growth += (growth.empty() ? "" : "; ") + std::string(row.name) + " grew by " +
              std::to_string(grew) + " (allowed: " + std::to_string(row.allowedGrowth) + ")";
  }
  return growth;
}
