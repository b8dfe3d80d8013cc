#include "toolkit/qt/PrintPicture.h"

#include "toolkit/qt/PainterPicture.h"

#include "toolkit/Exceptions.h"
#include "toolkit/VectorPicture.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace tkqt {

void PrintPicture(QWidget& parent, const tk::TCanvas& canvas, const QString& title,
                  tk::TOverlayCalls overlay) {
    tk::PictureCalls(canvas); // a record that cannot give the picture is said before the dialog
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    // The picture is wider than high: a landscape page holds it larger.
    printer.setPageOrientation(canvas.Width() > canvas.Height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent.window());
    dialog.setWindowTitle("Печать рисунка");
    if (dialog.exec() != QDialog::Accepted) return;
    PrintPicture(printer, canvas, overlay);
}

void PrintPicture(QPrinter& printer, const tk::TCanvas& canvas, tk::TOverlayCalls overlay) {
    const std::span<const tk::TCanvasCall> calls = tk::PictureCalls(canvas);
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
    PaintCalls(painter, calls, canvas.Width(), canvas.Height(), overlay);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw tk::Exception("Печать не удалась: " + name +
                            " не принял рисунок. Проверьте принтер и повторите печать.");
}

} // namespace tkqt
