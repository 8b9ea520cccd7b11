// The "New Record" prompt and the "Select a Date" dialog, driven by keys
// and clicks without a screen.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "named_child.h"
#include "records/new_record_dialog.h"
#include "records/select_date_dialog.h"

namespace pc::app {
namespace {

using pc::test::named;

records::NewRecordFields askFor(bool name, bool zip) {
    records::NewRecordFields fields;
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
    records::TNewRecordDialog dialog(askFor(true, true));
    open(dialog);
    EXPECT_EQ(dialog.windowTitle(), "New Record");
    EXPECT_EQ(named<QPushButton>(dialog, "OkButton")->text(), "Ok [PgDn]");
    EXPECT_EQ(named<QLineEdit>(dialog, "LastEdit")->maxLength(), 25);
    EXPECT_EQ(named<QLineEdit>(dialog, "FirstEdit")->maxLength(), 12);
    EXPECT_EQ(named<QLineEdit>(dialog, "ZipEdit")->maxLength(), 10);

    QTest::keyClicks(named<QLineEdit>(dialog, "LastEdit"), "Smith");
    QTest::keyClick(named<QLineEdit>(dialog, "LastEdit"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(named<QLineEdit>(dialog, "FirstEdit")->hasFocus());
    QTest::keyClicks(named<QLineEdit>(dialog, "FirstEdit"), "Ann");
    QTest::keyClick(named<QLineEdit>(dialog, "FirstEdit"), Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(named<QLineEdit>(dialog, "ZipEdit")->hasFocus());
    QTest::keyClicks(named<QLineEdit>(dialog, "ZipEdit"), "12345-67890123");
    QTest::keyClick(named<QLineEdit>(dialog, "ZipEdit"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const records::NewRecordEntry entry = dialog.entry();
    EXPECT_EQ(entry.last, "Smith");
    EXPECT_EQ(entry.first, "Ann");
    EXPECT_EQ(entry.zip, "12345-6789");  // cut at the field's width
}

TEST(NewRecordDialogTest, PageDownAcceptsAndCancelEndsWithNothing) {
    {
        records::TNewRecordDialog dialog(askFor(true, true));
        open(dialog);
        QTest::keyClicks(named<QLineEdit>(dialog, "LastEdit"), "Jones");
        QTest::keyClick(named<QLineEdit>(dialog, "LastEdit"), Qt::Key_PageDown);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.entry().last, "Jones");
        EXPECT_EQ(dialog.entry().zip, "");
    }
    {
        records::TNewRecordDialog dialog(askFor(true, true));
        open(dialog);
        QTest::keyClicks(named<QLineEdit>(dialog, "LastEdit"), "Jones");
        QTest::mouseClick(named<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    {
        records::TNewRecordDialog dialog(askFor(false, true));
        open(dialog);
        QTest::keyClick(named<QLineEdit>(dialog, "ZipEdit"), Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

TEST(NewRecordDialogTest, WithoutTheZipLeavingTheFirstNameAccepts) {
    for (Qt::Key leave : {Qt::Key_Return, Qt::Key_Tab}) {
        records::TNewRecordDialog dialog(askFor(true, false));
        open(dialog);
        EXPECT_TRUE(named<QLineEdit>(dialog, "ZipEdit")->isHidden());
        QTest::keyClicks(named<QLineEdit>(dialog, "LastEdit"), "Lee");
        QTest::keyClick(named<QLineEdit>(dialog, "LastEdit"), Qt::Key_Return);
        QTest::keyClicks(named<QLineEdit>(dialog, "FirstEdit"), "Kim");
        QTest::keyClick(named<QLineEdit>(dialog, "FirstEdit"), leave);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << leave;
        EXPECT_EQ(dialog.entry().first, "Kim");
    }
    // Clicking Cancel from the first name still cancels.
    records::TNewRecordDialog dialog(askFor(true, false));
    open(dialog);
    named<QLineEdit>(dialog, "FirstEdit")->setFocus();
    QTest::mouseClick(named<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(NewRecordDialogTest, ZipAloneTakesTheLastNamesPlace) {
    records::TNewRecordDialog both(askFor(true, true));
    records::TNewRecordDialog zipOnly(askFor(false, true));
    open(both);
    open(zipOnly);
    EXPECT_TRUE(named<QLineEdit>(zipOnly, "LastEdit")->isHidden());
    EXPECT_TRUE(named<QLineEdit>(zipOnly, "ZipEdit")->hasFocus());
    EXPECT_EQ(named<QLineEdit>(zipOnly, "ZipEdit")->y(), named<QLineEdit>(both, "LastEdit")->y());
    EXPECT_EQ(named<QLabel>(zipOnly, "ZipLabel")->y(), named<QLabel>(both, "LastLabel")->y());
    EXPECT_LT(zipOnly.height(), both.height());
    QTest::keyClicks(named<QLineEdit>(zipOnly, "ZipEdit"), " 02134 ");
    QTest::keyClick(named<QLineEdit>(zipOnly, "ZipEdit"), Qt::Key_Return);
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
    records::TSelectDateDialog dialog(QDate(2024, 1, 31), today);
    open(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Select a Date");
    EXPECT_EQ(dialog.selectedDate(), QDate(2024, 1, 31));
    QTest::mouseClick(named<QPushButton>(dialog, "MonthForwardButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), QDate(2024, 2, 29));  // no 31 February
    QTest::mouseClick(named<QPushButton>(dialog, "YearForwardButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), QDate(2025, 2, 28));
    QTest::mouseClick(named<QPushButton>(dialog, "YearBackButton"), Qt::LeftButton);
    QTest::mouseClick(named<QPushButton>(dialog, "YearBackButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), QDate(2023, 2, 28));
    QTest::mouseClick(named<QPushButton>(dialog, "MonthBackButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), QDate(2023, 1, 28));
    EXPECT_EQ(named<QCalendarWidget>(dialog, "Calendar")->monthShown(), 1);
    QTest::mouseClick(named<QPushButton>(dialog, "TodayButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.selectedDate(), today);
    EXPECT_EQ(named<QCalendarWidget>(dialog, "Calendar")->yearShown(), 2026);
    QTest::mouseClick(named<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.choice().kind, records::DateChoice::Kind::Date);
    EXPECT_EQ(dialog.choice().date, today);
}

TEST(SelectDateDialogTest, CancelAndNoDateAndTheStartingDate) {
    const QDate today(2026, 3, 9);
    {
        records::TSelectDateDialog dialog(QDate(), today);
        open(dialog);
        EXPECT_EQ(dialog.selectedDate(), today);
        QTest::mouseClick(named<QPushButton>(dialog, "NoDateButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.choice().kind, records::DateChoice::Kind::NoDate);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        records::TSelectDateDialog dialog(QDate(2020, 5, 5), today);
        open(dialog);
        QTest::mouseClick(named<QPushButton>(dialog, "YearForwardButton"), Qt::LeftButton);
        QTest::mouseClick(named<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
        EXPECT_EQ(dialog.choice().kind, records::DateChoice::Kind::Cancel);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(records::initialCalendarDate("20200505", today), QDate(2020, 5, 5));
    EXPECT_EQ(records::initialCalendarDate("", today), today);
    EXPECT_EQ(records::initialCalendarDate("20201399", today), today);  // not a date
    EXPECT_EQ(records::initialCalendarDate("garbage", today), today);
}

}  // namespace
}  // namespace pc::app
