// A sound on a drive that may be gone later (a floppy, a CD, a network
// drive) can be copied onto the hard disk as it is added, and the copy's
// path stored instead: into the Windows directory, or, where the user may
// not write there, into the user's own sounds folder. A toast's sound is
// copied there too where Windows' toasts could not read it.
#include <cstdio>
#include <cstring>
#include <memory>

#include "dialog/ChimeloDialog.h"
#include "files/HardDiskCopies.h"
#include "platform/AppPackageAccess.h"
#include "platform/BoundedText.h"
#include "platform/File.h"
#include "platform/Files.h"
#include "platform/UserFolders.h"
#include "scheme/SoundBatch.h"
#include "scheme/Utf8.h"

namespace {

const int CopyBufferSize = 256;

enum class Copied { Yes, No, Denied };  // Denied: the directory may not be written

bool SameBytes(const char* a, const char* b) {
  TFile first = TFile::OpenForReading(a), second = TFile::OpenForReading(b);
  if (!first.IsOpen() || !second.IsOpen() || first.Size() != second.Size()) return false;
  char one[CopyBufferSize], other[CopyBufferSize];
  for (;;) {
    int read = first.Read(one, sizeof one);
    if (read < 0 || second.Read(other, sizeof other) != read) return false;
    if (read == 0) return true;
    if (std::memcmp(one, other, read) != 0) return false;
  }
}

enum class Destination { Free, Same, TooLong, NoneFree };

// The name in the directory, or, when a different file has it already,
// the first free one of "name (2).ext", "name (3).ext" and so on; a file
// there with the same bytes as sameAs is taken as it is. Windows, its copy
// and its players open no path by name past MAX_PATH - 1 units, whatever
// the system under the program accepts.
Destination ChooseDestination(const char* name, const char* sameAs, const char* directory,
                              char (&destination)[PathBytes]) {
  const char* dot = std::strrchr(name, '.');
  int stem = static_cast<int>(dot ? dot - name : std::strlen(name));
  for (int number = 1; number < 100; ++number) {
    int length = number == 1
                     ? std::snprintf(destination, sizeof destination, "%s\\%s", directory, name)
                     : std::snprintf(destination, sizeof destination, "%s\\%.*s (%d)%s", directory,
                                     stem, name, number, dot ? dot : "");
    if (length < 0 || length >= static_cast<int>(sizeof destination) ||
        Utf16Length(destination) >= MAX_PATH)
      return Destination::TooLong;
    if (!FileExists(destination)) return Destination::Free;
    if (SameBytes(sameAs, destination)) return Destination::Same;
  }
  return Destination::NoneFree;
}

// Byte for byte through a small buffer, and on the disk before it counts.
// A copy that did not get every byte of the source (a full disk, a medium
// pulled out) is deleted again.
Copied CopyBytes(const TFile& source, const char* destination) {
  TFile copy = TFile::CreateNew(destination);
  if (!copy.IsOpen()) return GetLastError() == ERROR_ACCESS_DENIED ? Copied::Denied : Copied::No;
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  char buffer[CopyBufferSize];
  long long copied = 0;
  int read;
  while ((read = source.Read(buffer, sizeof buffer)) > 0 && copy.Write(buffer, read))
    copied += read;
  bool whole = read == 0 && copied == source.Size() && copy.Flush();
  copy.Close();
  if (!whole) RemoveFile(destination);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  return whole ? Copied::Yes : Copied::No;
}

bool WindowsDirectory(char (&directory)[PathBytes]) {
  wchar_t windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  return length && length < MAX_PATH && ToUtf8(windows, directory, PathBytes);
}

// Copies the file into the directory under its own name; a file of that
// name already there is never replaced: if it has the same bytes it is the
// copy, otherwise the copy takes a free name beside it.
Copied CopyInto(const char* directory, const char* path, char (&copy)[PathBytes]) {
  TFile source = TFile::OpenForReading(path);
  if (!source.IsOpen()) return Copied::No;
  switch (ChooseDestination(FileName(path), path, directory, copy)) {
    case Destination::Free: return CopyBytes(source, copy);
    case Destination::Same: return Copied::Yes;
    default: return Copied::No;
  }
}

// Into the Windows directory; where the user may not write there (a
// standard user, on every Windows since Vista), into the user's own sounds
// folder, which every program of the user's can read as well.
bool CopyToHardDisk(const char* path, char (&copy)[PathBytes]) {
  char directory[PathBytes];
  if (!WindowsDirectory(directory)) return false;
  const Copied copied = CopyInto(directory, path, copy);
  if (copied != Copied::Denied) return copied == Copied::Yes;
  return UserSoundsFolder(directory) && CopyInto(directory, path, copy) == Copied::Yes;
}

bool SoundsFolderPath(char (&folder)[PathBytes], const char* below = "\\Sounds") {
  char appData[FolderPathSize];
  if (!LocalAppDataFolder(appData)) return false;
  const int length = std::snprintf(folder, sizeof folder, "%s\\Chimelo%s", appData, below);
  return length > 0 && length < static_cast<int>(sizeof folder);
}

// The path lies in the folder or below it, whatever the case of its
// letters, as Windows compares names.
bool Within(const char* path, const char* folder) {
  const WideText wide(path), inside(folder);
  const int length = inside.Length();
  return length && wide.Length() > length && wide[length] == L'\\' &&
         CompareStringOrdinal(wide, length, inside, length, TRUE) == CSTR_EQUAL;
}

// Where ALL APPLICATION PACKAGES may read: Windows grants it in its own
// directory and below, Chimelo in its sounds folder.
bool AppPackagesCanRead(const char* path) {
  char folder[PathBytes];
  return (WindowsDirectory(folder) && Within(path, folder)) ||
         (SoundsFolderPath(folder) && Within(path, folder));
}

DWORD WINAPI GrantAppPackages(void* folder) {
  const std::unique_ptr<char[]> owned(static_cast<char*>(folder));
  LetAppPackagesRead(owned.get());
  return 0;
}

}  // namespace

// Every part of Windows may read it: what an older Chimelo made is mended
// too, once a run, off the window's thread, since the grant spreads to every
// file in the folder. Where rights cannot be set (a FAT drive), the copy
// goes on.
bool UserSoundsFolder(char (&folder)[PathBytes]) {
  if (!SoundsFolderPath(folder, "") || !MakeDirectory(folder) || !SoundsFolderPath(folder) ||
      !MakeDirectory(folder))
    return false;
  static bool granted = false;
  if (!granted) {
    granted = true;
    char* copy = new char[sizeof folder];
    std::memcpy(copy, folder, sizeof folder);
    if (HANDLE thread = CreateThread(nullptr, 0, GrantAppPackages, copy, 0, nullptr))
      CloseHandle(thread);
    else
      delete[] copy;
  }
  return true;
}

Kept KeepAs(const char* made, const char* name, const char* directory, char (&kept)[PathBytes]) {
  const Destination destination = ChooseDestination(name, made, directory, kept);
  if (destination == Destination::Free && MoveFileOver(made, kept)) return Kept::Yes;
  RemoveFile(made);  // where the same sound is there already, that is the copy
  switch (destination) {
    case Destination::Same: return Kept::Yes;
    case Destination::TooLong: return Kept::PathTooLong;
    case Destination::NoneFree: return Kept::NoFreeName;
    default: return Kept::NotWritten;
  }
}

// The system's own message boxes, whatever the custom-control library.
bool TChimeloDialog::CopyWhatMayGo(SoundBatch& batch) {
  int mayGo = 0;
  for (const char* path = batch.added.First(); path; path = batch.added.Next(path))
    mayGo += !IsConvertible(path) && MayGoAway(path);
  if (!mayGo) return true;
  const int answer = MessageBoxExW(
      GetHandle(),
      mayGo == 1 ? L"This Sound Is On a Drive That May Not Be Available Later.\nDo You Want To "
                   L"Copy It Somewhere On Your Hard Disk ?"
                 : L"Some Of These Sounds Are On a Drive That May Not Be Available Later.\nDo "
                   L"You Want To Copy Them Somewhere On Your Hard Disk ?",
      L"Chimelo !", MB_YESNOCANCEL | MB_ICONQUESTION, 0);
  if (answer == IDCANCEL) return false;
  if (answer == IDNO) return true;
  NameList kept;
  char copy[PathBytes];
  for (const char* path = batch.added.First(); path; path = batch.added.Next(path)) {
    if (IsConvertible(path) || !MayGoAway(path))
      kept.Add(path);
    else if (CopyToHardDisk(path, copy))
      kept.Add(copy);
    else
      batch.Refuse(SoundBatch::NotCopied, path);
  }
  batch.added = std::move(kept);
  return true;
}

// The parts of Windows that play toasts run as app packages: a sound kept
// where they may not read it is copied into the sounds folder, unasked, as
// a removable drive's is. One converted is there already.
void TChimeloDialog::CopyWhereAppPackagesRead(SoundBatch& batch) {
  NameList kept;
  char folder[PathBytes], copy[PathBytes];
  const bool hasFolder = UserSoundsFolder(folder);
  for (const char* path = batch.added.First(); path; path = batch.added.Next(path)) {
    if (IsConvertible(path) || AppPackagesCanRead(path))
      kept.Add(path);
    else if (hasFolder && CopyInto(folder, path, copy) == Copied::Yes)
      kept.Add(copy);
    else
      batch.Refuse(SoundBatch::NotCopied, path);
  }
  batch.added = std::move(kept);
}
