#include "cli/Picture.h"

#include "cli/ComplexLoad.h"

#include "toolkit/Exceptions.h"
#include "toolkit/qt/PictureMenu.h"

#include <QString>

namespace cli {

void WritePicture(const tk::TCanvas& canvas, const std::string& path) {
    const QString file = QString::fromLocal8Bit(path.c_str());
    if (file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        tkqt::SavePicture(canvas, file);
        return;
    }
    // PDF: the vector figure's writer goes here when it lands.
    if (file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        throw tk::Exception("Рисунок в PDF эта версия программы пока не пишет: укажите файл .png");
    throw tk::Exception("Рисунок пишется в файл .png: у «" + Quoted(path) + "» другое расширение");
}

} // namespace cli
