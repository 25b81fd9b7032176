#include "GdiObjects.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace {

// A row of Wine's GDI handle table (GDI_HANDLE_ENTRY in Wine's
// include/ntgdi.h): the same 24 bytes in 32- and 64-bit processes.
struct WineGdiRow {
  UINT64 object;
  ULONG owner;
  BYTE extendedType;  // bit 7 marks a stock object
  BYTE generation;    // 0 until the row is first used, and never 0 again
  BYTE type;          // 0 while the row is free
  BYTE flags;
  UINT64 userPointer;
};
static_assert(sizeof(WineGdiRow) == 24, "Wine's rows are 24 bytes");

constexpr ULONG WineTableRows = 0x10000;
constexpr ULONG FirstWineRow = 32;  // the rows below it are never handed out
constexpr BYTE StockObject = 0x80;
constexpr ULONG RowsPerRead = 4096;

// Offsets in the 64-bit TEB and PEB, and the 32-bit TEB's GdiBatchCount.
constexpr UINT64 Teb64Peb = 0x60;
constexpr UINT64 Peb64GdiSharedHandleTable = 0xF8;
constexpr UINT64 Teb32GdiBatchCount = 0xF70;

// THREAD_BASIC_INFORMATION, which mingw-w64's winternl.h lacks.
struct ThreadBasics {
  NTSTATUS exitStatus;
  void* tebBaseAddress;
  CLIENT_ID clientId;
  KAFFINITY affinityMask;
  LONG priority;
  LONG basePriority;
};

// Bytes at an address in the process; false when they cannot be read, or
// lie beyond what this process can address.
bool ReadAt(HANDLE process, UINT64 address, void* buffer, SIZE_T size) {
  if (address > UINTPTR_MAX - size) return false;
  return ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<UINT_PTR>(address)),
                           buffer, size, nullptr) != 0;
}

template <typename Value>
bool ReadAt(HANDLE process, UINT64 address, Value& value) {
  return ReadAt(process, address, &value, sizeof value);
}

// The TEB of one of the process's threads, or 0.
UINT64 AnyThreadsTeb(HANDLE process) {
  const DWORD processId = GetProcessId(process);
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  UINT64 teb = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more && !teb;
       more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != processId) continue;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
    if (!thread) continue;
    ThreadBasics basics = {};
    if (NtQueryInformationThread(thread, ThreadBasicInformation, &basics, sizeof basics, nullptr) ==
        0)
      teb = reinterpret_cast<UINT_PTR>(basics.tebBaseAddress);
    CloseHandle(thread);
  }
  CloseHandle(snapshot);
  return teb;
}

// Wine publishes the table in the 64-bit PEB, whatever the process: a
// 32-bit process leaves its own PEB's GdiSharedHandleTable 0, and its 32-bit
// TEB's GdiBatchCount holds the address of the thread's 64-bit TEB. All of
// them lie below 4 GiB. A 64-bit process's TEB is its 64-bit TEB, so both
// builds take the same road from there.
UINT64 WineTable(HANDLE process) {
  UINT64 teb64 = AnyThreadsTeb(process);
  if (sizeof(void*) == 4) {
    ULONG named = 0;
    teb64 = teb64 && ReadAt(process, teb64 + Teb32GdiBatchCount, named) ? named : 0;
  }
  UINT64 peb64 = 0, table = 0;
  if (!teb64 || !ReadAt(process, teb64 + Teb64Peb, peb64) || !peb64 ||
      !ReadAt(process, peb64 + Peb64GdiSharedHandleTable, table))
    return 0;
  return table;
}

long CountWineTable(HANDLE process) {
  const UINT64 table = WineTable(process);
  if (!table) return -1;

  std::vector<WineGdiRow> rows(RowsPerRead);
  long count = 0;
  for (ULONG first = 0; first < WineTableRows; first += RowsPerRead) {
    if (!ReadAt(process, table + UINT64(first) * sizeof(WineGdiRow), rows.data(),
                RowsPerRead * sizeof(WineGdiRow)))
      return -1;
    for (ULONG index = first < FirstWineRow ? FirstWineRow - first : 0; index < RowsPerRead;
         ++index) {
      const WineGdiRow& row = rows[index];
      if (row.generation == 0) return count;  // rows are handed out in order: the rest are unused
      if (row.type != 0 && !(row.extendedType & StockObject)) ++count;
    }
  }
  return count;
}

}  // namespace

// Wine 8 does not implement GetGuiResources (it answers 0, error 120). Its
// win32u keeps each process's GDI objects (DCs, bitmaps, brushes, pens,
// fonts, regions, palettes) in a table of the process's own, in the
// process's memory, and publishes its address in a PEB's
// GdiSharedHandleTable as Windows does; a row is in use while its type is
// non-zero. So the rows are read from outside, the PEB found through a
// thread's TEB, and those in use that are not stock objects are counted:
// what GetGuiResources(GR_GDIOBJECTS) counts on Windows.
long CountGdiObjects(HANDLE process) {
  SetLastError(ERROR_SUCCESS);
  const DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
  if (count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<long>(count);
  return CountWineTable(process);
}

bool GdiCountingWorks() {
  HANDLE self =
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, GetCurrentProcessId());
  if (!self) return false;
  const long before = CountGdiObjects(self);
  HBRUSH brushes[100];
  for (int index = 0; index < 100; ++index) brushes[index] = CreateSolidBrush(RGB(index, 1, 2));
  const long during = CountGdiObjects(self);
  for (HBRUSH brush : brushes) DeleteObject(brush);
  const long after = CountGdiObjects(self);
  CloseHandle(self);
  return before >= 0 && during == before + 100 && after == before;
}
