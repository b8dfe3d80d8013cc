#include "toolkit/qt/DrawnIcon.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tkqt {
namespace {

constexpr int kDesignSize = 64;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QColor ToQColor(tk::TColor c) {
    return QColor(int((c >> 16) & 0xff), int((c >> 8) & 0xff), int(c & 0xff));
}

QPen PenOf(const tk::TIconShape& s) {
    if (s.Pen == tk::kNoColor) return Qt::NoPen;
    QPen pen(ToQColor(s.Pen), double(s.Width), s.Dashed ? Qt::DashLine : Qt::SolidLine,
             Qt::RoundCap);
    return pen;
}

QRectF Box(const tk::TIconShape& s) {
    return {double(s.X - s.R), double(s.Y - s.R), 2.0 * s.R, 2.0 * s.R};
}

void Draw(QPainter& p, const tk::TIconShape& s) {
    using K = tk::TIconShape::TKind;
    switch (s.Kind) {
    case K::Disc:
        p.setPen(PenOf(s));
        p.setBrush(s.Fill == tk::kNoColor ? QBrush(Qt::NoBrush) : QBrush(ToQColor(s.Fill)));
        p.drawEllipse(Box(s));
        break;
    case K::Ring:
        p.setPen(PenOf(s));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(Box(s));
        break;
    case K::Arc:
        p.setPen(PenOf(s));
        p.drawArc(Box(s), int(s.From * 16), int(s.Span * 16)); // sixteenths of a degree
        break;
    case K::Line:
        p.setPen(PenOf(s));
        p.drawLine(QPointF(s.X, s.Y), QPointF(s.EndX, s.EndY));
        break;
    case K::Clip: {
        QPainterPath disc;
        disc.addEllipse(Box(s));
        p.setClipPath(disc);
        break;
    }
    case K::NoClip:
        p.setClipping(false);
        break;
    }
}

} // namespace

QIcon DrawnIcon(const tk::TIconArt& art) {
    QIcon icon;
    if (art.empty()) return icon;
    for (const int size : kSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(double(size) / kDesignSize, double(size) / kDesignSize);
        for (const auto& layer : art)
            for (const tk::TIconShape& shape : layer)
                Draw(p, shape);
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace tkqt
