// The offscreen platform, with the screen of a common desktop (1920 × 1080, 96 dpi), chosen
// before the host creates the QApplication: no display is needed, nothing on a developer's
// screen can steal the focus, and a maximised window has room for the whole chart at its
// designed size, as on the desktops the programs are made for (the platform's own screen,
// 800 × 600, is smaller than the window).
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace testing_qt {

struct OffscreenDesktop {
    OffscreenDesktop() {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=" OFFSCREEN_DESKTOP_CONFIG));
    }
};

} // namespace testing_qt
