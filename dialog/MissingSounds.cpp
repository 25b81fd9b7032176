// Whether each shown sound's file is there is asked off the window's
// thread: a file on a network share that does not answer takes the
// network's time-out to tell, once per sound. The rows show at once, and
// gray once a file is known to be missing.
#include <cstring>
#include <memory>

#include "dialog/ChimeloDialog.h"
#include "platform/Files.h"

// The shown event's paths as they were asked about, and the answers.
struct MissingSoundsCheck {
  HWND window;
  unsigned asked;
  int count;
  char paths[MaxSoundsPerEvent][SoundPathBytes];
  bool missing[MaxSoundsPerEvent];
};

namespace {

DWORD WINAPI CheckSounds(void* parameter) {
  std::unique_ptr<MissingSoundsCheck> check(static_cast<MissingSoundsCheck*>(parameter));
  for (int slot = 0; slot < check->count; ++slot) check->missing[slot] = !FileExists(check->paths[slot]);
  if (PostMessageW(check->window, TChimeloDialog::SoundsChecked, 0,
                   reinterpret_cast<LPARAM>(check.get())))
    check.release();
  return 0;
}

}  // namespace

void TChimeloDialog::CheckMissingSounds() {
  ++MissingAsked;
  std::memset(SoundMissing, 0, sizeof SoundMissing);
  if (!Sounds.SoundCount(CurrentEvent)) return;
  auto check = std::make_unique<MissingSoundsCheck>();
  check->window = GetHandle();
  check->asked = MissingAsked;
  check->count = Sounds.SoundCount(CurrentEvent);
  for (int slot = 0; slot < check->count; ++slot)
    std::memcpy(check->paths[slot], Sounds.Read(CurrentEvent, slot), SoundPathBytes);
  if (HANDLE thread = CreateThread(nullptr, 0, CheckSounds, check.get(), 0, nullptr)) {
    check.release();
    CloseHandle(thread);
  }
}

// An answer about sounds no longer shown is passed over.
void TChimeloDialog::EvSoundsChecked(MissingSoundsCheck* result) {
  const std::unique_ptr<MissingSoundsCheck> check(result);
  if (check->asked != MissingAsked) return;
  std::memcpy(SoundMissing, check->missing, sizeof SoundMissing);
  InvalidateRect(AssociatedList->GetHandle(), nullptr, FALSE);
}
