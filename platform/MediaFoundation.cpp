#include "platform/MediaFoundation.h"

#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>

#include <cstring>

#include "platform/ComReference.h"
#include "platform/SystemLibrary.h"
#include "platform/WideText.h"

namespace {

struct {
  decltype(&CoInitializeEx) initializeCom;
  decltype(&CoUninitialize) uninitializeCom;
  decltype(&MFStartup) startup;
  decltype(&MFShutdown) shutdown;
  decltype(&MFCreateMediaType) createType;
  decltype(&MFCreateSourceReaderFromURL) createReader;
} media;

// Tried once for the whole run.
bool Load() {
  static const bool loaded = [] {
    HMODULE ole = LoadSystemLibrary(L"ole32.dll"), platform = LoadSystemLibrary(L"mfplat.dll"),
            readWrite = LoadSystemLibrary(L"mfreadwrite.dll");
    media.initializeCom = LibraryEntry<decltype(media.initializeCom)>(ole, "CoInitializeEx");
    media.uninitializeCom = LibraryEntry<decltype(media.uninitializeCom)>(ole, "CoUninitialize");
    media.startup = LibraryEntry<decltype(media.startup)>(platform, "MFStartup");
    media.shutdown = LibraryEntry<decltype(media.shutdown)>(platform, "MFShutdown");
    media.createType = LibraryEntry<decltype(media.createType)>(platform, "MFCreateMediaType");
    media.createReader =
        LibraryEntry<decltype(media.createReader)>(readWrite, "MFCreateSourceReaderFromURL");
    return media.initializeCom && media.uninitializeCom && media.startup && media.shutdown &&
           media.createType && media.createReader;
  }();
  return loaded;
}

constexpr DWORD Audio = static_cast<DWORD>(MF_SOURCE_READER_FIRST_AUDIO_STREAM);

// The decoded format: float samples, their channels and rate.
bool ReadFormat(IMFSourceReader* reader, UINT32& channels, UINT32& rate) {
  Reference<IMFMediaType> given;
  UINT32 bits = 0;
  return SUCCEEDED(reader->GetCurrentMediaType(Audio, &given.pointer)) &&
         SUCCEEDED(given->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels)) &&
         SUCCEEDED(given->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate)) &&
         SUCCEEDED(given->GetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, &bits)) && bits == 32;
}

}  // namespace

TMediaFoundation::TMediaFoundation() {
  if (!Load()) return;
  comStarted_ = SUCCEEDED(media.initializeCom(nullptr, COINIT_MULTITHREADED));
  started_ = comStarted_ && SUCCEEDED(media.startup(MF_VERSION, MFSTARTUP_LITE));
}

TMediaFoundation::~TMediaFoundation() {
  if (started_) media.shutdown();
  if (comStarted_) media.uninitializeCom();
}

TMediaReader::~TMediaReader() {
  if (reader_) reader_->Release();
}

// The reader converts whatever it decodes to 32-bit float samples.
bool TMediaReader::Open(const TMediaFoundation& foundation, const char* path, DecodedSound& sound) {
  Reference<IMFMediaType> wanted;
  UINT32 channels = 0, rate = 0;
  if (!foundation.Available() || FAILED(media.createReader(WideText(path), nullptr, &reader_)) ||
      FAILED(
          reader_->SetStreamSelection(static_cast<DWORD>(MF_SOURCE_READER_ALL_STREAMS), FALSE)) ||
      FAILED(reader_->SetStreamSelection(Audio, TRUE)) ||
      FAILED(media.createType(&wanted.pointer)) ||
      FAILED(wanted->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio)) ||
      FAILED(wanted->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_Float)) ||
      FAILED(reader_->SetCurrentMediaType(Audio, nullptr, wanted.pointer)) ||
      !ReadFormat(reader_, channels, rate) || channels < 1 || channels > MostChannels ||
      rate < LowestRate || rate > HighestRate)
    return false;
  sound.channels = static_cast<int>(channels);
  sound.rate = static_cast<int>(rate);
  // In units of 100 ns.
  PROPVARIANT duration;
  if (SUCCEEDED(reader_->GetPresentationAttribute(static_cast<DWORD>(MF_SOURCE_READER_MEDIASOURCE),
                                                  MF_PD_DURATION, &duration)) &&
      duration.vt == VT_UI8 && duration.uhVal.QuadPart < (1ULL << 62) / rate)
    declaredFrames_ = static_cast<long long>(duration.uhVal.QuadPart * rate / 10000000);
  return true;
}

Reading TMediaReader::Read(double seconds, DecodedSound& sound,
                           const std::atomic<bool>& cancel) const {
  while (!sound.Reached(seconds)) {
    DWORD flags = 0;
    Reference<IMFSample> sample;
    if (cancel ||
        FAILED(reader_->ReadSample(Audio, 0, nullptr, &flags, nullptr, &sample.pointer)) ||
        (flags & MF_SOURCE_READERF_ERROR))
      return Reading::Failed;
    if (flags & MF_SOURCE_READERF_ENDOFSTREAM) return Reading::Ended;
    UINT32 channels = 0, rate = 0;
    if ((flags & MF_SOURCE_READERF_CURRENTMEDIATYPECHANGED) &&
        (!ReadFormat(reader_, channels, rate) || static_cast<int>(channels) != sound.channels ||
         static_cast<int>(rate) != sound.rate))
      return Reading::Failed;
    Reference<IMFMediaBuffer> buffer;
    BYTE* data = nullptr;
    DWORD bytes = 0;
    if (!sample.pointer) continue;
    if (FAILED(sample->ConvertToContiguousBuffer(&buffer.pointer)) ||
        FAILED(buffer->Lock(&data, nullptr, &bytes)))
      return Reading::Failed;
    sound.samples.Append(reinterpret_cast<const float*>(data), bytes / sizeof(float));
    buffer->Unlock();
  }
  return Reading::Stopped;
}
