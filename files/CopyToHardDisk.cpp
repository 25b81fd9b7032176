// A sound on a drive that may be gone later (a floppy, a CD, a network
// drive) can be copied onto the hard disk as it is added, and the copy's
// path stored instead: into the Windows directory, or, where the user may
// not write there, into the user's own sounds folder.
#include <cstdio>
#include <cstring>

#include "dialog/ChimeloDialog.h"
#include "files/HardDiskCopies.h"
#include "platform/AppPackageAccess.h"
#include "platform/BoundedText.h"
#include "platform/File.h"
#include "platform/Files.h"
#include "platform/UserFolders.h"
#include "scheme/SoundBatch.h"

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

// The name in the directory, or, when a different file has it already,
// the first free one of "name (2).ext", "name (3).ext" and so on; a file
// there with the same bytes as sameAs is taken as it is. False when none
// fits.
bool ChooseDestination(const char* name, const char* sameAs, const char* directory,
                       char (&destination)[PathBytes]) {
  const char* dot = std::strrchr(name, '.');
  int stem = static_cast<int>(dot ? dot - name : std::strlen(name));
  for (int number = 1; number < 100; ++number) {
    int length = number == 1
                     ? std::snprintf(destination, sizeof destination, "%s\\%s", directory, name)
                     : std::snprintf(destination, sizeof destination, "%s\\%.*s (%d)%s", directory,
                                     stem, name, number, dot ? dot : "");
    if (length < 0 || length >= static_cast<int>(sizeof destination)) return false;
    if (!FileExists(destination) || SameBytes(sameAs, destination)) return true;
  }
  return false;
}

// Byte for byte through a small buffer. A copy that did not get every byte
// of the source (a full disk, a medium pulled out) is deleted again.
Copied CopyBytes(const TFile& source, const char* destination) {
  TFile copy = TFile::CreateNew(destination);
  if (!copy.IsOpen()) return GetLastError() == ERROR_ACCESS_DENIED ? Copied::Denied : Copied::No;
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  char buffer[CopyBufferSize];
  long long copied = 0;
  int read;
  while ((read = source.Read(buffer, sizeof buffer)) > 0 && copy.Write(buffer, read))
    copied += read;
  bool whole = read == 0 && copied == source.Size();
  copy.Close();
  if (!whole) RemoveFile(destination);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  return whole ? Copied::Yes : Copied::No;
}

// Copies the file into the directory under its own name; a file of that
// name already there is never replaced: if it has the same bytes it is the
// copy, otherwise the copy takes a free name beside it.
Copied CopyInto(const char* directory, const char* path, char (&copy)[PathBytes]) {
  TFile source = TFile::OpenForReading(path);
  if (!source.IsOpen() || !ChooseDestination(FileName(path), path, directory, copy))
    return Copied::No;
  return FileExists(copy) ? Copied::Yes : CopyBytes(source, copy);
}

// Into the Windows directory; where the user may not write there (a
// standard user, on every Windows since Vista), into the user's own sounds
// folder, which every program of the user's can read as well.
bool CopyToHardDisk(const char* path, char (&copy)[PathBytes]) {
  wchar_t windows[MAX_PATH];
  UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  char directory[PathBytes];
  if (length == 0 || length >= MAX_PATH || !ToUtf8(windows, directory, sizeof directory))
    return false;
  const Copied copied = CopyInto(directory, path, copy);
  if (copied != Copied::Denied) return copied == Copied::Yes;
  return UserSoundsFolder(directory) && CopyInto(directory, path, copy) == Copied::Yes;
}

}  // namespace

// Every part of Windows may read it: what an older Chimelo made is mended
// too. Where rights cannot be set (a FAT drive), the copy goes on.
bool UserSoundsFolder(char (&folder)[PathBytes]) {
  char appData[FolderPathSize];
  if (!LocalAppDataFolder(appData)) return false;
  int length = std::snprintf(folder, sizeof folder, "%s\\Chimelo", appData);
  if (length < 0 || length >= static_cast<int>(sizeof folder) || !MakeDirectory(folder))
    return false;
  length = std::snprintf(folder, sizeof folder, "%s\\Chimelo\\Sounds", appData);
  if (length < 0 || length >= static_cast<int>(sizeof folder) || !MakeDirectory(folder))
    return false;
  LetAppPackagesRead(folder);
  return true;
}

bool KeepAs(const char* made, const char* name, const char* directory, char (&kept)[PathBytes]) {
  const bool chosen = ChooseDestination(name, made, directory, kept);
  if (chosen && !FileExists(kept) && MoveFileOver(made, kept)) return true;
  RemoveFile(made);  // where the same sound is there already, that is the copy
  return chosen && FileExists(kept);
}

// The system's own message boxes, whatever the custom-control library.
bool TChimeloDialog::CopyWhatMayGo(NameList& paths) {
  int mayGo = 0;
  for (const char* path = paths.First(); path; path = paths.Next(path)) mayGo += MayGoAway(path);
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
  NameList kept, failed;
  char copy[PathBytes];
  for (const char* path = paths.First(); path; path = paths.Next(path)) {
    if (!MayGoAway(path))
      kept.Add(path);
    else if (CopyToHardDisk(path, copy))
      kept.Add(copy);
    else
      failed.Add(path);
  }
  paths = std::move(kept);
  if (!failed.First()) return true;
  if (mayGo == 1) {
    MessageBox("The File Can Not Be Copied !", "Chimelo !", MB_OK | MB_ICONSTOP);
    return true;
  }
  TellNamed("These Files Can Not Be Copied :\n", failed, MB_ICONSTOP);
  return true;
}
