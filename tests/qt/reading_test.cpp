// Reading a picture in the window: the readout under the pointer and beside the reading
// cross, a pixel taken by a double-click or by Enter, the cross's keys, and what assistive
// technology is told. The form's picture has the chart's size; its readout names the pixel.
#include "tests/qt/TestForm.h"
#include "toolkit/PointerReading.h"
#include "toolkit/ReadingCross.h"
#include "toolkit/qt/CanvasImage.h"
#include "toolkit/qt/ImageWidget.h"
#include "toolkit/qt/ReadoutLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace testform {
namespace {

constexpr tk::TControlDesc kReadingControls[] = {
    {K::Image, "Image1", nullptr, 200, 8, 807, 689, "", -1},
    {K::Edit, "Edit1", nullptr, 8, 13, 60, 21, "0", 0},
    {K::Button, "Button1", nullptr, 8, 99, 169, 25, "Показать точку", 1},
};
constexpr tk::TFormDesc kReadingForm{"Диаграмма сопротивлений", 1016, 734, kReadingControls, {}};

// The readout says "x y" for each pixel but those of the ten leftmost columns, where it
// says nothing; a pick is recorded.
class TReadingForm : public tk::TForm {
  public:
    TReadingForm() : TForm(kReadingForm) {
        tk::TImage& image = *Get<tk::TImage>("Image1");
        image.ReadingStart = {400, 350};
        image.OnReadout = [](tk::TPoint p) {
            return p.X < 10 ? std::string() : std::to_string(p.X) + " " + std::to_string(p.Y);
        };
        image.OnPick = [this](tk::TPoint p) { Picks.push_back(p); };
    }
    std::vector<tk::TPoint> Picks;
};

// Counts the paints a widget gets and keeps the region they covered.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++Paints;
            Painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    int Paints = 0;
    QRegion Painted;
};

// A desktop scale for Qt, set before the host starts it; "1" leaves it unset.
struct DesktopScale {
    explicit DesktopScale(const char* factor) {
        if (QByteArray(factor) != "1") qputenv("QT_SCALE_FACTOR", factor);
    }
    ~DesktopScale() { qunsetenv("QT_SCALE_FACTOR"); }
};

class ReadingTest : public ::testing::Test {
  protected:
    explicit ReadingTest(const char* scale = "1") : scale_(scale) {
        app.CreateForm(form);
        host.Window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(host.Window()));
    }

    tkqt::ImageWidget* Picture() const {
        return dynamic_cast<tkqt::ImageWidget*>(host.WidgetOf(*form->FindControl("Image1")));
    }
    const tkqt::ReadoutLabel& Readout() const { return Picture()->Readout(); }
    // The top-left corner of the widget's box that shows `pixel`, at whatever size it has.
    QPointF PointOf(tk::TPoint pixel) const {
        const tk::TRect box =
            tk::ShownBoxOf(pixel, {Picture()->width(), Picture()->height()}, {807, 689});
        return {double(box.Left), double(box.Top)};
    }
    // What the window system reports of the pointer, at exactly that point of the picture:
    // a move, a double-click, or the pointer leaving it.
    void Send(QEvent::Type type, tk::TPoint pixel = {}) const {
        const QPointF at = PointOf(pixel);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, Picture()->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(Picture(), &event);
    }
    void Leave() const {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(Picture(), &leave);
    }
    std::string Described() const {
        return QAccessible::queryAccessibleInterface(Picture())
            ->text(QAccessible::Description)
            .toStdString();
    }
    // Lets the window system deliver the repaints a move asked for.
    static void Settle() { QTest::qWait(50); }

    DesktopScale scale_;
    testing_qt::OffscreenDesktop platform;
    RecordingHost host;
    tk::TApplication app{host};
    TReadingForm* form = nullptr;
};

// A desktop scale and the client area's width: 0 leaves the window maximised, a smaller one
// shrinks the picture.
struct Showing {
    const char* scale;
    int clientWidth;
};

class PointerReadingTest : public ::testing::WithParamInterface<Showing>, public ReadingTest {
  protected:
    PointerReadingTest() : ReadingTest(GetParam().scale) {
        if (const int width = GetParam().clientWidth) {
            host.Window()->showNormal();
            host.Window()->resize(width, 600);
            EXPECT_TRUE(QTest::qWaitFor([&] { return Picture()->width() < 807; }));
        }
    }
};

// The pointer reads the canvas pixel it is over at any scale, in a box beside it inside the
// window, which a screen reader reads too; nothing to read or the pointer gone, no box.
TEST_P(PointerReadingTest, ReadsThePixelUnderThePointer) {
    tkqt::ImageWidget* picture = Picture();
    Send(QEvent::MouseMove, {460, 230});
    ASSERT_TRUE(Readout().isVisible());
    EXPECT_EQ(Readout().text().toStdString(), "460 230");
    EXPECT_EQ(Described(), "460 230");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name).toStdString(),
              "Диаграмма");
    const QRect window(host.Window()->mapToGlobal(QPoint(0, 0)), host.Window()->size());
    EXPECT_TRUE(window.contains(Readout().geometry())) << "the readout runs out of the window";
    EXPECT_FALSE(
        Readout().geometry().contains(picture->mapToGlobal(PointOf({460, 230})).toPoint()));

    Send(QEvent::MouseMove, {5, 230});
    EXPECT_FALSE(Readout().isVisible()) << "an empty readout is shown";
    Send(QEvent::MouseMove, {460, 230});
    Leave();
    EXPECT_FALSE(Readout().isVisible()) << "the readout stays when the pointer leaves";
}

// A double-click takes the pixel under the pointer.
TEST_P(PointerReadingTest, DoubleClickPicksThePixel) {
    Send(QEvent::MouseButtonDblClick, {460, 230});
    EXPECT_EQ(form->Picks, (std::vector<tk::TPoint>{{460, 230}}));
}

INSTANTIATE_TEST_SUITE_P(Scales, PointerReadingTest,
                         ::testing::Values(Showing{"1", 0}, Showing{"1.5", 0}, Showing{"1", 800},
                                           Showing{"1.5", 800}),
                         [](const ::testing::TestParamInfo<Showing>& info) {
                             std::string name = std::string("at_") + info.param.scale;
                             std::replace(name.begin(), name.end(), '.', '_');
                             if (info.param.clientWidth)
                                 name += "_in_" + std::to_string(info.param.clientWidth);
                             return name;
                         });

// Following the pointer moves and rewrites the readout alone: the picture is not painted
// again.
TEST_F(ReadingTest, PointerMovesRepaintNoPicture) {
    tkqt::ImageWidget* picture = Picture();
    Send(QEvent::MouseMove, {460, 230});
    Settle();
    const QPoint before = Readout().pos();
    PaintCounter counter(picture);
    for (const tk::TPoint p : {tk::TPoint{461, 230}, tk::TPoint{600, 500}, tk::TPoint{790, 680}})
        Send(QEvent::MouseMove, p);
    Settle();
    EXPECT_EQ(Readout().text().toStdString(), "790 680");
    EXPECT_NE(Readout().pos(), before);
    EXPECT_EQ(counter.Paints, 0);
}

// Tab reaches the picture after every designed control; the cross starts where the picture
// says, the arrows move it a pixel (ten with Shift) repainting only where it was and where
// it goes, and the readout follows; Enter, either of them, takes its pixel; Esc puts the
// cross and the readout away, leaving the picture as it was.
TEST_F(ReadingTest, KeysReadWithTheCross) {
    tkqt::ImageWidget* picture = Picture();
    QWidget* button = host.WidgetOf(*form->FindControl("Button1"));
    button->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(button, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), picture) << "Tab does not reach the picture last";
    EXPECT_EQ(picture->Cross(), (tk::TPoint{400, 350}));
    EXPECT_EQ(Readout().text().toStdString(), "400 350");
    Settle();

    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        tk::TPoint cross;
    };
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, {401, 350}},
        {Qt::Key_Down, Qt::ShiftModifier, {401, 360}},
        {Qt::Key_Left, Qt::ShiftModifier, {391, 360}},
        {Qt::Key_Up, Qt::NoModifier, {391, 359}},
    };
    for (const Step& s : steps) {
        const tk::TPoint from = *picture->Cross();
        PaintCounter counter(picture);
        QTest::keyClick(picture, s.key, s.modifiers);
        Settle();
        EXPECT_EQ(picture->Cross(), s.cross);
        const std::string reading = std::to_string(s.cross.X) + " " + std::to_string(s.cross.Y);
        EXPECT_EQ(Readout().text().toStdString(), reading);
        EXPECT_EQ(Described(), reading);
        const QRegion near =
            QRegion(QRect(PointOf(from).toPoint() - QPoint(10, 10), QSize(21, 21))) +
            QRect(PointOf(s.cross).toPoint() - QPoint(10, 10), QSize(21, 21));
        EXPECT_FALSE(counter.Painted.isEmpty());
        EXPECT_TRUE((counter.Painted - near).isEmpty())
            << "repainted " << counter.Painted.boundingRect().width() << " x "
            << counter.Painted.boundingRect().height();
    }

    QTest::keyClick(picture, Qt::Key_Return);
    QTest::keyClick(picture, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form->Picks, (std::vector<tk::TPoint>{{391, 359}, {391, 359}}));

    const QImage canvas = tkqt::CanvasImage(form->Get<tk::TImage>("Image1")->Canvas);
    EXPECT_NE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32), canvas)
        << "no cross to be seen";
    QTest::keyClick(picture, Qt::Key_Escape);
    EXPECT_FALSE(picture->Cross());
    EXPECT_FALSE(Readout().isVisible());
    EXPECT_EQ(picture->grab().toImage().convertToFormat(QImage::Format_RGB32), canvas);
    QTest::keyClick(picture, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), host.WidgetOf(*form->FindControl("Edit1")));
}

// The cross on screen is the toolkit's description, pixel for pixel, and it moves as the
// toolkit says: the first arrow after Esc brings it back and moves it.
TEST_F(ReadingTest, CrossLooksAndMovesAsTheToolkitSays) {
    tkqt::ImageWidget* picture = Picture();
    picture->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(picture->Cross(), (tk::TPoint{400, 350}));
    const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto pieces = tk::CrossPieces(
        tk::ShownBoxOf({400, 350}, {picture->width(), picture->height()}, {807, 689}));
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const tk::TRect& r = pieces[k].Box;
        for (int y = r.Top; y < r.Top + r.Height; ++y)
            for (int x = r.Left; x < r.Left + r.Width; ++x) {
                // The last piece over a pixel is the one seen.
                tk::TColor expected = pieces[k].Color;
                for (std::size_t later = k + 1; later < pieces.size(); ++later) {
                    const tk::TRect& o = pieces[later].Box;
                    if (x >= o.Left && x < o.Left + o.Width && y >= o.Top && y < o.Top + o.Height)
                        expected = pieces[later].Color;
                }
                ASSERT_EQ(shown.pixel(x, y) & 0xffffff, expected) << x << ", " << y;
            }
    }
    QTest::keyClick(picture, Qt::Key_Escape);
    EXPECT_FALSE(picture->Cross());
    EXPECT_EQ(QApplication::focusWidget(), picture);
    QTest::keyClick(picture, Qt::Key_Left);
    EXPECT_EQ(picture->Cross(), (tk::TPoint{399, 350}));
    EXPECT_EQ(Readout().text().toStdString(), "399 350");
}

} // namespace
} // namespace testform
