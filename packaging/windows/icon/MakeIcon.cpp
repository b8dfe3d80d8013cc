// Writes a program's Windows icon file (.ico) from the shapes its window draws, so that
// Explorer, the Start menu and the task bar show the picture the program shows itself:
//
//     make_icon zmatch zmatch.ico
//     make_icon zmatch zmatch-192.png 192     one PNG of that size (the web site's icons)
//
// The file holds 16, 24, 32 and 48 pixels as 32-bit bitmaps with alpha, which every part of
// Windows reads, and 256 pixels as PNG, as Windows keeps its large icons. The shapes are
// drawn by the Qt binding's own DrawnIcon, on the machine that builds, never on the user's.
#include "toolkit/qt/DrawnIcon.h"
#include "zline/Program.h"
#include "zmatch/Program.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QSaveFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 256};
constexpr int kPngFrom = 256; // this size and larger are kept as PNG

void PutU16(QByteArray& out, unsigned v) {
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void PutU32(QByteArray& out, std::uint32_t v) {
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

// A bitmap as an icon file keeps it: the header with twice the height (the colours, then
// the transparency mask), rows bottom-up, blue-green-red-alpha, then the one-bit mask, set
// where the picture is fully transparent, each row padded to four bytes.
QByteArray IconBitmap(const QImage& image) {
    const int size = image.width();
    const int maskRow = (size + 31) / 32 * 4;
    QByteArray out;
    PutU32(out, 40);
    PutU32(out, std::uint32_t(size));
    PutU32(out, std::uint32_t(2 * size));
    PutU16(out, 1);  // planes
    PutU16(out, 32); // bits per pixel
    PutU32(out, 0);  // uncompressed
    PutU32(out, std::uint32_t(size * size * 4 + maskRow * size));
    for (int i = 0; i < 4; ++i)
        PutU32(out, 0); // resolution and palette: none
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            const QRgb p = image.pixel(x, y);
            out.append(char(qBlue(p)));
            out.append(char(qGreen(p)));
            out.append(char(qRed(p)));
            out.append(char(qAlpha(p)));
        }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

QByteArray Png(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

QByteArray IconFile(const QIcon& icon) {
    constexpr int count = int(std::size(kSizes));
    QByteArray images[count];
    for (int i = 0; i < count; ++i) {
        const int size = kSizes[i];
        const QImage image =
            icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        images[i] = size >= kPngFrom ? Png(image) : IconBitmap(image);
    }
    QByteArray out;
    PutU16(out, 0);
    PutU16(out, 1); // an icon, not a cursor
    PutU16(out, count);
    std::uint32_t offset = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        const int size = kSizes[i];
        out.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        out.append(char(size >= 256 ? 0 : size));
        out.append(char(0)); // no palette
        out.append(char(0));
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, std::uint32_t(images[i].size()));
        PutU32(out, offset);
        offset += std::uint32_t(images[i].size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    const bool png = argc == 4;
    const int pngSize = png ? std::atoi(argv[3]) : 0;
    if ((argc != 3 && !png) || (png && (pngSize < 16 || pngSize > 1024))) {
        std::fprintf(stderr, "usage: make_icon zmatch|zline FILE.ico | FILE.png SIZE\n");
        return 2;
    }
    const std::string_view program = argv[1];
    tk::TIconArt art;
    if (program == "zmatch") art = zmatch::kProgram.Icon;
    if (program == "zline") art = zline::kProgram.Icon;
    if (art.empty()) {
        std::fprintf(stderr, "make_icon: no icon for \"%s\"\n", argv[1]);
        return 2;
    }
    // Nothing is shown: the drawing needs an application object, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    QSaveFile file(QString::fromLocal8Bit(argv[2]));
    const QIcon icon = tkqt::DrawnIcon(art);
    const QByteArray bytes =
        png ? Png(icon.pixmap(QSize(pngSize, pngSize)).toImage()) : IconFile(icon);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
