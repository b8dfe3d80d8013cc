#include "toolkit/qt/Fonts.h"

#include "toolkit/Font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace tkqt {

namespace {

constexpr const char* kFallbackFamily = "DejaVu Sans";

QString FindTahoma() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return QStringLiteral("Tahoma");
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(tk::kTahomaFile));
    if (id >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) return families.front();
    }
    return QString::fromUtf8(kFallbackFamily);
}

} // namespace

FontMap::FontMap() : tahoma_(FindTahoma()) {}

QFont FontMap::Make(const tk::TFont& font) const {
    QFont result(font.Name == "Tahoma" ? tahoma_ : QString::fromStdString(font.Name));
    result.setPixelSize(PointsToPixels(font.Size));
    // Fractional advances run the blanks of a caption such as "Zн=" + 24 blanks + "+j"
    // ten pixels past the edit box they were counted to end before.
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

QFont FittedToWidth(QFont font, const QString& text, int width) {
    for (int tenths = 1; QFontMetrics(font).horizontalAdvance(text) > width && tenths <= 10;
         ++tenths)
        font.setLetterSpacing(QFont::AbsoluteSpacing, -0.1 * tenths);
    return font;
}

int CellTopMargin(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    constexpr int kWinAscent = 74, kUnitsPerEm = 18; // byte offsets in the two tables
    if (os2.size() < kWinAscent + 2 || head.size() < kUnitsPerEm + 2) return 0;
    const int winAscent = qFromBigEndian<quint16>(os2.constData() + kWinAscent);
    const int unitsPerEm = qFromBigEndian<quint16>(head.constData() + kUnitsPerEm);
    if (unitsPerEm == 0) return 0;
    const int gdiAscent = int(std::lround(double(winAscent) * font.pixelSize() / unitsPerEm));
    return std::max(0, gdiAscent - QFontMetrics(font).ascent());
}

} // namespace tkqt
