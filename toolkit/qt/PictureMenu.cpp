#include "toolkit/qt/PictureMenu.h"

#include "toolkit/qt/CanvasImage.h"
#include "toolkit/qt/PrintPicture.h"

#include "toolkit/PdfDocument.h"
#include "toolkit/PictureTitle.h"
#include "toolkit/PngWriter.h"
#include "toolkit/ShortcutKeys.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QWidget>

namespace tkqt {

namespace {

// Where the save dialog starts: the user's pictures folder if there is one, the program's
// name as the file's ("zmatch.png").
QString DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(QApplication::applicationName() + ".png");
}

constexpr char kPngFilter[] = "Рисунок PNG (*.png)";
constexpr char kPdfFilter[] = "Векторный рисунок PDF (*.pdf)";

// The PNG as the image shows it, or the PDF, by the type chosen or the name's ending.
void AskAndSave(QWidget& parent, const tk::TImage& picture, const QString& title) {
    QFileDialog dialog(parent.window(), "Сохранить рисунок");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kPngFilter, kPdfFilter});
    dialog.setDefaultSuffix("png");
    // The suffix added to a bare name follows the type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         dialog.setDefaultSuffix(filter == kPdfFilter ? "pdf" : "png");
                     });
    dialog.selectFile(DefaultPath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        tk::SavePdf(picture.Canvas, path.toStdString(), title.toStdString(),
                    picture.OverlayCalls());
    else
        tk::SavePng(picture.Picture(), path.toStdString());
}

QString TitleOf(const tk::TActionDesc& action, const tk::TForm& form) {
    return QString::fromStdString(
        tk::PictureTitle(QApplication::applicationName().toStdString(), action, form));
}

QKeySequence KeysOf(tk::TShortcut shortcut) {
    const tk::TShortcutKeys keys = tk::ShortcutKeysOf(shortcut);
    const int key = keys.Letter        ? Qt::Key_A + (keys.Letter - 'A')
                    : keys.FunctionKey ? Qt::Key_F1 + keys.FunctionKey - 1
                    : keys.Escape      ? Qt::Key_Escape
                                       : 0;
    if (!key) return QKeySequence();
    return QKeySequence(
        QKeyCombination(keys.Control ? Qt::ControlModifier : Qt::NoModifier, Qt::Key(key)));
}

// What the action does, on this image's picture and this form.
std::function<void()> Perform(const tk::TActionDesc& action, QWidget& image, tk::TImage& picture,
                              tk::TForm& form) {
    switch (action.Kind) {
    case tk::TActionKind::CopyPicture:
        return [&picture] { QApplication::clipboard()->setImage(PictureOf(picture.Picture())); };
    case tk::TActionKind::SavePicture:
        return [&image, &picture, action, &form] {
            AskAndSave(image, picture, TitleOf(action, form));
        };
    case tk::TActionKind::PrintPicture:
        return [&image, &picture, action, &form] {
            PrintPicture(image, picture.Canvas, TitleOf(action, form), picture.OverlayCalls());
        };
    case tk::TActionKind::ToggleOverlay:
        return [&picture] { picture.ShowOverlay(!picture.OverlayShown()); };
    case tk::TActionKind::Command:
        return [command = action.Command, &form] { command(form); };
    case tk::TActionKind::CopyText:
        break;
    }
    return [text = action.Text, &form] {
        QApplication::clipboard()->setText(QString::fromStdString(text(form)));
    };
}

QAction* AddAction(QWidget& image, const char* text, const QKeySequence& keys,
                   tk::TApplication& application, std::function<void()> handler) {
    auto* action = new QAction(QString::fromUtf8(text), &image);
    action->setShortcut(keys);
    // Ctrl+C, Ctrl+S and Ctrl+P anywhere in the window; a focused field still copies its own text,
    // since Qt lets it claim its standard keys first.
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(
        action, &QAction::triggered, &image,
        [&application, handler = std::move(handler)] { application.Dispatch(handler); });
    image.addAction(action);
    return action;
}

} // namespace

QImage PictureOf(const tk::TCanvas& canvas) {
    return CanvasImage(canvas).copy();
}

void AddPictureMenu(QWidget& image, tk::TImage& picture, tk::TForm& form,
                    tk::TApplication& application) {
    image.setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const tk::TActionDesc& action : form.Actions()) {
        QAction* row = AddAction(image, action.Caption, KeysOf(action.Shortcut), application,
                                 Perform(action, image, picture, form));
        if (action.Kind != tk::TActionKind::ToggleOverlay) continue;
        // The tick follows the layer rather than Qt's own toggling: set again once the
        // action has run, which a failing handler leaves as it was.
        row->setCheckable(true);
        const auto follow = [row, &picture] { row->setChecked(picture.OverlayShown()); };
        follow();
        QObject::connect(row, &QAction::triggered, &image, follow);
    }
}

} // namespace tkqt
