#include "GdiObjects.h"

#include <winternl.h>

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
// Where a PEB keeps GdiSharedHandleTable, in Windows and in Wine alike.
constexpr SIZE_T TableFieldOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr ULONG RowsPerRead = 4096;

long CountWineTable(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic = {};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                nullptr) != 0)
    return -1;
  const BYTE* table = nullptr;
  const BYTE* field = reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + TableFieldOffset;
  if (!ReadProcessMemory(process, field, &table, sizeof table, nullptr) || !table) return -1;

  std::vector<WineGdiRow> rows(RowsPerRead);
  long count = 0;
  for (ULONG first = 0; first < WineTableRows; first += RowsPerRead) {
    if (!ReadProcessMemory(process, table + first * sizeof(WineGdiRow), rows.data(),
                           RowsPerRead * sizeof(WineGdiRow), nullptr))
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
// process's memory, and publishes its address in the PEB's
// GdiSharedHandleTable as Windows does; a row is in use while its type is
// non-zero. So the rows are read from outside, the PEB found through
// NtQueryInformationProcess, and those in use that are not stock objects
// are counted: what GetGuiResources(GR_GDIOBJECTS) counts on Windows.
long CountGdiObjects(HANDLE process) {
  SetLastError(ERROR_SUCCESS);
  const DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
  if (count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<long>(count);
  return CountWineTable(process);
}

bool GdiCountingWorks() {
  HANDLE self = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE,
                            GetCurrentProcessId());
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
