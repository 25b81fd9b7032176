#pragma once
#include "scheme/NameList.h"

// Sounds added together, chosen at once or dropped. They are added in the
// order given while the event has room, as they are or, for other formats,
// as WAV copies; each that is not is named, under why, in the batch's one
// message. So a batch asks each of its questions once and tells once.
struct SoundBatch {
  enum Reason {
    NoRoom,
    LeftOut,  // not a sound file, or too long a path to keep
    NotCopied,
    Unreadable,
    TooLong,  // more to decode than a sound may take
    NoMemory,
    NotWritten,
    NoFreeName,
    PathTooLong,  // the copy's path would pass what Windows opens by name
    Reasons
  };

  explicit SoundBatch(int room) : room(room) {}
  void Take(const char* path);
  void Refuse(Reason reason, const char* path) { refused[reason].Add(path); }

  int room;
  NameList added;
  NameList refused[Reasons];
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

// The batch's one message: each reason that names a file, under its
// heading, a blank line between two. Empty when every sound was added.
void DescribeBatch(const SoundBatch& batch, char* text, int size);
