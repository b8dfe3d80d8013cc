#include "tests/qt/TestForm.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTransform>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace testform {
namespace {

tk::TColor Pattern(int x, int y) {
    return tk::RGB(x * 6, y * 8, (x * 31 + y * 17) & 0xff);
}

// Fills the canvas the way a handler draws on it, after the window has appeared.
void Paint(tk::TApplication& app, tk::TCanvas& canvas) {
    app.Dispatch([&] {
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                canvas.Bits()[y * canvas.Width() + x] = Pattern(x, y);
    });
}

// Each canvas pixel shows as a `scale` x `scale` block of device pixels of exactly its
// colour: nothing blended with its neighbours, nothing shifted.
void ExpectBlocks(const QImage& shot, const tk::TCanvas& canvas, int scale) {
    ASSERT_EQ(shot.size(), QSize(canvas.Width() * scale, canvas.Height() * scale));
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ASSERT_EQ(shot.pixel(x, y) & 0xffffffu, Pattern(x / scale, y / scale)) << x << "," << y;
}

using ImageTest = FormTest;

TEST_F(ImageTest, ShowsCanvasOneToOne) {
    tk::TCanvas& canvas = Control<tk::TImage>("Image1")->Canvas;
    Paint(app, canvas);
    ExpectBlocks(Widget("Image1")->grab().toImage(), canvas, 1);
}

// A screen with `factor` device pixels to the pixel, set up before the host starts Qt.
struct ScaledScreen {
    explicit ScaledScreen(const char* factor) { qputenv("QT_SCALE_FACTOR", factor); }
    ~ScaledScreen() { qunsetenv("QT_SCALE_FACTOR"); }
};

struct DenseScreen : ScaledScreen {
    DenseScreen() : ScaledScreen("2") {}
};

class DenseImageTest : private DenseScreen, public FormTest {};

TEST_F(DenseImageTest, ScalesCanvasWithoutSmoothing) {
    tk::TCanvas& canvas = Control<tk::TImage>("Image1")->Canvas;
    Paint(app, canvas);
    QWidget* image = Widget("Image1");
    ASSERT_EQ(image->devicePixelRatio(), 2.0);
    EXPECT_EQ(image->size(), QSize(canvas.Width(), canvas.Height()));
    ExpectBlocks(image->grab().toImage(), canvas, 2);
}

// Black lines one pixel wide on white: every fifth column, or every fifth row. Shrunk to
// half, four white pixels still leave a white device pixel between two lines.
void PaintLines(tk::TApplication& app, tk::TCanvas& canvas, bool columns) {
    app.Dispatch([&] {
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                canvas.Bits()[y * canvas.Width() + x] =
                    (columns ? x : y) % 5 == 2 ? 0 : tk::clWhite;
    });
}

// The weight of every line crossing each row of the picture: the darkness of its device
// pixels added up, a black pixel counting 1.
std::vector<double> LineWeights(const QImage& shot) {
    std::vector<double> weights;
    for (int y = 0; y < shot.height(); ++y) {
        double line = 0;
        for (int x = 0; x < shot.width(); ++x) {
            const int gray = qGreen(shot.pixel(x, y));
            line += (255 - gray) / 255.0;
            if (gray == 255 && line > 0) weights.push_back(std::exchange(line, 0));
        }
    }
    return weights;
}

// A desktop scale, and the width of the client area: 0 leaves the window maximised, a width
// too small for the picture shrinks it.
struct Showing {
    const char* ratio;
    int clientWidth;
};

class SmoothImageTest : public ::testing::WithParamInterface<Showing>,
                        private ScaledScreen,
                        public FormTest {
  protected:
    SmoothImageTest() : ScaledScreen(GetParam().ratio) {}
};

// Scaled by a fraction, on a scaled desktop or shrunk into a small window, every one-pixel
// line weighs what a canvas pixel does on screen, along its whole length and wherever it
// lies (nearest-neighbour scaling makes it one device pixel here, two there), and a
// handler's new picture replaces the old one.
TEST_P(SmoothImageTest, KeepsEveryLineOneWeight) {
    tk::TCanvas& canvas = Control<tk::TImage>("Image1")->Canvas;
    QWidget* image = Widget("Image1");
    const double ratio = QByteArray(GetParam().ratio).toDouble(); // whatever the locale
    ASSERT_EQ(image->devicePixelRatio(), ratio);
    if (const int width = GetParam().clientWidth) {
        QWidget* window = host.Window();
        window->showNormal();
        window->resize(width, 600);
        ASSERT_TRUE(QTest::qWaitFor([&] { return image->width() < canvas.Width(); }));
    }
    for (const bool columns : {true, false}) {
        SCOPED_TRACE(columns ? "columns" : "rows");
        PaintLines(app, canvas, columns);
        const QImage shot = image->grab().toImage();
        const double weight = columns ? double(shot.width()) / canvas.Width()
                                      : double(shot.height()) / canvas.Height();
        const std::vector<double> weights =
            LineWeights(columns ? shot : shot.transformed(QTransform().rotate(90)));
        ASSERT_GE(weights.size(), 10u);
        const auto [lightest, heaviest] = std::minmax_element(weights.begin(), weights.end());
        EXPECT_NEAR(*lightest, weight, 0.05);
        EXPECT_NEAR(*heaviest, weight, 0.05);
    }
}

// The test form's picture, 40 × 30 at (200, 8), is 30 pixels wide in a client area 238 wide.
INSTANTIATE_TEST_SUITE_P(Scales, SmoothImageTest,
                         ::testing::Values(Showing{"1.25", 0}, Showing{"1.5", 0},
                                           Showing{"1.75", 0}, Showing{"1", 238}, Showing{"1", 230},
                                           Showing{"1.5", 238}),
                         [](const ::testing::TestParamInfo<Showing>& info) {
                             std::string name = std::string("at_") + info.param.ratio;
                             std::replace(name.begin(), name.end(), '.', '_');
                             if (info.param.clientWidth)
                                 name += "_in_" + std::to_string(info.param.clientWidth);
                             return name;
                         });

} // namespace
} // namespace testform
