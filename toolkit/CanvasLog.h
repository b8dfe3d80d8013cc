// The canvas's record of its calls (TCanvas::Log): played back, and kept to what still shows.
//
// A picture drawn click after click piles call upon call, most of them painted over since:
// each «Показать точку» wipes the disc and its surround and draws everything afresh. The
// record is kept from the last call from which a playback on a white canvas gives the
// picture as it is, pixel for pixel, and that is checked by playing it back, never assumed.
#pragma once

#include "toolkit/Canvas.h"

#include <cstddef>
#include <span>
#include <vector>

namespace tk {

// Makes the calls again on `canvas`, each with the pen and brush it was made with.
void Replay(TCanvas& canvas, std::span<const TCanvasCall> calls);

// Whether the calls, played back on a white canvas of `canvas`'s size, give its picture.
bool Reproduces(const TCanvas& canvas, std::span<const TCanvasCall> calls);

// The first call the picture still needs: the latest wipe (a solid white fill) from which
// the record reproduces the canvas, or 0 when only the whole record does. A record that
// does not reproduce the canvas at all (attached after drawing began) also gives 0.
std::size_t FirstVisibleCall(const TCanvas& canvas, std::span<const TCanvasCall> calls);

// Drops from the canvas's log what precedes its first visible call, once the log has grown
// past `bound` calls; a log under it is left as it is, so that the check, a playback or
// two, can be made only every so often. Nothing without a log.
void DropHiddenCalls(TCanvas& canvas, std::size_t bound = 0);

} // namespace tk
