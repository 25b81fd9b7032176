#pragma once
#include <cstddef>

#include "scheme/Buffer.h"

// Integrated loudness in LUFS of interleaved samples (full scale = 1.0), as
// ITU-R BS.1770-4 / EBU R128 measure it: K-weighting derived for the sample
// rate, 400 ms blocks overlapping by 75 %, absolute gate -70 LUFS, relative
// gate -10 LU. A mono sound counts as dual mono, as it plays on two speakers
// (3 dB over one channel); six channels weigh as 5.1, LFE left out, the
// surrounds +1.5 dB. A sound shorter than one block is measured as one block
// padded with silence. Returns -HUGE_VAL when no block passes the gates.
double IntegratedLoudness(const float* samples, std::size_t frames, int channels, int rate);

// The largest magnitude of the samples and of the points between them that
// BS.1770-4 Annex 2 interpolates at four times the rate.
double TruePeak(const float* samples, std::size_t frames, int channels);

// The sound made ready to keep as a Windows event sound, as a whole 16-bit
// PCM WAV file image appended to `wav`, at the source's rate. The samples
// are changed in place:
// - more than two channels are mixed down to two, taken in WAVE order (front
//   left, right, then a centre if the count is odd or six and up, an LFE if
//   six and up, then the surrounds; an odd one out is a back centre): the
//   fronts as they are, each centre to both sides and each surround to its
//   own at -3 dB, the LFE left out;
// - with cutSeconds > 0 and a longer sound, the first cutSeconds are kept,
//   the last 50 ms fading out to silence;
// - levelled to -16 LUFS, measured on what is kept, with the gain held down
//   so that the file's true peak stays under -1 dBTP, with a margin for
//   meters that oversample more finely; silence, or a sound no block of which
//   passes the gates, keeps its level.
// A sample that is not a number, is infinite or is too large to mix counts
// as silence. Returns false, appending nothing, for 0 or more than 8
// channels, a rate outside 8 to 384 kHz, nothing to keep, or more than a
// RIFF file holds.
bool MakeLevelledWav(float* samples, std::size_t frames, int channels, int rate, double cutSeconds,
                     Buffer<char>& wav);
