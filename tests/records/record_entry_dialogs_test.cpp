// The "New Record" prompt and the "Select a Date" dialog, driven by keys
// and clicks without a screen.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "records/new_record_dialog.h"
#include "records/select_date_dialog.h"

namespace pc::app {
namespace {

NewRecordFields askFor(bool name, bool zip) {
    NewRecordFields fields;
    fields.askName = name;
    fields.askZip = zip;
    fields.lastWidth = 25;
    fields.firstWidth = 12;
    fields.zipWidth = 10;
    return fields;
}

// Opens the dialog as exec() would, without blocking.
void open(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
}

TEST(NewRecordDialogTest, EnterWalksTheBoxesAndAcceptsInTheZip) {
    TNewRecordDialog dialog(askFor(true, true));
    open(dialog);
    EXPECT_EQ(dialog.windowTitle(), "New Record");
    EXPECT_EQ(dialog.OkButton->text(), "Ok [PgDn]");
    EXPECT_EQ(dialog.LastEdit->maxLength(), 25);
    EXPECT_EQ(dialog.FirstEdit->maxLength(), 12);
    EXPECT_EQ(dialog.ZipEdit->maxLength(), 10);

    QTest::keyClicks(dialog.LastEdit, "Smith");
    QTest::keyClick(dialog.LastEdit, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.FirstEdit->hasFocus());
    QTest::keyClicks(dialog.FirstEdit, "Ann");
    QTest::keyClick(dialog.FirstEdit, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.ZipEdit->hasFocus());
    QTest::keyClicks(dialog.ZipEdit, "12345-67890123");
    QTest::keyClick(dialog.ZipEdit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const NewRecordEntry entry = dialog.entry();
    EXPECT_EQ(entry.last, "Smith");
    EXPECT_EQ(entry.first, "Ann");
    EXPECT_EQ(entry.zip, "12345-6789");  // cut at the field's width
}

TEST(NewRecordDialogTest, PageDownAcceptsAndCancelEndsWithNothing) {
    {
        TNewRecordDialog dialog(askFor(true, true));
        open(dialog);
        QTest::keyClicks(dialog.LastEdit, "Jones");
        QTest::keyClick(dialog.LastEdit, Qt::Key_PageDown);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.entry().last, "Jones");
        EXPECT_EQ(dialog.entry().zip, "");
    }
    {
        TNewRecordDialog dialog(askFor(true, true));
        open(dialog);
        QTest::keyClicks(dialog.LastEdit, "Jones");
        QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    {
        TNewRecordDialog dialog(askFor(false, true));
        open(dialog);
        QTest::keyClick(dialog.ZipEdit, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

TEST(NewRecordDialogTest, WithoutTheZipLeavingTheFirstNameAccepts) {
    for (Qt::Key leave : {Qt::Key_Return, Qt::Key_Tab}) {
        TNewRecordDialog dialog(askFor(true, false));
        open(dialog);
        EXPECT_TRUE(dialog.ZipEdit->isHidden());
        QTest::keyClicks(dialog.LastEdit, "Lee");
        QTest::keyClick(dialog.LastEdit, Qt::Key_Return);
        QTest::keyClicks(dialog.FirstEdit, "Kim");
        QTest::keyClick(dialog.FirstEdit, leave);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << leave;
        EXPECT_EQ(dialog.entry().first, "Kim");
    }
    // Clicking Cancel from the first name still cancels.
    TNewRecordDialog dialog(askFor(true, false));
    open(dialog);
    dialog.FirstEdit->setFocus();
    QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(NewRecordDialogTest, ZipAloneTakesTheLastNamesPlace) {
    TNewRecordDialog both(askFor(true, true));
    TNewRecordDialog zipOnly(askFor(false, true));
    open(both);
    open(zipOnly);
    EXPECT_TRUE(zipOnly.LastEdit->isHidden());
    EXPECT_TRUE(zipOnly.ZipEdit->hasFocus());
    EXPECT_EQ(zipOnly.ZipEdit->y(), both.LastEdit->y());
    EXPECT_EQ(zipOnly.ZipLabel->y(), both.LastLabel->y());
    EXPECT_LT(zipOnly.height(), both.height());
    QTest::keyClicks(zipOnly.ZipEdit, " 02134 ");
    QTest::keyClick(zipOnly.ZipEdit, Qt::Key_Return);
    EXPECT_EQ(zipOnly.result(), QDialog::Accepted);
    EXPECT_EQ(zipOnly.entry().zip, "02134");
    EXPECT_EQ(zipOnly.entry().last, "");

    // Set PC_SCREENSHOT_DIR to keep a picture of the prompt.
    const QString dir = qEnvironmentVariable("PC_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        EXPECT_TRUE(both.grab().save(dir + "/new-record.png"));
        EXPECT_TRUE(zipOnly.grab().save(dir + "/new-record-zip.png"));
    }
}

TEST(SelectDateDialogTest, StepButtonsMoveTheCalendar) {
    const QDate today(2026, 3, 9);
    TSelectDateDialog dialog(QDate(2024, 1, 31), today);
    open(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Select a Date");
    EXPECT_EQ(dialog.selectedDate(), QDate(2024, 1, 31));
    QTest::mouseClick(dialog.MonthForwardButton, Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), QDate(2024, 2, 29));  // no 31 February
    QTest::mouseClick(dialog.YearForwardButton, Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), QDate(2025, 2, 28));
    QTest::mouseClick(dialog.YearBackButton, Qt::LeftButton);
    QTest::mouseClick(dialog.YearBackButton, Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), QDate(2023, 2, 28));
    QTest::mouseClick(dialog.MonthBackButton, Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), QDate(2023, 1, 28));
    EXPECT_EQ(dialog.Calendar->monthShown(), 1);
    QTest::mouseClick(dialog.TodayButton, Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), today);
    EXPECT_EQ(dialog.Calendar->yearShown(), 2026);
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_EQ(dialog.choice().kind, DateChoice::Kind::Date);
    EXPECT_EQ(dialog.choice().date, today);
}

TEST(SelectDateDialogTest, CancelAndNoDateAndTheStartingDate) {
    const QDate today(2026, 3, 9);
    {
        TSelectDateDialog dialog(QDate(), today);
        open(dialog);
        EXPECT_EQ(dialog.selectedDate(), today);
        QTest::mouseClick(dialog.NoDateButton, Qt::LeftButton);
        EXPECT_EQ(dialog.choice().kind, DateChoice::Kind::NoDate);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        TSelectDateDialog dialog(QDate(2020, 5, 5), today);
        open(dialog);
        QTest::mouseClick(dialog.YearForwardButton, Qt::LeftButton);
        QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        EXPECT_EQ(dialog.choice().kind, DateChoice::Kind::Cancel);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(initialCalendarDate("20200505", today), QDate(2020, 5, 5));
    EXPECT_EQ(initialCalendarDate("", today), today);
    EXPECT_EQ(initialCalendarDate("20201399", today), today);  // not a date
    EXPECT_EQ(initialCalendarDate("garbage", today), today);
}

}  // namespace
}  // namespace pc::app
