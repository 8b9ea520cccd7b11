#include "widgets/copy_record_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>

#include "text/message_service.h"

using namespace pc::text;
using namespace pc::widgets;

namespace {

TEST(CopyRecordDialog, OffersTheFiveGroups) {
    CopyRecordDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Copy Record To Clipboard");
    QStringList captions;
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>()) captions << box->text();
    EXPECT_EQ(captions, QStringList({"Name, Organization, Title", "Address", "Phone Numbers",
                                     "Codes", "Comments 1 && 2"}));
}

TEST(CopyRecordDialog, CopyPutsTheTextOnTheClipboardAndSaysSo) {
    ScopedRecordingMessages recorded;
    QGuiApplication::clipboard()->setText("old");
    putRecordOnClipboard([](const QString& name) { return name == "LNAME" ? "Smith" : ""; }, {});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Smith \r\n");
    EXPECT_EQ(recorded->texts(), QStringList{"Record copied to Windows Clipboard"});
}

}  // namespace
