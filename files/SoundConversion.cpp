// Sounds that are not WAV files (MP3, FLAC, Ogg Vorbis, M4A/AAC, WMA)
// become WAV copies that Windows can play, each brought to one loudness,
// so that no sound of a rotation is a whisper and the next a blast.
// Decoding runs on a worker thread while the window goes on answering;
// the window shows the batch's progress, and Cancel stops it. Each source
// is opened once: an opening costs a tenth of a second.
#include "files/SoundConversion.h"

#include <cstdio>
#include <cstring>

#include "dialog/ChimeloDialog.h"
#include "files/HardDiskCopies.h"
#include "files/OggVorbis.h"
#include "platform/File.h"
#include "platform/Files.h"
#include "platform/MediaFoundation.h"
#include "scheme/AsciiCase.h"
#include "scheme/Loudness.h"
#include "scheme/SoundBatch.h"

namespace {

// The progress dialog shows only for a batch that takes longer than this:
// most sounds convert before it could be read.
const DWORD ProgressDelay = 500;
const UINT ProgressPeriod = 100;

bool IsOggVorbis(const char* path) {
  const char* dot = std::strrchr(FileName(path), '.');
  return dot && EqualIgnoringAsciiCase(dot, ".ogg");
}

// The name of the copy: the source's, with ".wav".
void CopyName(const char* source, char (&name)[PathBytes]) {
  const char* file = FileName(source);
  const char* dot = std::strrchr(file, '.');
  std::snprintf(name, sizeof name, "%.*s.wav",
                static_cast<int>(dot ? dot - file : std::strlen(file)), file);
}

// Written under a temporary name and renamed once whole, so that a copy
// that failed halfway leaves nothing behind.
bool WriteCopy(const char* source, const Buffer<char>& wav, const char* folder,
               char (&copy)[PathBytes]) {
  char made[UniqueNameSize], name[PathBytes];
  if (!CreateUniqueFile(folder, "chm", made)) return false;
  TFile file = TFile::OpenForWriting(made);
  const bool written = file.IsOpen() && file.Write(wav.begin(), static_cast<int>(wav.Size()));
  file.Close();
  CopyName(source, name);
  if (written) return KeepAs(made, name, folder, copy);
  RemoveFile(made);
  return false;
}

// The source decoded, whole or, when the answer is to cut, its start. The
// first source found longer than the cut asks the question for the batch.
Reading Decode(SoundConversion& job, const TMediaFoundation& media, const char* source,
               DecodedSound& sound) {
  OggVorbisFile vorbis;
  TMediaReader reader;
  const bool ogg = IsOggVorbis(source);
  auto read = [&](double seconds) {
    return ogg ? vorbis.Read(seconds, sound, job.cancel) : reader.Read(seconds, sound, job.cancel);
  };
  if (!(ogg ? vorbis.Open(source, sound) : reader.Open(media, source, sound)))
    return Reading::Failed;
  Reading reading = read(SoundConversion::CutSeconds);
  if (reading == Reading::Stopped && !job.asked) {
    job.asked = true;
    PostMessageW(job.window, SoundConversion::AskToCut, 0, 0);
    WaitForSingleObject(job.answered, INFINITE);
  }
  if (reading == Reading::Stopped && !job.cut) reading = read(SoundConversion::LongestSeconds);
  return reading;
}

DWORD WINAPI ConvertSounds(void* parameter) {
  SoundConversion& job = *static_cast<SoundConversion*>(parameter);
  TMediaFoundation media;
  for (const char* source = job.sources.First(); source && !job.cancel;
       source = job.sources.Next(source), ++job.finished) {
    if (!IsOggVorbis(source) && !media.Available()) {
      job.noMediaFoundation = true;
      continue;
    }
    DecodedSound sound;
    const Reading reading = Decode(job, media, source, sound);
    Buffer<char> wav;
    char copy[PathBytes];
    if (job.cancel) continue;
    if (reading == Reading::Failed || !sound.Frames()) {
      job.unreadable.Add(source);
    } else if (reading == Reading::Stopped && !job.cut) {
      job.tooLong.Add(source);
    } else {
      MakeLevelledWav(sound.samples.begin(), sound.Frames(), sound.channels, sound.rate,
                      job.cut ? SoundConversion::CutSeconds : 0, wav);
      if (WriteCopy(source, wav, job.folder, copy))
        job.copies.Add(copy);
      else
        job.unreadable.Add(source);
    }
  }
  PostMessageW(job.window, SoundConversion::Done, 0, 0);
  return 0;
}

}  // namespace

bool SoundConversion::Start() {
  thread = answered ? CreateThread(nullptr, 0, ConvertSounds, this, 0, nullptr) : nullptr;
  return thread != nullptr;
}

// The worker is stopped and waited for: it uses this.
SoundConversion::~SoundConversion() {
  cancel = true;
  if (answered) SetEvent(answered);
  if (thread) {
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
  if (answered) CloseHandle(answered);
}

// The browser's and the lists' controls wait, as during a walk, with
// Cancel to stop.
void TChimeloDialog::StartConversion(int event, const NameList& sources) {
  auto job = std::make_unique<SoundConversion>();
  job->window = GetHandle();
  job->event = event;
  for (const char* source = sources.First(); source; source = sources.Next(source), ++job->total)
    job->sources.Add(source);
  if (!UserSoundsFolder(job->folder) || !job->Start()) {
    TellNamed("These Files Can Not Be Converted :\n", sources, MB_ICONSTOP);
    return;
  }
  Converting = std::move(job);
  EnableWalkControls(false, L"Stop Converting");
  SetTimer(GetHandle(), ConversionTimer, ProgressPeriod, nullptr);
}

// A tick may come after the end.
void TChimeloDialog::ShowConversionProgress() {
  if (!Converting) return;
  SoundConversion& job = *Converting;
  if (job.progress.Cancelled()) StopConversion();
  if (!job.progress.Started() && GetTickCount() - job.started >= ProgressDelay)
    job.progress.Start(GetHandle(), L"Converting Sounds");
  if (!job.progress.Started()) return;
  const char* source = job.sources.First();
  for (int skip = job.finished; source && skip > 0; --skip) source = job.sources.Next(source);
  job.progress.Show(job.finished, job.total, source ? FileName(source) : "");
}

void TChimeloDialog::StopConversion() {
  Converting->cancel = true;
  SetEvent(Converting->answered);
}

// Cancel in the progress dialog may end the conversion while the question
// is open.
void TChimeloDialog::AskToCut() {
  const bool cut = MessageBox("Keep only the first 10 seconds?", "Chimelo !",
                              MB_YESNO | MB_ICONQUESTION) == IDYES;
  if (!Converting) return;
  Converting->cut = cut;
  SetEvent(Converting->answered);
}

// What was converted before a Cancel is kept.
void TChimeloDialog::EndConversion() {
  KillTimer(GetHandle(), ConversionTimer);
  std::unique_ptr<SoundConversion> job = std::move(Converting);
  WaitForSingleObject(job->thread, INFINITE);
  job->progress.Stop();
  EnableWalkControls(true);
  for (const char* copy = job->copies.First(); copy; copy = job->copies.Next(copy))
    if (Sounds.Append(job->event, copy)) SoundsChanged = 1;
  FillAssociatedList();
  if (job->noMediaFoundation)
    MessageBox(
        "Windows' Media Foundation Is Missing, So Only WAV And Ogg Vorbis Files Can Be "
        "Added.",
        "Chimelo !", MB_OK | MB_ICONEXCLAMATION);
  TellNamed("These Files Could Not Be Read :\n", job->unreadable, MB_ICONEXCLAMATION);
  TellNamed("These Sounds Are Longer Than 5 Minutes And Were Not Converted :\n", job->tooLong,
            MB_ICONEXCLAMATION);
}
