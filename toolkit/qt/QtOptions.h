// The options QGuiApplication, QApplication and the X11 platform read from the command line
// themselves (-style Fusion, -platform xcb, -display :1, -reverse, ...): the programs hand
// them on to Qt untouched (toolkit/CommandLine.h), as "-name value" whichever way they were
// typed.
#pragma once

#include "toolkit/CommandLine.h"

namespace tkqt {

// clang-format off
inline constexpr tk::TWindowSystemOption kQtOptions[] = {
    {"platform",           true},
    {"platformpluginpath", true},
    {"platformtheme",      true},
    {"plugin",             true},
    {"qwindowgeometry",    true},
    {"qwindowicon",        true},
    {"qwindowtitle",       true},
    {"session",            true},
    {"style",              true},
    {"stylesheet",         true},
    {"display",            true},
    {"geometry",           true},
    {"title",              true},
    {"icon",               true},
    {"name",               true},
    {"visual",             true},
    {"reverse",            false},
    {"widgetcount",        false},
    {"nograb",             false},
    {"dograb",             false},
    {"sync",               false},
};
// clang-format on

// What --help says of them.
inline constexpr const char* kQtOptionsHelp =
    "Принимаются и стандартные параметры Qt: -style, -platform, -display, -reverse и другие.";

} // namespace tkqt
