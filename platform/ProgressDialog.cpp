#include "platform/ProgressDialog.h"

#include <shlobj.h>

#include "platform/WideText.h"
#include "platform/WindowThreadCom.h"

void TProgressDialog::Stop() {
  if (!dialog_) return;
  dialog_->StopProgressDialog();
  dialog_->Release();
  dialog_ = nullptr;
}

bool TProgressDialog::Start(HWND owner, const wchar_t* title) {
  const ComEntries* com = WindowThreadCom();
  if (!com || FAILED(com->create(CLSID_ProgressDialog, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IProgressDialog, reinterpret_cast<void**>(&dialog_))))
    return false;
  dialog_->SetTitle(title);
  if (SUCCEEDED(dialog_->StartProgressDialog(owner, nullptr, PROGDLG_NORMAL | PROGDLG_NOMINIMIZE,
                                             nullptr)))
    return true;
  dialog_->Release();
  dialog_ = nullptr;
  return false;
}

void TProgressDialog::Show(unsigned done, unsigned total, const char* line) const {
  dialog_->SetProgress(done, total);
  dialog_->SetLine(1, WideText(line), TRUE, nullptr);  // TRUE: a long path is shortened
}

bool TProgressDialog::Cancelled() const { return dialog_ && dialog_->HasUserCancelled(); }
