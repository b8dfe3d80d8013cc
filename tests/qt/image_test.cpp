#include "TestForm.h"

#include <QImage>
#include <QPixmap>

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

// A screen with two device pixels to the pixel, set up before the host starts Qt.
struct DenseScreen {
    DenseScreen() { qputenv("QT_SCALE_FACTOR", "2"); }
    ~DenseScreen() { qunsetenv("QT_SCALE_FACTOR"); }
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

} // namespace
} // namespace testform
