// Sounds that are not WAV files (MP3, FLAC, Ogg Vorbis, M4A/AAC, WMA)
// become WAV copies that Windows can play, each brought to one loudness,
// so that no sound of a rotation is a whisper and the next a blast.
// Decoding runs on a worker thread while the window goes on answering;
// the window shows the batch's progress, and Cancel stops it. Each source
// is opened once: an opening costs a tenth of a second.
#include "files/SoundConversion.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "dialog/ChimeloDialog.h"
#include "files/HardDiskCopies.h"
#include "files/OggVorbis.h"
#include "platform/File.h"
#include "platform/Files.h"
#include "platform/MediaFoundation.h"
#include "scheme/AsciiCase.h"
#include "scheme/Loudness.h"

namespace {

// The progress dialog shows only for a batch that takes longer than this:
// most sounds convert before it could be read.
const DWORD ProgressDelay = 500;
const UINT ProgressPeriod = 100;
// How long the window's end waits for the worker to see that it is to stop.
const DWORD AbandonWait = 500;

struct Locked {
  explicit Locked(SRWLOCK& lock) : lock(lock) { AcquireSRWLockExclusive(&lock); }
  ~Locked() { ReleaseSRWLockExclusive(&lock); }
  SRWLOCK& lock;
};

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

// Written under a temporary name, on the disk before it is renamed, so
// that a copy that failed halfway, or a power cut, leaves nothing half.
SoundBatch::Reason WriteCopy(const char* source, const Buffer<char>& wav, const char* folder,
                             char (&copy)[PathBytes]) {
  char made[UniqueNameSize], name[PathBytes];
  if (!CreateUniqueFile(folder, "chm", made)) return SoundBatch::NotWritten;
  TFile file = TFile::OpenForWriting(made);
  const bool written = file.IsOpen() &&
                       file.Write(wav.begin(), static_cast<int>(wav.Size())) && file.Flush();
  file.Close();
  if (!written) {
    RemoveFile(made);
    return SoundBatch::NotWritten;
  }
  CopyName(source, name);
  switch (KeepAs(made, name, folder, copy)) {
    case Kept::Yes: return SoundBatch::Reasons;
    case Kept::NoFreeName: return SoundBatch::NoFreeName;
    case Kept::PathTooLong: return SoundBatch::PathTooLong;
    default: return SoundBatch::NotWritten;
  }
}

// The batch's question, asked once, by the first source found longer than
// the cut: the worker waits for the answer.
void AskOnce(SoundConversion& job) {
  if (job.asked) return;
  job.asked = true;
  PostMessageW(job.window, SoundConversion::AskToCut, 0, 0);
  WaitForSingleObject(job.answered, INFINITE);
}

// The source decoded as far as it is kept: whole, or its first CutSeconds
// where the user keeps only that. Stopped when it would take more than
// MostSamples: refused before decoding where it tells its length, or
// once it passes it.
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
  const long long declared = ogg ? vorbis.DeclaredFrames() : reader.DeclaredFrames();
  const double length = declared >= 0 ? double(declared) / sound.rate : -1;
  const double most = SoundConversion::MostSamples / (double(sound.rate) * sound.channels);
  // A little past the cut, so that the cut has its fade.
  const double kept = SoundConversion::CutSeconds + 0.1;
  if (length > SoundConversion::CutSeconds) AskOnce(job);
  if (job.cancel) return Reading::Failed;
  if (length > most && !job.cut) return Reading::Stopped;
  const double first = job.cut || length < 0 ? kept : most;
  sound.samples.Reserve(static_cast<std::size_t>(
      (length >= 0 && length < first ? length + 0.1 : first) * sound.rate * sound.channels));
  Reading reading = read(first);
  if (reading == Reading::Stopped && !job.cut && length < 0) {
    AskOnce(job);
    if (!job.cut) reading = read(most);
  }
  return job.cut && reading == Reading::Stopped ? Reading::Ended : reading;
}

// The source made a levelled WAV image; SoundBatch::Reasons when it was.
SoundBatch::Reason Level(SoundConversion& job, const TMediaFoundation& media, const char* source,
                         Buffer<char>& wav) {
  DecodedSound sound;
  const Reading reading = Decode(job, media, source, sound);
  if (reading == Reading::Stopped) return SoundBatch::TooLong;
  if (reading == Reading::Failed || !sound.Frames() ||
      !MakeLevelledWav(sound.samples.begin(), sound.Frames(), sound.channels, sound.rate,
                       job.cut ? SoundConversion::CutSeconds : 0, wav))
    return SoundBatch::Unreadable;
  return SoundBatch::Reasons;
}

// The copy is written under the lock, so that the window, once it has
// taken the results, finds no copy half made.
DWORD WINAPI ConvertSounds(void* parameter) {
  const std::unique_ptr<std::shared_ptr<SoundConversion>> holder(
      static_cast<std::shared_ptr<SoundConversion>*>(parameter));
  SoundConversion& job = **holder;
  TMediaFoundation media;
  for (const char* source = job.sources.First(); source && !job.cancel;
       source = job.sources.Next(source), ++job.finished) {
    const bool available = IsOggVorbis(source) || media.Available();
    Buffer<char> wav;
    SoundBatch::Reason refused = SoundBatch::Reasons;
    try {
      if (available) refused = Level(job, media, source, wav);
    } catch (const std::bad_alloc&) {
      refused = SoundBatch::NoMemory;
    }
    Locked locked(job.lock);
    if (job.cancel) break;
    char copy[PathBytes] = "";
    if (!available)
      job.noMediaFoundation = true;
    else if (refused == SoundBatch::Reasons)
      refused = WriteCopy(source, wav, job.folder, copy);
    if (available && refused != SoundBatch::Reasons) job.batch.Refuse(refused, source);
    job.copies.Add(copy);
  }
  Locked locked(job.lock);
  if (!job.abandoned) PostMessageW(job.window, SoundConversion::Done, 0, 0);
  return 0;
}

}  // namespace

bool SoundConversion::Start(const std::shared_ptr<SoundConversion>& job) {
  if (!job->answered) return false;
  auto* holder = new std::shared_ptr<SoundConversion>(job);
  job->thread = CreateThread(nullptr, 0, ConvertSounds, holder, 0, nullptr);
  if (job->thread) return true;
  delete holder;
  return false;
}

void SoundConversion::Abandon() {
  cancel = true;
  if (answered) SetEvent(answered);
  Locked locked(lock);
  abandoned = true;
}

SoundConversion::~SoundConversion() {
  if (thread) CloseHandle(thread);
  if (answered) CloseHandle(answered);
}

// The browser's and the lists' controls wait, as during a walk, with
// Cancel to stop.
void TChimeloDialog::StartConversion(int event, SoundBatch& batch) {
  auto job = std::make_shared<SoundConversion>();
  job->window = GetHandle();
  job->event = event;
  for (const char* path = batch.added.First(); path; path = batch.added.Next(path))
    if (IsConvertible(path)) {
      job->sources.Add(path);
      ++job->total;
    }
  job->batch = std::move(batch);
  if (!UserSoundsFolder(job->folder) || !SoundConversion::Start(job)) {
    for (const char* source = job->sources.First(); source; source = job->sources.Next(source))
      job->batch.Refuse(SoundBatch::NotWritten, source);
    AppendBatch(event, job->batch, nullptr);
    FillAssociatedList();
    TellBatch(job->batch);
    return;
  }
  Converting = std::move(job);
  EnableWalkControls(false, L"Stop Converting");
  SetTimer(GetHandle(), ConversionTimer, ProgressPeriod, nullptr);
}

// A tick may come after the end. The progress waits while the batch's
// question is open, so that the question is always in front.
void TChimeloDialog::ShowConversionProgress() {
  if (!Converting) return;
  SoundConversion& job = *Converting;
  if (ConversionProgress.Cancelled()) StopConversion();
  if (!ConversionProgress.Started() && !AskingToCut &&
      GetTickCount() - job.started >= ProgressDelay)
    ConversionProgress.Start(GetHandle(), L"Converting Sounds");
  if (!ConversionProgress.Started()) return;
  const char* source = job.sources.First();
  for (int skip = job.finished; source && skip > 0; --skip) source = job.sources.Next(source);
  ConversionProgress.Show(job.finished, job.total, source ? FileName(source) : "");
}

void TChimeloDialog::StopConversion() {
  Converting->cancel = true;
  SetEvent(Converting->answered);
}

// Cancel in the progress dialog may end the conversion while the question
// is open.
void TChimeloDialog::AskToCut() {
  if (!Converting) return;
  AskingToCut = 1;
  const bool cut = MessageBox("Keep only the first 10 seconds?", "Chimelo !",
                              MB_YESNO | MB_ICONQUESTION) == IDYES;
  AskingToCut = 0;
  if (!Converting) return;
  Converting->cut = cut;
  SetEvent(Converting->answered);
}

// What was converted before a Cancel is kept.
void TChimeloDialog::EndConversion() {
  if (!Converting) return;
  std::shared_ptr<SoundConversion> job = std::move(Converting);
  KillTimer(GetHandle(), ConversionTimer);
  WaitForSingleObject(job->thread, INFINITE);
  ConversionProgress.Stop();
  EnableWalkControls(true);
  if (job->noMediaFoundation)
    MessageBox(
        "Windows' Media Foundation Is Missing, So Only WAV And Ogg Vorbis Files Can Be "
        "Added.",
        "Chimelo !", MB_OK | MB_ICONEXCLAMATION);
  AppendBatch(job->event, job->batch, &job->copies);
  FillAssociatedList();
  TellBatch(job->batch);
}

// The window goes, by a close or the session's end: the batch stops at
// once, whatever the decoder does, and what it made joins its event, to be
// saved. The worker may go on decoding a while: it writes nothing more.
void TChimeloDialog::AbandonConversion() {
  if (!Converting) return;
  std::shared_ptr<SoundConversion> job = std::move(Converting);
  KillTimer(GetHandle(), ConversionTimer);
  ConversionProgress.Stop();
  job->Abandon();
  WaitForSingleObject(job->thread, AbandonWait);
  AppendBatch(job->event, job->batch, &job->copies);
}
