#pragma once
#include <cstddef>
#include <cstdint>

#include "scheme/Buffer.h"

// The WAV browser's rows: every path a walk found, in order, and those of
// them that the filter lets through. Each row is kept with its lowered form,
// which orders the rows and which the filter's words are sought in; the
// caller lowers both alike, so that case is ignored in any script.
class ListedSounds {
 public:
  void Clear();

  // A row found by a walk. It is placed, and shown if the filter lets it
  // through, at the next Merge: sorting every row at every find would cost
  // more than the walk.
  void Add(const char* path, const char* lowered);
  void Merge();

  // Words split at spaces; a row is shown when its lowered form holds every
  // one. No words show every row.
  void SetFilter(const char* loweredWords);

  int ShownCount() const { return static_cast<int>(shown_.Size()); }
  // The path of the shown row, or null when there is none.
  const char* Shown(int index) const;
  // Where the shown row with this path is now, or -1.
  int FindShown(const char* path) const;

 private:
  using Row = std::uint32_t;  // where a row's lowered form starts in text_
  const char* Lowered(Row row) const { return text_.begin() + row; }
  const char* Path(Row row) const;
  void Refilter();

  Buffer<char> text_;  // each row as its lowered form and path, each with a NUL
  Buffer<Row> sorted_, added_, shown_;
  Buffer<char> words_;  // the filter's words, each with a NUL
};

// Whether the text holds each of the words, given one after the other,
// each with its NUL, in `words` of `size` bytes.
bool HoldsEveryWord(const char* text, const char* words, std::size_t size);
