#include "scheme/ListedSounds.h"

#include <algorithm>
#include <cstring>

bool HoldsEveryWord(const char* text, const char* words, std::size_t size) {
  for (const char* word = words; word < words + size; word += std::strlen(word) + 1)
    if (!std::strstr(text, word)) return false;
  return true;
}

void ListedSounds::Clear() {
  text_.Clear();
  sorted_.Clear();
  added_.Clear();
  shown_.Clear();
}

void ListedSounds::Add(const char* path, const char* lowered) {
  added_.Append(static_cast<Row>(text_.Size()));
  text_.Append(lowered, std::strlen(lowered) + 1);
  text_.Append(path, std::strlen(path) + 1);
}

// By the lowered form, and rows that differ only in case by the path, so
// that the order never depends on the order found.
void ListedSounds::Merge() {
  if (!added_.Size()) return;
  auto before = [this](Row a, Row b) {
    int order = std::strcmp(Lowered(a), Lowered(b));
    return order ? order < 0 : std::strcmp(Path(a), Path(b)) < 0;
  };
  std::sort(added_.begin(), added_.end(), before);
  const std::size_t placed = sorted_.Size();
  sorted_.Append(added_.begin(), added_.Size());
  std::inplace_merge(sorted_.begin(), sorted_.begin() + placed, sorted_.end(), before);
  added_.Clear();
  Refilter();
}

void ListedSounds::SetFilter(const char* loweredWords) {
  words_.Clear();
  for (const char* c = loweredWords; *c; ++c) {
    const bool wordEnds = *c == ' ' || !c[1];
    if (*c != ' ') words_.Append(*c);
    if (wordEnds && words_.Size() && words_[words_.Size() - 1]) words_.Append('\0');
  }
  Refilter();
}

const char* ListedSounds::Shown(int index) const {
  return index >= 0 && index < ShownCount() ? Path(shown_[index]) : nullptr;
}

int ListedSounds::FindShown(const char* path) const {
  for (int index = 0; index < ShownCount(); ++index)
    if (!std::strcmp(Path(shown_[index]), path)) return index;
  return -1;
}

const char* ListedSounds::Path(Row row) const {
  const char* lowered = Lowered(row);
  return lowered + std::strlen(lowered) + 1;
}

void ListedSounds::Refilter() {
  if (!words_.Size()) {
    shown_.Assign(sorted_);
    return;
  }
  shown_.Clear();
  for (Row row : sorted_)
    if (HoldsEveryWord(Lowered(row), words_.begin(), words_.Size())) shown_.Append(row);
}
