#include "cli/Picture.h"

#include "cli/ComplexLoad.h"

#include "toolkit/Exceptions.h"
#include "toolkit/qt/PdfPicture.h"
#include "toolkit/qt/PictureMenu.h"

#include <QGuiApplication>
#include <QString>

#include <memory>

namespace cli {

namespace {

// The PDF's text needs Qt's fonts, and they need a GUI application: one on the offscreen
// platform, which wants no display, for as long as the file takes.
std::unique_ptr<QGuiApplication> StartFonts() {
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 3;
    static char name[] = "zchart", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

void WritePicture(const tk::TCanvas& canvas, const std::string& path, const std::string& title) {
    const QString file = QString::fromLocal8Bit(path.c_str());
    if (file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        tkqt::SavePicture(canvas, file);
        return;
    }
    if (file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        const std::unique_ptr<QGuiApplication> fonts = StartFonts();
        tkqt::SavePdf(canvas, file, QString::fromStdString(title));
        return;
    }
    throw tk::Exception("Рисунок пишется в файл .png или .pdf: у «" + Quoted(path) +
                        "» другое расширение");
}

} // namespace cli
