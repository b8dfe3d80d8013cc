#include "toolkit/qt/PdfPicture.h"

#include "toolkit/qt/VectorPicture.h"

#include "toolkit/CanvasLog.h"
#include "toolkit/Exceptions.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tkqt {

namespace {

// The picture's pixels are screen pixels of 96 dpi: 0,75 point each.
constexpr double kPointsPerPixel = 72.0 / 96.0;

} // namespace

std::span<const tk::TCanvasCall> PictureCalls(const tk::TCanvas& canvas) {
    if (!canvas.Log)
        throw tk::Exception(tk::InternalError("рисунок не записывался, и в PDF его не передать"));
    const std::span<const tk::TCanvasCall> log = *canvas.Log;
    const std::size_t first = tk::FirstVisibleCall(canvas, log);
    const std::span<const tk::TCanvasCall> calls = log.subspan(first);
    // A later start has been played back against the canvas already; the whole record not.
    if (first == 0 && !tk::Reproduces(canvas, calls))
        throw tk::Exception(tk::InternalError("запись рисунка не совпадает с ним самим"));
    return calls;
}

void SavePdf(const tk::TCanvas& canvas, const QString& path, const QString& title) {
    const std::span<const tk::TCanvasCall> calls = PictureCalls(canvas);
    // The figure goes to a temporary file beside the target, renamed over it only once it
    // is complete; an unfinished one is removed.
    QSaveFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly);
    bool written = false;
    if (opened) {
        QPdfWriter pdf(&file);
        pdf.setTitle(title);
        pdf.setCreator(title.section(QStringLiteral(" — "), 0, 0));
        // A page is a whole number of points: the picture's size rounded up, the picture at
        // its top-left corner (807 x 689 pixels: 606 x 517 points, a white edge under a
        // pixel wide on the right and at the bottom).
        const QSize points(int(std::ceil(canvas.Width() * kPointsPerPixel)),
                           int(std::ceil(canvas.Height() * kPointsPerPixel)));
        pdf.setPageLayout(QPageLayout(QPageSize(points, QString(), QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        // One unit of the page to one pixel of the picture.
        pdf.setResolution(96);
        QPainter painter;
        if (painter.begin(&pdf)) {
            PaintCalls(painter, calls, canvas.Width(), canvas.Height());
            written = painter.end();
        }
    }
    if (written && file.commit()) return;
    file.cancelWriting();
    const std::string reason = opened ? "запись не удалась; возможно, на диске нет места"
                                      : "такой папки нет или в неё нельзя писать";
    throw tk::Exception("Не удалось сохранить рисунок в файл «" + path.toStdString() +
                        "»: " + reason + ". Выберите другое место.");
}

void PrintPicture(QWidget& parent, const tk::TCanvas& canvas, const QString& title) {
    PictureCalls(canvas); // a record that cannot give the picture is said before the dialog
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    // The picture is wider than high: a landscape page holds it larger.
    printer.setPageOrientation(canvas.Width() > canvas.Height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent.window());
    dialog.setWindowTitle("Печать рисунка");
    if (dialog.exec() != QDialog::Accepted) return;
    PrintPicture(printer, canvas);
}

void PrintPicture(QPrinter& printer, const tk::TCanvas& canvas) {
    const std::span<const tk::TCanvasCall> calls = PictureCalls(canvas);
    const std::string name = printer.outputFileName().isEmpty()
                                 ? "принтер «" + printer.printerName().toStdString() + "»"
                                 : "файл «" + printer.outputFileName().toStdString() + "»";
    QPainter painter;
    if (!painter.begin(&printer))
        throw tk::Exception("Не удалось начать печать: " + name +
                            " не открылся. Проверьте принтер и повторите печать.");
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / canvas.Width(), page.height() / canvas.Height());
    painter.translate((page.width() - canvas.Width() * scale) / 2,
                      (page.height() - canvas.Height() * scale) / 2);
    painter.scale(scale, scale);
    PaintCalls(painter, calls, canvas.Width(), canvas.Height());
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw tk::Exception("Печать не удалась: " + name +
                            " не принял рисунок. Проверьте принтер и повторите печать.");
}

} // namespace tkqt
