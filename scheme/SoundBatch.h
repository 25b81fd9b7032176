#pragma once
#include "scheme/NameList.h"

// Sounds added together, chosen at once or dropped, told apart in the order
// given by what becomes of each: added while the event has room, as they
// are or, for other formats, as WAV copies; then named for finding none;
// left out, and named, when not a sound file or too long a path to keep.
// So a batch asks each of its questions once.
struct SoundBatch {
  explicit SoundBatch(int room) : room(room) {}
  void Take(const char* path);

  int room;
  NameList added, toConvert, noRoom, leftOut;
};

// By its name's ending, whatever the case of the letters.
bool IsWavFile(const char* path);
// MP3, FLAC, Ogg Vorbis, M4A, AAC or WMA.
bool IsConvertible(const char* path);

// The sound files the Open dialog shows.
constexpr wchar_t SoundFilePatterns[] = L"*.wav;*.mp3;*.flac;*.ogg;*.m4a;*.aac;*.wma";

// The part after the last separator: the file's name and extension.
const char* FileName(const char* path);

// The files' names, one a line, as a message lists them: the first
// MaxNamed, then "And N More". Cut short, never overrun, to fit the buffer.
constexpr int MaxNamed = 10;
void NameFiles(const NameList& paths, char* text, int size);
