#include "toolkit/qt/SmoothPicture.h"

#include <cmath>

namespace tkqt {

QImage SmoothPicture(const QImage& canvas, qreal ratio) {
    // Blocks of the next whole size first, so that Qt's smooth scaling only ever shrinks,
    // which it does by area; growing, it would interpolate and blur.
    const int whole = int(std::ceil(ratio));
    const QSize device(int(std::lround(canvas.width() * ratio)),
                       int(std::lround(canvas.height() * ratio)));
    QImage smooth =
        canvas.scaled(canvas.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    smooth.setDevicePixelRatio(ratio);
    return smooth;
}

} // namespace tkqt
