#pragma once
#include <memory>

#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "platform/ListBox.h"
#include "platform/ListBoxTips.h"
#include "platform/WideText.h"
#include "scheme/SoundTable.h"

class NameList;

// The program's one dialog: the events, the selected event's sounds and the
// WAV browser. It owns all of the program's state.
class TChimeloDialog : public TDialog {
 public:
  TChimeloDialog(TWindow* parent, int resourceId, HINSTANCE module);

  static constexpr UINT RotationTimer = 100;
  static constexpr UINT RotationPeriod = 30000;  // milliseconds

  bool CanClose() override;

 protected:
  static const TResponse ResponseRows[];
  static const TResponseTable ResponseTable;
  const TResponseTable& Responses() const override { return ResponseTable; }

  void SetupWindow() override;
  void CleanupWindow() override;

 private:
  void EvDrawItem(UINT controlId, DRAWITEMSTRUCT& draw);
  void EvMeasureItem(UINT controlId, MEASUREITEMSTRUCT& measure);
  HBRUSH EvCtlColor(HDC dc, HWND control, UINT controlType);
  void DrawEventItem(UINT controlId, DRAWITEMSTRUCT& draw);
  void DrawSoundItem(UINT controlId, DRAWITEMSTRUCT& draw);
  const TIcon& RowIcon(int id);

  void CmFiles();
  void CmSave();
  void CmStopOrMinimize();
  void EventSelChange();
  void EvSetCursor();
  void AssociatedSelChange();
  void WavSelChange();
  void DriveSelChange();
  void FillAssociatedList();
  void RotateSounds();

  void CmAddToCurrent();
  void CmAddToAll();
  void CmRemoveFromCurrent();
  void CmRemoveFromAll();

  bool TakeSelectedEvent();
  void PreviewSound(const char* path);
  // Offers a copy of a sound from a drive that is not a fixed disk. True
  // when the path now in the buffer is to be stored: the one given, or its
  // copy's; false when nothing is to be added.
  bool OfferCopyToHardDisk(char (&path)[SoundPathBytes]);

  // The WAV browser's walk.
  int SelectedDrive();
  void ResizeFrame(int width);
  void ShowBrowser(bool show);
  void EnableWalkControls(bool enable);
  void StopWalk();
  void EndWalk();
  bool KeepWalking();
  bool SearchDirectory(const char* dir);
  bool ListWavFiles(NameList& subdirectories);

  TListBox* EventList;
  TListBox* AssociatedList;
  TListBox* WavList;
  int Expanded;
  TComboBox* DriveCombo;
  int FilesListed;
  int CurrentEvent;
  SoundTable Sounds;
  int SearchDrive;
  char CurrentDir[PathBytes];
  int Searching;
  // Set when chimelo.ini existed but could not be read: it is then never
  // written over, lest the sounds in it be lost.
  int SettingsUnreadable;
  // Set when the sounds differ from what chimelo.ini held when it was last
  // read or written: a close must not lose them unasked.
  int SoundsChanged;
  // Where the walk started, and so where chimelo.ini is.
  char DirectoryBeforeWalk[PathBytes];
  DWORD LastPump, LastShown;
  // Where the keyboard was when the walk took it.
  HWND FocusBeforeWalk = nullptr;
  // The icons alone do not tell every event apart: its name shows over it.
  TListBoxTips EventTips;
  // Whether each shown sound's file was missing when the event was shown; a
  // missing one's row says so.
  bool SoundMissing[MaxSoundsPerEvent] = {};
  TListBoxTips SoundTips;
  // The rows' icons, by event number, the sound's at 0: loaded once, at the
  // rows' size.
  std::unique_ptr<TIcon> RowIcons[EventCount + 1];
};
