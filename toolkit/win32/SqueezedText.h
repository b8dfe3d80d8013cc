// A caption set closer than its face sets it, to end within a width: a designed label whose
// text our face sets a few pixels wider than the designer's did («Расстояние l =», 80
// pixels for a box of 74) would otherwise run under the field beside it. The pixels it is
// too wide by are taken evenly from the gaps between its characters, none more than one
// from a gap; what is still too wide is cut at the width.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace tkwin {

// The advance of each character of `text` in `dc`'s font, `width` pixels in all where the
// gaps allow it.
std::vector<int> SqueezedAdvances(HDC dc, std::wstring_view text, int width);

// Draws `text` from the top-left of `box`, squeezed to the box's width.
void DrawSqueezed(HDC dc, const RECT& box, std::wstring_view text);

} // namespace tkwin
