#include "toolkit/qt/VectorPicture.h"

#include "toolkit/qt/VectorShapes.h"

#include "toolkit/Exceptions.h"
#include "toolkit/Font.h"
#include "toolkit/Utf8.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

namespace tkqt {

namespace {

using tk::TCanvasCall;

QColor ToQColor(tk::TColor c) {
    return QColor::fromRgb(0xFF000000u | c);
}

// The canvas font's face, from the very file the canvas reads, at its 11 pixels to the em.
// It is registered with Qt's font database, so that a PDF embeds it from the file (a face
// made from bytes alone would be written as outlines, and its labels would not be text);
// registered again when the application has been made anew.
QRawFont CanvasFace(const tk::Font&) {
    static const QCoreApplication* registeredIn = nullptr;
    static QString family;
    if (registeredIn != QCoreApplication::instance() || family.isEmpty()) {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(tk::kTahomaFile));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        family = families.isEmpty() ? QString() : families.front();
        registeredIn = QCoreApplication::instance();
    }
    QFont qfont(family);
    qfont.setPixelSize(11);
    qfont.setStyleStrategy(QFont::NoFontMerging);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    const QRawFont face = QRawFont::fromFont(qfont);
    if (family.isEmpty() || !face.isValid())
        throw tk::Exception("Не удалось прочитать шрифт надписей «" + std::string(tk::kTahomaFile) +
                            "», и рисунок с ними записать нельзя. Переустановите пакет "
                            "fonts-wine (или fonts-dejavu-core).");
    return face;
}

class Player {
  public:
    Player(QPainter& painter, int width, int height) : painter_(painter), shapes_(width, height) {}

    void Play(std::span<const TCanvasCall> calls) {
        using Op = TCanvasCall::TOp;
        for (const TCanvasCall& c : calls) {
            switch (c.Op) {
            case Op::Ellipse:
                Ellipse(c);
                break;
            case Op::Rectangle:
                Rectangle(c);
                break;
            case Op::MoveTo:
                pos_ = {c.X1, c.Y1};
                break;
            case Op::LineTo:
                Stroke(shapes_.Line(pos_.X, pos_.Y, c.X1, c.Y1, StrokeWidth(c)), c);
                pos_ = {c.X1, c.Y1};
                break;
            case Op::TextOut:
                Text(c);
                break;
            }
        }
    }

  private:
    // A width below 1 strokes like 1; a wider pen draws solid even when dashed.
    static TStroke StrokeWidth(const TCanvasCall& c) {
        const int width = std::max(c.Pen.Width, 1);
        return {width, width == 1 && c.Pen.Style == tk::TPenStyle::psDash};
    }

    void Fill(const QPainterPath& area, tk::TColor color) {
        if (area.isEmpty()) return;
        painter_.fillPath(area, ToQColor(color));
    }

    // Thin strokes come as a path of their dashes' outlines, wide ones as an area: both are
    // filled in the pen's colour.
    void Stroke(const QPainterPath& outline, const TCanvasCall& c) { Fill(outline, c.Pen.Color); }

    void Ellipse(const TCanvasCall& c) {
        const TBox box = TBox::Of(c.X1, c.Y1, c.X2, c.Y2);
        if (box.Empty()) return;
        if (c.Brush.Style == tk::TBrushStyle::bsSolid)
            Fill(shapes_.EllipseArea(box), c.Brush.Color);
        Stroke(shapes_.EllipseStroke(box, StrokeWidth(c)), c);
    }

    void Rectangle(const TCanvasCall& c) {
        TBox box = TBox::Of(c.X1, c.Y1, c.X2, c.Y2);
        if (box.x1 == box.x2 && box.y1 == box.y2) return;
        // A flat box is the outline of the box one pixel high (wide), with nothing to fill.
        const bool flat = box.x1 == box.x2 || box.y1 == box.y2;
        if (box.x1 == box.x2) box.x2 += 1;
        if (box.y1 == box.y2) box.y2 += 1;
        if (!flat && c.Brush.Style == tk::TBrushStyle::bsSolid)
            Fill(shapes_.BoxArea(box), c.Brush.Color);
        Stroke(shapes_.RectangleStroke(box, StrokeWidth(c)), c);
    }

    void Text(const TCanvasCall& c) {
        const tk::Font& font = tk::Font::Default();
        const std::int64_t width = font.TextWidth(c.Text);
        const TBox cell{c.X1, c.Y1, c.X1 + width, std::int64_t{c.Y1} + font.Height()};
        pos_ = {static_cast<int>(std::min<std::int64_t>(cell.x2, INT_MAX)), c.Y1};
        if (!shapes_.Near(cell)) return;
        const bool opaque = c.Brush.Style == tk::TBrushStyle::bsSolid;
        if (opaque) Fill(shapes_.BoxArea(cell), c.Brush.Color);

        if (!face_.isValid()) face_ = CanvasFace(font);
        // Each glyph at the canvas's own advances, so that a label's letters stand where the
        // canvas put them, whatever the face's unhinted widths.
        QList<quint32> glyphs;
        QList<QPointF> places;
        std::int64_t pen = 0, origin = 0;
        const std::string_view text = c.Text;
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t start = i;
            const char32_t cp = tk::DecodeNext(text, i);
            const std::int64_t advance = font.TextWidth(text.substr(start, i - start));
            // Only the glyphs near the picture, placed from the first of them: a label that
            // starts far outside it is written with small numbers all the same.
            if (shapes_.NearX(c.X1 + pen)) {
                if (glyphs.isEmpty()) origin = pen;
                const QList<quint32> index = face_.glyphIndexesForString(QString::fromUcs4(&cp, 1));
                glyphs.push_back(index.isEmpty() ? 0 : index.front());
                places.push_back(QPointF(double(pen - origin), 0));
            }
            pen += advance;
        }
        if (glyphs.isEmpty()) return;
        QGlyphRun run;
        run.setRawFont(face_);
        run.setGlyphIndexes(glyphs);
        run.setPositions(places);
        painter_.save();
        // On an opaque box the ink stays inside the box.
        if (opaque) painter_.setClipRect(shapes_.BoxArea(cell).boundingRect(), Qt::IntersectClip);
        painter_.setPen(Qt::black);
        painter_.drawGlyphRun(QPointF(double(c.X1 + origin), double(c.Y1) + font.Ascent()), run);
        painter_.restore();
    }

    QPainter& painter_;
    TShapes shapes_;
    QRawFont face_;
    tk::TPoint pos_;
};

} // namespace

void PaintCalls(QPainter& painter, std::span<const tk::TCanvasCall> calls, int width, int height) {
    painter.save();
    painter.setClipRect(QRectF(0, 0, width, height), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    Player(painter, width, height).Play(calls);
    painter.restore();
}

} // namespace tkqt
