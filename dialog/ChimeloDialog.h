#pragma once
#include <memory>

#include "files/SoundConversion.h"
#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "platform/ListBox.h"
#include "platform/ListBoxTips.h"
#include "platform/VirtualListBox.h"
#include "platform/WideText.h"
#include "scheme/ListedSounds.h"
#include "scheme/NameList.h"
#include "scheme/SoundTable.h"

// The program's one dialog: the events, the selected event's sounds and the
// WAV browser. It owns all of the program's state.
class TChimeloDialog : public TDialog {
 public:
  TChimeloDialog(TWindow* parent, int resourceId, HINSTANCE module);

  static constexpr UINT RotationTimer = 100, ConversionTimer = 101;
  // The selector's last entry, which opens the folder picker.
  static constexpr char ChooseFolderEntry[] = "[Folder\xE2\x80\xA6]";
  // The filter's longest text, in UTF-16 units.
  static constexpr int FilterLength = 255;
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
  void DrawWavItem(DRAWITEMSTRUCT& draw);
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

  // Adding several sounds at once: the Open dialog, drops, the context menu.
  void CmAddSounds();
  void CmPlay();
  void EvContextMenu(HWND window, POINT screen);
  int EvVKeyToItem(UINT key, HWND list);
  void EvDropFiles(HDROP drop);
  // Each path, in order, goes to the event as Add To Current adds one; each
  // question is asked once for them all.
  void AddSounds(int event, const NameList& paths);
  // Asks once whether the sounds on drives that may go (not a fixed disk)
  // are to be copied onto the hard disk; on Yes each path is replaced by
  // its copy's, or dropped, and named, when it cannot be copied. False on
  // Cancel: nothing is to be added.
  bool CopyWhatMayGo(NameList& paths);
  // A message of the heading and the files' names.
  void TellNamed(const char* heading, const NameList& paths, UINT icon);

  // Sounds of other formats become levelled WAV copies off the window's
  // thread.
  void StartConversion(int event, const NameList& sources);
  void ShowConversionProgress();
  void StopConversion();
  void AskToCut();
  void EndConversion();

  // The WAV list shows the walk's rows that the filter lets through.
  void FilterChange();
  // After the rows or the filter changed: shows them from the top, with the
  // row of this path selected again where it still shows.
  void ShowListed(const char* selected);

  // The WAV browser's walk, of a drive or of a chosen folder.
  bool SelectedWalkRoot(char (&root)[PathBytes]);
  bool ChooseFolderToWalk();
  void ResizeFrame(int width);
  void ShowBrowser(bool show);
  void EnableWalkControls(bool enable, const wchar_t* stopName = nullptr);
  void StopWalk();
  void EndWalk();
  bool KeepWalking();
  bool SearchDirectory(const char* dir);
  bool ListWavFiles(NameList& subdirectories);

  TListBox* EventList;
  TListBox* AssociatedList;
  TVirtualListBox* WavList;
  ListedSounds Listed;
  int Expanded;
  TComboBox* DriveCombo;
  int FilesListed;
  int CurrentEvent;
  SoundTable Sounds;
  // The selector's entry before the last change, for a cancelled picker.
  int LastWalkEntry = -1;
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
  // The conversion under way, if any.
  std::unique_ptr<SoundConversion> Converting;
};
