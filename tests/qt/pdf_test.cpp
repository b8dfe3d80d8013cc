// The PDF figure against the canvas it is played back from: on the pinned pictures of both
// programs, drawn back at the canvas's size by poppler's pdftoppm, every inked pixel of
// either lies within one pixel of an inked pixel of the other; poppler finds the face
// embedded, the labels as text and the title. The PNG, read by Qt, is the canvas itself.
#include "chart/AdmittanceGrid.h"
#include "chart/PictureTitle.h"
#include "tests/common/ScopedDecimalSeparator.h"
#include "toolkit/CanvasLog.h"
#include "toolkit/Exceptions.h"
#include "toolkit/PdfDocument.h"
#include "toolkit/PngWriter.h"
#include "toolkit/VectorShapes.h"
#include "toolkit/qt/PrintPicture.h"
#include "zline/Unit1.h"
#include "zmatch/Unit1.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

// Fonts and the PDF writer need a GUI application; the offscreen platform needs no display.
class GuiEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
        static int argc = 1;
        static char name[] = "pdf_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv); // kept: Qt's statics may be gone at exit
    }

  private:
    QGuiApplication* app_ = nullptr;
};

const testing::Environment* const kGui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

// A program's form drawn as at start-up, its canvas's log kept from the first call.
template <class TForm> struct Drawn {
    Drawn() : form(state) {
        form.Image1->Canvas.Log = &log;
        form.FormCreate(&form);
    }
    const tk::TCanvas& Canvas() const { return form.Image1->Canvas; }

    std::vector<tk::TCanvasCall> log;
    testing_common::ScopedDecimalSeparator sep{','};
    chart::TChartState state;
    TForm form;
};

// A pixel carries ink when some channel is at most half: the chart's colours all do, the
// faint rim of a glyph does not. It bears a mark at any visible trace: a line whose band
// falls half on each of two pixels (the side of a circle about a pixel's corner) marks
// both where the canvas inks one, and the canvas's hinted glyphs put a stem as a faint
// column where the face's own outline puts it whole.
bool Ink(QRgb p) {
    return qRed(p) < 128 || qGreen(p) < 128 || qBlue(p) < 128;
}
bool Mark(QRgb p) {
    return qRed(p) < 240 || qGreen(p) < 240 || qBlue(p) < 240;
}

class PdfPicture : public testing::Test {
  protected:
    // The canvas's PDF, drawn back by pdftoppm at 96 dpi, one pixel to the canvas's pixel.
    // Smoothed, a pixel comes out inked when a shape covers about half of it, as when the shape
    // holds its centre, the canvas's rule; unsmoothed, poppler paints every pixel a shape touches.
    QImage Rendered(const tk::TCanvas& canvas, const QString& name,
                    const std::function<void(const QString& pdf)>& write = {}, int dpi = 96) {
        const QString pdf = dir.filePath(name + ".pdf");
        if (write)
            write(pdf);
        else
            tk::SavePdf(canvas, pdf.toStdString(), ("test — " + name).toStdString());
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty()) {
            ADD_FAILURE() << "pdftoppm (poppler-utils) is needed to read the PDF back";
            return {};
        }
        QProcess::execute(
            pdftoppm, {"-png", "-singlefile", "-r", QString::number(dpi), pdf, dir.filePath(name)});
        // The page is the picture to the next whole point: a white edge right and below.
        return QImage(dir.filePath(name + ".png"))
            .copy(0, 0, canvas.Width(), canvas.Height())
            .convertToFormat(QImage::Format_RGB32);
    }

    // The pixels of `a` inked where `b` has no mark within a pixel, "x,y" each, the first few.
    static std::vector<std::string> Unmatched(const QImage& a, const QImage& b) {
        std::vector<std::string> far;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                if (!Ink(a.pixel(x, y))) continue;
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near = b.valid(x + dx, y + dy) && Mark(b.pixel(x + dx, y + dy));
                if (!near && far.size() < 10)
                    far.push_back(std::to_string(x) + "," + std::to_string(y));
            }
        return far;
    }

    void ExpectSamePicture(const tk::TCanvas& canvas, const QString& name,
                           const std::function<void(const QString& pdf)>& write = {},
                           int dpi = 96) {
        const QImage pdf = Rendered(canvas, name, write, dpi);
        ASSERT_EQ(pdf.size(), QSize(canvas.Width(), canvas.Height()));
        const QImage bitmap(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(),
                            canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
        // Canvas ink the figure lost: a shape or a label left out or misplaced.
        EXPECT_EQ(Unmatched(bitmap, pdf), std::vector<std::string>()) << "missing from the PDF";
        // Figure ink the canvas has not: what a wipe should have covered showing through, a
        // gap of a dash filled, a shape drawn where it is not.
        EXPECT_EQ(Unmatched(pdf, bitmap), std::vector<std::string>()) << "not on the canvas";
    }

    QTemporaryDir dir;
};

// The grid alone, each kind of load point, and both stubs on loads above, below and on the
// real axis, as the pinned pictures draw them.
TEST_F(PdfPicture, ZmatchPinnedPicturesAsOnTheCanvas) {
    struct Case {
        const char *rn, *xn; // nullptr: the grid as at start-up
        int stub;            // 0 none, 1 short, 2 open
    };
    const Case cases[] = {{nullptr, nullptr, 0}, {"50", "50", 0},  {"50", "50", 1},
                          {"50", "50", 2},       {"20", "-35", 1}, {"20", "-35", 2},
                          {"150", "0", 1},       {"0", "0", 0},    {"1e6", "1", 0}};
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rn ? std::string(c.rn) + " " + c.xn + " stub " + std::to_string(c.stub)
                          : "grid");
        Drawn<zmatch::TForm1> w;
        if (c.rn) {
            w.form.Edit1->Text = c.rn;
            w.form.Edit2->Text = c.xn;
            w.form.Edit3->Text = "50";
            w.form.Edit4->Text = "0";
            w.form.Button1Click(w.form.Button1);
        }
        if (c.stub) {
            (c.stub == 1 ? w.form.RadioButton1 : w.form.RadioButton2)->SetChecked(true);
            w.form.Edit6->Text = "1";
            w.form.Button2Click(w.form.Button2);
        }
        ExpectSamePicture(w.Canvas(), "zmatch" + QString::number(n++));
    }
}

// The grid with its ruler, load points with and without their mirror images (a dashed box),
// and moves (a dashed circle) with and without loss, either way along the line.
TEST_F(PdfPicture, ZlinePinnedPicturesAsOnTheCanvas) {
    struct Case {
        const char *rn, *xn;
        bool mirrors;
        const char* attenuation; // nullptr: no move
        bool towardGenerator;
    };
    const Case cases[] = {
        {nullptr, nullptr, false, nullptr, true}, {"50", "50", false, nullptr, true},
        {"50", "50", true, nullptr, true},        {"20", "-35", true, nullptr, true},
        {"50", "50", false, "2", true},           {"50", "50", true, "2", false},
        {"20", "-35", false, "0", true},          {"150", "0", false, "6", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rn ? std::string(c.rn) + " " + c.xn + (c.mirrors ? " mirrors" : "") +
                                (c.attenuation ? std::string(" moved, ") + c.attenuation : "")
                          : "grid");
        Drawn<zline::TForm1> w;
        if (c.rn) {
            w.form.Edit1->Text = c.rn;
            w.form.Edit2->Text = c.xn;
            w.form.Edit3->Text = "50";
            w.form.Edit4->Text = "0";
            w.form.CheckBox1->Checked = c.mirrors;
            w.form.Button1Click(w.form.Button1);
        }
        if (c.attenuation) {
            (c.towardGenerator ? w.form.RadioButton1 : w.form.RadioButton2)->SetChecked(true);
            w.form.Edit5->Text = "0,3";
            w.form.Edit6->Text = "1";
            w.form.Edit7->Text = c.attenuation;
            w.form.Button2Click(w.form.Button2);
        }
        ExpectSamePicture(w.Canvas(), "zline" + QString::number(n++));
    }
}

// The dashed circle of a move: in the middle of each gap the figure is as blank as the
// canvas, in the middle of each dash as inked.
TEST_F(PdfPicture, DashedCircleStaysDashed) {
    Drawn<zline::TForm1> w;
    w.form.Edit1->Text = "50";
    w.form.Edit2->Text = "50";
    w.form.Edit3->Text = "50";
    w.form.Edit4->Text = "0";
    w.form.Button1Click(w.form.Button1);
    w.form.Edit5->Text = "0,3";
    w.form.Edit6->Text = "1";
    w.form.Edit7->Text = "2";
    w.form.Button2Click(w.form.Button2);
    const QImage pdf = Rendered(w.Canvas(), "dashed");
    ASSERT_FALSE(pdf.isNull());
    int gaps = 0, dashes = 0;
    for (const tk::TCanvasCall& c : w.log) {
        if (c.Op != tk::TCanvasCall::TOp::Ellipse || c.Pen.Style != tk::TPenStyle::psDash) continue;
        const double cx = (c.X1 + c.X2) / 2.0, cy = (c.Y1 + c.Y2) / 2.0;
        const double r = std::abs(c.X2 - c.X1) / 2.0;
        // Places along the circle, in pixels from 3 o'clock counter-clockwise: 18 drawn, 6 not.
        for (double place = 0; place + 24 < 2 * std::numbers::pi * r; place += 24)
            for (const bool gap : {false, true}) {
                const double a = (place + (gap ? 21 : 9)) / r;
                const int x = int(std::floor(cx + (r - 0.5) * std::cos(a)));
                const int y = int(std::floor(cy - (r - 0.5) * std::sin(a)));
                if (!pdf.valid(x, y)) continue;
                // A gap is looked at where nothing else of the canvas comes within a pixel.
                bool blank = true;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        blank = blank && (!pdf.valid(x + dx, y + dy) ||
                                          !Mark(w.Canvas().Pixel(x + dx, y + dy)));
                if (gap && blank) {
                    ++gaps;
                    EXPECT_FALSE(Ink(pdf.pixel(x, y))) << "gap filled at " << x << "," << y;
                }
                if (!gap && Ink(w.Canvas().Pixel(x, y))) {
                    ++dashes;
                    EXPECT_TRUE(Mark(pdf.pixel(x, y))) << "dash lost at " << x << "," << y;
                }
            }
    }
    EXPECT_GT(gaps, 10);
    EXPECT_GT(dashes, 10);
}

// A printout is the same figure fitted to the page: printed to a file on a page of the
// picture's own size, it is the picture.
TEST_F(PdfPicture, PrintoutIsTheFigureFitted) {
    Drawn<zmatch::TForm1> w;
    w.form.Edit1->Text = "100";
    w.form.Edit2->Text = "50";
    w.form.Edit3->Text = "50";
    w.form.Edit4->Text = "0";
    w.form.Button1Click(w.form.Button1);
    w.form.Button2Click(w.form.Button2);
    ExpectSamePicture(
        w.Canvas(), "printed",
        [&](const QString& pdf) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            // 807 x 689 pixels at 96 dpi are 807 x 689 points at 72 dpi: the page is read back
            // at 72 dpi below, so the picture lands on it one pixel to the point.
            printer.setPageLayout(
                QPageLayout(QPageSize(QSize(w.Canvas().Width(), w.Canvas().Height()), QString(),
                                      QPageSize::ExactMatch),
                            QPageLayout::Portrait, QMarginsF()));
            tkqt::PrintPicture(printer, w.Canvas());
        },
        72);
}

// Shapes far larger than the picture: what shows of them lands where the canvas puts it,
// and nothing written lies more than a few thousand pixels from the picture (a writer's
// number format overflows past 2^31).
TEST_F(PdfPicture, HugeShapesAreTheirVisiblePart) {
    using Op = tk::TCanvasCall::TOp;
    const int r = 1 << 29; // the canvas draws ellipses to the pixel within +-2^29
    struct Case {
        const char* what;
        tk::TCanvasCall call;
    };
    const tk::TPen thin{tk::clBlue, 1, tk::TPenStyle::psSolid};
    const tk::TPen dashed{tk::clBlue, 1, tk::TPenStyle::psDash};
    const tk::TPen wide{tk::clBlue, 9, tk::TPenStyle::psSolid};
    const tk::TBrush clear{tk::TBrushStyle::bsClear, tk::clWhite};
    const tk::TBrush lime{tk::TBrushStyle::bsSolid, tk::clLime};
    const Case cases[] = {
        {"a circle of radius 2^29 through the picture",
         {Op::Ellipse, 300 - 2 * r, 350 - r, 300, 350 + r, {}, thin, clear}},
        {"the same, dashed", {Op::Ellipse, 300 - 2 * r, 350 - r, 300, 350 + r, {}, dashed, clear}},
        {"the same, wide and filled",
         {Op::Ellipse, 300 - 2 * r, 350 - r, 300, 350 + r, {}, wide, lime}},
        {"an ellipse thinner than its pen, its centre 2^30 below",
         {Op::Ellipse, 400, -r, 403, 3 * r, {}, wide, clear}},
        {"a box from corner to corner of the int range",
         {Op::Rectangle, INT_MIN, INT_MIN, INT_MAX, INT_MAX, {}, wide, lime}},
        {"a dashed box around the picture, its edges far out",
         {Op::Rectangle, -r, 100, r, 600, {}, dashed, clear}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tk::TCanvas canvas(807, 689);
        std::vector<tk::TCanvasCall> calls{c.call};
        tk::Replay(canvas, calls);
        ExpectSamePicture(canvas, "huge" + QString::number(n++), [&](const QString& pdf) {
            const std::vector<std::uint8_t> bytes =
                tk::PdfOfCalls(calls, canvas.Width(), canvas.Height(), "huge");
            QFile file(pdf);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        });

        const tk::TShapes shapes(canvas.Width(), canvas.Height());
        const tk::TBox box = tk::TBox::Of(c.call.X1, c.call.Y1, c.call.X2, c.call.Y2);
        const tk::TStroke pen{c.call.Pen.Width, c.call.Pen.Style == tk::TPenStyle::psDash};
        for (const tk::TPath& path : {shapes.EllipseStroke(box, pen), shapes.EllipseArea(box),
                                      shapes.RectangleStroke(box, pen), shapes.BoxArea(box)}) {
            if (path.Empty()) continue;
            const tk::TRectF bounds = path.Bounds();
            EXPECT_TRUE((tk::TRectF{-5000, -5000, 5000, 5000}.Contains(bounds)))
                << bounds.left << "," << bounds.top << " " << bounds.right;
        }
    }
}

// What one of poppler's tools prints.
QString Told(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The labels are text in the whole face, embedded, which a reader copies out as the canvas
// wrote it; the title is the document's.
TEST_F(PdfPicture, LabelsAreTextOfTheEmbeddedFace) {
    Drawn<zmatch::TForm1> w;
    w.form.Edit1->Text = "100";
    w.form.Edit2->Text = "50";
    w.form.Edit3->Text = "50";
    w.form.Edit4->Text = "0";
    w.form.Edit6->Text = "1";
    w.form.Button1Click(w.form.Button1);
    w.form.Button2Click(w.form.Button2);
    const QString pdf = dir.filePath("text.pdf");
    tk::SavePdf(w.Canvas(), pdf.toStdString(), "zmatch — Zн = 100+j50 Ом, Zв = 50 Ом");
    // name, type, encoding, embedded, subset, ToUnicode
    const QString fonts = Told("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains(QRegularExpression("Tahoma +CID TrueType +Identity-H +yes no +yes")))
        << fonts.toStdString();
    EXPECT_TRUE(
        Told("pdfinfo", {pdf})
            .contains(QRegularExpression("Title: +zmatch — Zн = 100\\+j50 Ом, Zв = 50 Ом\n")));
    const QString copied = Told("pdftotext", {pdf, "-"});
    EXPECT_TRUE(copied.contains("Длина шлейфа")) << copied.toStdString();
}

// The PNG is the canvas pixel for pixel, as Qt's reader reads it, for pictures of either
// program.
TEST_F(PdfPicture, PngIsTheCanvas) {
    Drawn<zmatch::TForm1> z;
    z.form.Edit1->Text = "20";
    z.form.Edit2->Text = "-35";
    z.form.Edit3->Text = "50";
    z.form.Edit4->Text = "0";
    z.form.Edit6->Text = "1";
    z.form.Button1Click(z.form.Button1);
    z.form.Button2Click(z.form.Button2);
    Drawn<zline::TForm1> l;
    l.form.Edit1->Text = "50";
    l.form.Edit2->Text = "50";
    l.form.Edit3->Text = "50";
    l.form.Edit4->Text = "0";
    l.form.CheckBox1->Checked = true;
    l.form.Button1Click(l.form.Button1);
    for (const tk::TCanvas* canvas : {&z.Canvas(), &l.Canvas()}) {
        const QString path = dir.filePath("picture.png");
        tk::SavePng(*canvas, path.toStdString());
        const QImage png(path);
        ASSERT_EQ(png.size(), QSize(canvas->Width(), canvas->Height()));
        EXPECT_FALSE(png.hasAlphaChannel());
        for (int y = 0; y < canvas->Height(); ++y)
            for (int x = 0; x < canvas->Width(); ++x)
                ASSERT_EQ(png.pixel(x, y) & 0xFFFFFFu, canvas->Pixel(x, y)) << x << "," << y;
    }
}

// With the admittance grid shown, the PNG is the picture shown (the canvas with the grid
// through its white) and the PDF plays the grid's calls after the canvas's, in its ink:
// the same picture within a pixel, but for the grid's arcs running on over the
// construction's lines, which the picture on screen breaks off at them.
TEST_F(PdfPicture, AdmittanceGridInPngAndPdf) {
    Drawn<zmatch::TForm1> z;
    z.form.Edit1->Text = "20";
    z.form.Edit2->Text = "-35";
    z.form.Edit3->Text = "50";
    z.form.Edit4->Text = "0";
    z.form.Edit6->Text = "1";
    z.form.Button1Click(z.form.Button1);
    z.form.Button2Click(z.form.Button2);
    tk::TImage& image = *z.form.Image1;
    image.ShowOverlay(true);
    const tk::TCanvas& shown = image.Picture();

    const QString path = dir.filePath("grid.png");
    tk::SavePng(shown, path.toStdString());
    const QImage png(path);
    int changed = 0;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x) {
            ASSERT_EQ(png.pixel(x, y) & 0xFFFFFFu, shown.Pixel(x, y)) << x << "," << y;
            if (shown.Pixel(x, y) != z.Canvas().Pixel(x, y)) {
                ASSERT_EQ(z.Canvas().Pixel(x, y), tk::clWhite) << x << "," << y;
                ++changed;
            }
        }
    EXPECT_GT(changed, 10000);

    const auto write = [&](const QString& pdf) {
        tk::SavePdf(image.Canvas, pdf.toStdString(), "grid", image.OverlayCalls());
    };
    const QImage pdf = Rendered(shown, "grid", write);
    const QImage bitmap(reinterpret_cast<const uchar*>(shown.Bits()), shown.Width(), shown.Height(),
                        shown.Width() * 4, QImage::Format_RGB32);
    EXPECT_EQ(Unmatched(bitmap, pdf), std::vector<std::string>()) << "missing from the PDF";
    int ink = 0;
    for (int y = 0; y < pdf.height(); ++y)
        for (int x = 0; x < pdf.width(); ++x)
            ink += (pdf.pixel(x, y) & 0xFFFFFFu) == chart::AdmittanceGridInk;
    EXPECT_GT(ink, 5000);

    image.ShowOverlay(false);
    EXPECT_EQ(&image.Picture(), &image.Canvas);
    EXPECT_TRUE(image.OverlayCalls().calls.empty());
}

TEST_F(PdfPicture, UnwritableFolderGivesMessageAndNoFile) {
    Drawn<zmatch::TForm1> w;
    const QString path = dir.filePath("no such folder/chart.pdf");
    try {
        tk::SavePdf(w.Canvas(), path.toStdString(), "zmatch");
        FAIL() << "saved into a folder that does not exist";
    } catch (const tk::Exception& e) {
        EXPECT_NE(e.Message.find("Не удалось сохранить рисунок"), std::string::npos) << e.Message;
    }
    EXPECT_FALSE(QFile::exists(path));
}

// The title names the load of the last «Показать точку» in ohms, none before the first.
TEST_F(PdfPicture, TitleNamesTheLoadShown) {
    Drawn<zmatch::TForm1> w;
    EXPECT_EQ(chart::PictureTitle(w.form), "");
    w.form.Edit1->Text = "100";
    w.form.Edit2->Text = "-50";
    w.form.Edit3->Text = "75";
    w.form.Edit4->Text = "0";
    w.form.Button1Click(w.form.Button1);
    w.form.Edit1->Text = "1"; // typed, not shown
    EXPECT_EQ(chart::PictureTitle(w.form), "Zн = 100-j50 Ом, Zв = 75 Ом");
}

} // namespace
