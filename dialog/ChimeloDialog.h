#pragma once
#include <memory>

#include "files/SoundConversion.h"
#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "platform/ListBox.h"
#include "platform/ListBoxTips.h"
#include "platform/ProgressDialog.h"
#include "platform/VirtualListBox.h"
#include "platform/WideText.h"
#include "scheme/ListedSounds.h"
#include "scheme/NameList.h"
#include "scheme/SoundBatch.h"
#include "scheme/SoundTable.h"

struct MissingSoundsCheck;

// The program's one dialog: the events, the selected event's sounds and the
// WAV browser. It owns all of the program's state.
class TChimeloDialog : public TDialog {
 public:
  TChimeloDialog(TWindow* parent, int resourceId, HINSTANCE module);

  static constexpr UINT RotationTimer = 100, ConversionTimer = 101;
  // Posted with the answer of CheckMissingSounds.
  static constexpr UINT SoundsChecked = WM_APP + 3;
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
  void NameSettingsFile();

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
  void CheckMissingSounds();
  void EvSoundsChecked(MissingSoundsCheck* check);
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
  // True, and the user told, while a walk or a conversion runs.
  bool TellBusy();
  // Each path, in order, goes to the event as Add To Current adds one; each
  // question is asked once for them all.
  void AddSounds(int event, const NameList& paths);
  // Asks once whether the WAV files on drives that may go (not a fixed
  // disk) are to be copied onto the hard disk; on Yes each path is replaced
  // by its copy's, or refused when it cannot be copied. False on Cancel:
  // nothing is to be added.
  bool CopyWhatMayGo(SoundBatch& batch);
  void CopyWhereAppPackagesRead(SoundBatch& batch);
  // The batch's sounds join the event, in order, those of other formats
  // as their copies; what was not added is told once.
  void AppendBatch(int event, const SoundBatch& batch, const NameList* copies);
  void TellBatch(const SoundBatch& batch);

  // Sounds of other formats become levelled WAV copies off the window's
  // thread.
  void StartConversion(int event, SoundBatch& batch);
  void ShowConversionProgress();
  void StopConversion();
  void AskToCut();
  void EndConversion();
  void AbandonConversion();

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
  // Whether each shown sound's file was found missing since the event was
  // shown; a missing one's row says so.
  bool SoundMissing[MaxSoundsPerEvent] = {};
  unsigned MissingAsked = 0;
  TListBoxTips SoundTips;
  // The rows' icons, by event number, the sound's at 0: loaded once, at the
  // rows' size.
  std::unique_ptr<TIcon> RowIcons[EventCount + 1];
  // The conversion under way, if any, and its progress while it lasts.
  std::shared_ptr<SoundConversion> Converting;
  TProgressDialog ConversionProgress;
  int AskingToCut = 0;
  // chimelo.ini, by its full path in the start-up directory: no change of
  // the current directory sends it elsewhere.
  char SettingsFile[PathBytes];
};
