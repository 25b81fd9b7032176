// A stand-in for the custom-control library whose message box answers Yes
// and shows nothing. Put in a program's working directory, it would make
// the close question vanish if the program ever loaded the library from
// there.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI BWCCMessageBox(HWND, LPCSTR, LPCSTR, UINT) {
  return IDYES;
}
