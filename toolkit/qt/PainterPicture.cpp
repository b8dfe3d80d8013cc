#include "toolkit/qt/PainterPicture.h"

#include "toolkit/Font.h"
#include "toolkit/VectorPicture.h"

#include <QByteArray>
#include <QColor>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

namespace tkqt {

namespace {

QPointF ToQt(tk::TPointF p) {
    return {p.x, p.y};
}

// The canvas's face at its 11 pixels to the em, from the file built into the program.
QRawFont CanvasFace() {
    const std::span<const std::uint8_t> file = tk::Font::Default().FileBytes();
    return QRawFont(QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size())),
                    11, QFont::PreferNoHinting);
}

class TPainterSink : public tk::TVectorSink {
  public:
    explicit TPainterSink(QPainter& painter) : painter_(painter) {}

    void Fill(const tk::TPath& area, tk::TColor color) override {
        painter_.fillPath(ToPainterPath(area), QColor::fromRgb(0xFF000000u | color));
    }

    void Glyphs(const tk::TGlyphRun& run) override {
        if (!face_.isValid()) face_ = CanvasFace();
        QGlyphRun glyphs;
        glyphs.setRawFont(face_);
        glyphs.setGlyphIndexes(QList<quint32>(run.glyphs.begin(), run.glyphs.end()));
        QList<QPointF> places;
        for (const int offset : run.offsets)
            places.push_back(QPointF(offset, 0));
        glyphs.setPositions(places);
        painter_.save();
        if (run.clip)
            painter_.setClipRect(QRectF(QPointF(run.clip->left, run.clip->top),
                                        QPointF(run.clip->right, run.clip->bottom)),
                                 Qt::IntersectClip);
        painter_.setPen(QColor::fromRgb(0xFF000000u | run.color));
        painter_.drawGlyphRun(ToQt(run.origin), glyphs);
        painter_.restore();
    }

  private:
    QPainter& painter_;
    QRawFont face_;
};

} // namespace

QPainterPath ToPainterPath(const tk::TPath& path) {
    QPainterPath out;
    out.setFillRule(path.FillRule == tk::TFillRule::EvenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    for (const tk::TPath::TSubpath& s : path.Subpaths()) {
        out.moveTo(ToQt(s.start));
        for (const tk::TPath::TSegment& segment : s.segments) {
            if (segment.cubic)
                out.cubicTo(ToQt(segment.c1), ToQt(segment.c2), ToQt(segment.to));
            else
                out.lineTo(ToQt(segment.to));
        }
        if (s.closed) out.closeSubpath();
    }
    return out;
}

void PaintCalls(QPainter& painter, std::span<const tk::TCanvasCall> calls, int width, int height,
                tk::TOverlayCalls overlay) {
    painter.save();
    painter.setClipRect(QRectF(0, 0, width, height), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    TPainterSink sink(painter);
    tk::PlayCalls(calls, width, height, sink, overlay);
    painter.restore();
}

} // namespace tkqt
