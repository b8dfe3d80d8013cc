// The picture out of the window: what is saved and copied is the canvas, pixel for pixel,
// and a file that cannot be written is reported and not left behind.
#include "tests/qt/TestForm.h"

#include "toolkit/Exceptions.h"
#include "toolkit/PngWriter.h"
#include "toolkit/qt/PictureMenu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>

namespace testform {
namespace {

class PictureTest : public FormTest {
  protected:
    PictureTest() {
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                canvas.Bits()[y * canvas.Width() + x] = tk::RGB(x * 6, y * 8, (x * 31 + y) & 0xff);
    }

    void Trigger(const char* text) {
        for (QAction* action : Widget("Image1")->actions())
            if (action->text() == QString::fromUtf8(text)) return action->trigger();
        FAIL() << "no menu item " << text;
    }

    void ExpectCanvas(const QImage& image) const {
        ASSERT_EQ(image.size(), QSize(canvas.Width(), canvas.Height()));
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x)
                ASSERT_EQ(image.pixel(x, y) & 0xffffffu, canvas.Bits()[y * canvas.Width() + x])
                    << x << "," << y;
    }

    tk::TCanvas& canvas = Control<tk::TImage>("Image1")->Canvas;
    QTemporaryDir dir;
};

TEST_F(PictureTest, SavedPngAndClipboardHoldTheCanvas) {
    const QString path = dir.filePath("chart.png");
    tk::SavePng(canvas, path.toStdString());
    ExpectCanvas(QImage(path));

    Trigger("Копировать рисунок");
    ExpectCanvas(QApplication::clipboard()->image());
    EXPECT_TRUE(host.Errors.empty());
}

TEST_F(PictureTest, UnwritablePathGivesMessageAndNoFile) {
    const QString path = dir.filePath("no such folder/chart.png");
    try {
        tk::SavePng(canvas, path.toStdString());
        FAIL() << "saved into a folder that does not exist";
    } catch (const tk::Exception& e) {
        EXPECT_NE(e.Message.find("Не удалось сохранить рисунок"), std::string::npos) << e.Message;
    }
    EXPECT_FALSE(QFile::exists(path));
}

// The form's actions become the image's menu, in their order, with their keys; the text
// action copies what the form makes at the moment it runs.
TEST_F(PictureTest, MenuIsTheFormsActions) {
    QStringList menu;
    for (QAction* action : Widget("Image1")->actions())
        menu << action->text() + " " + action->shortcut().toString(QKeySequence::PortableText);
    EXPECT_EQ(menu, QStringList({"Копировать рисунок Ctrl+C", "Сохранить рисунок… Ctrl+S",
                                 "Печать… Ctrl+P", "Копировать итог "}));
    Control<tk::TLabel>("Label2")->Caption = "42";
    Trigger("Копировать итог");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "итог: 42");
}

} // namespace
} // namespace testform
