#pragma once
// The display scales above 100 % that every picture is drawn for again, in
// per cent, each with how much higher its button bitmaps' resource ids are
// than the 100 % ones. The resource script, the buttons and the artwork
// generator all read this one list. DISPLAY_SCALES(EACH, x) expands to
// EACH(x, percent, id offset) for each scale, smallest first.
#define DISPLAY_SCALES(EACH, x) EACH(x, 125, 10000) EACH(x, 150, 20000) EACH(x, 200, 30000)

#ifdef __cplusplus
struct DisplayScale {
  int percent, idOffset;
};
#define DISPLAY_SCALE_ENTRY(x, percent, idOffset) {percent, idOffset},
constexpr DisplayScale DisplayScales[] = {DISPLAY_SCALES(DISPLAY_SCALE_ENTRY, )};
#undef DISPLAY_SCALE_ENTRY
#endif
