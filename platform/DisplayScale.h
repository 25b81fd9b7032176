#pragma once

// The system's display scale, which Chimelo follows as a program aware of
// the system DPI: sizes drawn in pixels at 100 % (96 dots an inch) grow with
// it, and at 100 % stay as they are.

// A size in pixels at 100 %, at the display's scale.
int Scaled(int pixels);

// The display's scale in per cent: 100, 125, 150, 200 and so on.
int ScalePercent();
