#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "design/address_label.h"
#include "design/image_object.h"
#include "design/multi_line_label.h"
#include "design/ui/address_layout_dialog.h"
#include "design/ui/load_image_dialog.h"
#include "design/ui/multi_line_text_editor.h"
#include "design_test_host.h"
#include "text/message_service.h"

namespace pc::design::ui {
namespace {

// Runs `act` on the modal dialog once it is showing.
template <typename Dialog, typename Act>
void whenShown(Act act) {
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<Dialog*>(w); dialog && dialog->isVisible()) {
                act(*dialog);
                return;
            }
    });
}

QStringList buttonTexts(const QWidget& dialog) {
    QStringList texts;
    // The dialog's own row (the embedded file picker has buttons of its own).
    for (auto* b : dialog.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (b->isVisibleTo(&dialog)) texts << b->text().remove('&');
    return texts;
}

TEST(AddressLayoutDialog, ExactTextsAndZipOptionsFollowTheZipBox) {
    AddressBlockOptions o;
    o.zipOptions = ZipOptions::zoBeforeCountry;
    AddressLayoutDialog dialog(o);
    EXPECT_EQ(dialog.windowTitle(), "Address Label Layout");
    QStringList checks, radios;
    for (auto* c : dialog.findChildren<QCheckBox*>()) checks << c->text();
    for (auto* r : dialog.findChildren<QRadioButton*>()) radios << r->text();
    EXPECT_EQ(checks, QStringList({"&Name", "&Title", "&Organization", "Address &1", "Address &2",
                                   "City + &State", "&Zip/Postal code", "&Phone #1", "&Country",
                                   "&Uppercase"}));
    EXPECT_EQ(radios,
              QStringList({"&After state", "&Before city", "A&fter country", "B&efore country"}));
    EXPECT_TRUE(dialog.zipOptionButton(ZipOptions::zoBeforeCountry)->isChecked());
    EXPECT_EQ(dialog.options(), o);

    dialog.zipBox()->setChecked(false);
    for (auto* r : dialog.findChildren<QRadioButton*>()) EXPECT_FALSE(r->isEnabled());
    dialog.zipBox()->setChecked(true);
    dialog.zipOptionButton(ZipOptions::zoBeforeCity)->setChecked(true);
    EXPECT_EQ(dialog.options().zipOptions, ZipOptions::zoBeforeCity);
}

TEST(AddressLayoutDialog, OkTakesTheOptionsAndMergesAgain) {
    testing::MapMergeSource source;
    source.values = {{"PREFIX", ""}, {"FNAME", "Ann"}, {"MIDDLE", ""}, {"LNAME", "Lee"}};
    testing::TestHost host;
    host.source = &source;
    TGDMultiLineAddressLabel label;
    label.setHost(&host);
    whenShown<AddressLayoutDialog>([](AddressLayoutDialog& d) {
        for (auto* c : d.findChildren<QCheckBox*>())
            c->setChecked(c->text() == "&Name" || c->text() == "&Uppercase");
        EXPECT_EQ(buttonTexts(d), QStringList({"OK", "Cancel", "Help"}));
        d.accept();
    });
    ASSERT_TRUE(editAddressLayout(label));
    EXPECT_EQ(label.items(), QStringList({"ANN LEE "}));
    EXPECT_EQ(host.changes, 1);
}

TEST(MultiLineTextEditor, EditsTheLinesInTheObjectsFontAndFits) {
    TGMultiLineLabel label;
    label.setItems({"old"});
    whenShown<MultiLineTextEditor>([](MultiLineTextEditor& editor) {
        EXPECT_EQ(editor.windowTitle(), "Multi-line Text Editor");
        EXPECT_EQ(editor.memo()->toPlainText(), "old");
        EXPECT_EQ(editor.memo()->font().family(), QFont("Arial").family());
        editor.memo()->setPlainText("one\ntwo\nthree");
        editor.accept();
    });
    ASSERT_TRUE(editMultiLineText(label));
    EXPECT_EQ(label.items(), QStringList({"one", "two", "three"}));
    EXPECT_EQ(label.height(), 3 * label.lineHeight());

    whenShown<MultiLineTextEditor>([](MultiLineTextEditor& editor) {
        editor.memo()->setPlainText("discarded");
        editor.reject();
    });
    EXPECT_FALSE(editMultiLineText(label));
    EXPECT_EQ(label.items().size(), 3);
}

TEST(LoadImageDialog, PreviewChoicesAndTheErrorMessage) {
    QTemporaryDir dir;
    const QString good = dir.filePath("dot.png"), bad = dir.filePath("bad.bmp");
    QImage dot(8, 8, QImage::Format_RGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(good));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BMnot really");
    file.close();

    LoadImageDialog dialog(true, false);
    EXPECT_EQ(dialog.windowTitle(), "Load Image File ");
    EXPECT_EQ(buttonTexts(dialog), QStringList({"OK", "Cancel", "Help"}));
    dialog.showPreview(good);
    EXPECT_FALSE(dialog.preview()->pixmap().isNull());
    dialog.showPreview(bad);
    EXPECT_TRUE(dialog.preview()->pixmap().isNull());
    dialog.autoSizeBox()->setChecked(true);
    EXPECT_FALSE(dialog.stretch());

    text::ScopedRecordingMessages messages;
    TGImage image;
    for (const QString& path : {bad, good}) {
        whenShown<LoadImageDialog>([path](LoadImageDialog& d) {
            d.picker()->selectFile(path);
            d.autoSizeBox()->setChecked(true);
            d.accept();
        });
        const bool loaded = loadImageFromDisk(image);
        EXPECT_EQ(loaded, path == good);
    }
    EXPECT_EQ(messages->texts(), QStringList({"Error loading file!"}));
    EXPECT_TRUE(image.autoSize());
    EXPECT_EQ(image.bounds().size(), QSize(8, 8));
}

}  // namespace
}  // namespace pc::design::ui
