// The report windows: Print Report runs both tabs into the preview, the
// designer's bands, tools and Save rules, Print Current Record; and
// screenshots of them when PC_SCREENSHOT_DIR is set.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "data/address_schema.h"
#include "data/session.h"
#include "design/data_label.h"
#include "design/date_time_label.h"
#include "design/line_shape.h"
#include "design/page_number_label.h"
#include "design/report_shapes.h"
#include "design/table_merge_source.h"
#include "design/text_label.h"
#include "design/ui/class_menu_items.h"
#include "design/ui/select_field_dialog.h"
#include "design/ui/surface_widget.h"
#include "design/ui/text_dialog.h"
#include "print/preview_window.h"
#include "print/print_status_window.h"
#include "print_window_support.h"
#include "reports/report_page_layout.h"
#include "reports/ui/print_current_record_window.h"
#include "reports/ui/report_designer.h"
#include "reports/ui/report_properties.h"
#include "reports/ui/report_setup_window.h"
#include "reports_test_support.h"
#include "widgets/help_contexts.h"
#include "widgets/help_link.h"

namespace pc::reports {
namespace {

using ModalCloser = pc::test::PrintWindowCloser;

QString screenshot(const char* name) {
    const QByteArray dir = qgetenv("PC_SCREENSHOT_DIR");
    return dir.isEmpty() ? QString() : QString::fromLocal8Bit(dir) + '/' + name + ".png";
}

// Answers the next modal dialog of type D with `answer`.
template <typename D>
void answerNext(std::function<void(D&)> answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) answer(*dialog);
    });
}

void drag(design::TReportPanel& band, QRect r) {
    band.mousePress(r.topLeft(), Qt::LeftButton, false, 0);
    band.mouseMove(r.bottomRight(), 10);
    band.mouseRelease(r.bottomRight(), false, 20);
}

class ReportWindowsTest : public pc::test::ReportTableTest {
  protected:
    void SetUp() override {
        ReportTableTest::SetUp();
        openAddress(addresses, newAddressTable());
        data::setNameFieldsVisible(addresses, true);
        for (int i = 0; i < 70; ++i) {
            addresses.insert();
            addresses.fieldByName("LNAME").setText(QString("Name%1").arg(i, 2, 10, QChar('0')));
            addresses.fieldByName("FNAME").setText("Ann");
            addresses.fieldByName("STREET").setText(QString("%1 Main St").arg(i));
            addresses.fieldByName("CITY").setText("Springfield");
            addresses.fieldByName("STATE").setText("IL");
            addresses.fieldByName("ZIP").setText("62701");
            addresses.fieldByName("PHONE").setText("555-0100");
            addresses.fieldByName("ORG").setText(QString("Org %1").arg(69 - i));
            addresses.fieldByName("MEMO").setText("A note\r\nand another");
            addresses.post();
        }
        engine.setOrder(engine.tagArea("LNAME"));
        addresses.first();
    }
    void TearDown() override {
        addresses.close();
        ReportTableTest::TearDown();
    }

    data::TTable addresses;
    data::TApollo engine{&addresses};
    pc::test::StillSessionHost host{QStringLiteral("LNAME")};
    data::Session session{addresses, engine, host};
};

TEST_F(ReportWindowsTest, BuiltInReportsPreview) {
    TReportSetup window(session, reports, false);
    EXPECT_EQ(window.whatToPrint(), RecordChoice::All);
    window.showBuiltInTab(true);
    auto* list = window.findChild<QListWidget*>("BuiltInList");
    ASSERT_TRUE(list);
    for (int n = 1; n <= 4; ++n) {
        list->setCurrentRow(n - 1);
        ModalCloser closer(screenshot(("builtin_report_" + std::to_string(n)).c_str()));
        EXPECT_TRUE(window.PrintReport(true)) << n;
        EXPECT_GE(closer.previewPages, 1) << n;
    }
    // The table is back where it was.
    EXPECT_EQ(engine.recNo(), 1);
    if (const QString shot = screenshot("print_report_builtin"); !shot.isEmpty())
        window.grab().save(shot);
}

TEST_F(ReportWindowsTest, UserDefinedReportFromTheTable) {
    TReportSetup window(session, reports, false);
    EXPECT_FALSE(window.findChild<QPushButton*>("ModifyButton")->isEnabled());
    EXPECT_FALSE(window.findChild<QPushButton*>("PreviewButton")->isEnabled());
    // A report saved as the designer would.
    design::TReportPanel header(design::TRPanelKind::rpkHeader), detail,
        footer(design::TRPanelKind::rpkFooter);
    auto title = std::make_unique<design::TGPLabel>();
    title->setCaption("Members");
    header.addObject(std::move(title));
    ReportDefinition definition;
    definition.description = "Members";
    ASSERT_TRUE(
        saveReport(true, reports, definition, {header, detail, footer}, newReportSettings(96)));
    TReportSetup again(session, reports, false);
    EXPECT_TRUE(again.findChild<QPushButton*>("ModifyButton")->isEnabled());
    ModalCloser closer;
    EXPECT_TRUE(again.PrintReport(true));
    EXPECT_EQ(closer.previewPages, 3);  // 70 records, 29 to a page
    if (const QString shot = screenshot("print_report_designer_tab"); !shot.isEmpty())
        again.grab().save(shot);
}

TEST_F(ReportWindowsTest, DesignerBandsToolsAndSaveRules) {
    design::TableMergeSource source(addresses);
    TReportDesigner designer(addresses, source);
    ReportSettings settings = newReportSettings(96);
    settings.useFooter = true;
    designer.setDefinition(ReportDefinition{}, settings);
    EXPECT_EQ(designer.layout().bandWidth, 816 - 48 - 48 - 24);
    EXPECT_TRUE(designer.bandCheck(ReportBand::Footer)->isChecked());

    // Date/time is for the header (and footer); then text goes only there too.
    designer.ToolButtonClick(design::TRPanelState::psDateTime);
    designer.ToolButtonClick(design::TRPanelState::psLabel);
    EXPECT_TRUE(designer.band(ReportBand::Header).acceptsDrawing());
    EXPECT_FALSE(designer.band(ReportBand::Detail).acceptsDrawing());
    designer.ToolButtonClick(design::TRPanelState::psPointing);
    EXPECT_TRUE(designer.band(ReportBand::Detail).acceptsDrawing());
    // A field in the header is refused with its message.
    designer.ToolButtonClick(design::TRPanelState::psDataLabel);
    designer.band(ReportBand::Header).setAcceptsDrawing(true);
    designer.band(ReportBand::Header).createObject(QRect(5, 5, 10, 5));
    EXPECT_EQ(messages->texts().last(),
              QStringLiteral("This object may only be used in the detail band"));
    EXPECT_TRUE(designer.band(ReportBand::Header).objects().empty());
    answerNext<design::ui::TSelectFieldDialog>([](QDialog& d) { d.reject(); });
    designer.band(ReportBand::Detail).createObject(QRect(5, 5, 10, 5));
    ASSERT_EQ(designer.band(ReportBand::Detail).objects().size(), 1u);
    EXPECT_GE(designer.band(ReportBand::Detail).objects()[0]->width(), 50);

    // A band never grows past the page.
    designer.resizeBand(ReportBand::Detail, 5000, true);
    const int max = 1056 - 96 + 100;
    EXPECT_EQ(designer.settings().headerHeight + designer.settings().detailHeight +
                  designer.settings().footerHeight + kLayoutSpare,
              max);
    // The object pulled in as the detail band shrinks.
    auto* field = designer.band(ReportBand::Detail).objects()[0].get();
    field->setBounds(5, 60, 50, 15);
    designer.resizeBand(ReportBand::Detail, 40, true);
    EXPECT_EQ(field->top(), 40);

    // Footer dragged to 0: unticked and emptied on Save.
    designer.band(ReportBand::Footer).addObject(std::make_unique<design::TGPLabel>());
    designer.resizeBand(ReportBand::Footer, 0, true);
    designer.SaveButtonClick();
    EXPECT_EQ(designer.result(), QDialog::Accepted);
    EXPECT_FALSE(designer.settings().useFooter);
    EXPECT_TRUE(designer.band(ReportBand::Footer).objects().empty());
}

TEST_F(ReportWindowsTest, NewReportOpensWithHeaderAndDetailOnly) {
    TReportSetup setup(session, reports, false);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* designer = qobject_cast<TReportDesigner*>(QApplication::activeModalWidget());
        if (!designer) return;
        seen = true;
        EXPECT_TRUE(designer->bandCheck(ReportBand::Header)->isChecked());
        EXPECT_TRUE(designer->bandCheck(ReportBand::Detail)->isChecked());
        EXPECT_FALSE(designer->bandCheck(ReportBand::Memo)->isChecked());
        EXPECT_FALSE(designer->bandCheck(ReportBand::Footer)->isChecked());
        EXPECT_EQ(designer->layout().header, 33);
        EXPECT_EQ(designer->layout().detail, 33);
        EXPECT_EQ(designer->layout().footer, 0);
        EXPECT_EQ(designer->description(), QStringLiteral("<new report>"));
        if (const QString shot = screenshot("report_designer_new"); !shot.isEmpty())
            designer->grab().save(shot);
        designer->reject();
    });
    setup.NewButtonClick();
    EXPECT_TRUE(seen);
}

TEST_F(ReportWindowsTest, PlacedObjectsRunTheirDialogsAndTheSelectionToolReturns) {
    design::TableMergeSource source(addresses);
    TReportDesigner designer(addresses, source);
    designer.setDefinition(ReportDefinition{}, newReportSettings(96));
    design::TReportPanel& header = designer.band(ReportBand::Header);
    design::TReportPanel& detail = designer.band(ReportBand::Detail);

    designer.ToolButtonClick(design::TRPanelState::psLabel);
    answerNext<design::ui::TTextDialog>([](design::ui::TTextDialog& d) {
        d.TextEdit->setText(QStringLiteral("Members of the Springfield club"));
        d.OkButtonClick();
    });
    drag(header, QRect(5, 5, 10, 5));
    ASSERT_EQ(header.objects().size(), 1u);
    auto* text = dynamic_cast<design::TGPLabel*>(header.objects()[0].get());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->caption(), QStringLiteral("Members of the Springfield club"));
    EXPECT_GT(text->width(), 100);  // fitted to the text, not the 50 of the drop
    EXPECT_EQ(header.panelState(), design::TRPanelState::psPointing);

    // The field tool is for the detail band; after the drop all bands draw.
    designer.ToolButtonClick(design::TRPanelState::psDataLabel);
    EXPECT_FALSE(header.acceptsDrawing());
    answerNext<design::ui::TSelectFieldDialog>([](design::ui::TSelectFieldDialog& d) {
        const auto found = d.FieldList->findItems(QStringLiteral("City"), Qt::MatchExactly);
        if (!found.isEmpty()) d.FieldList->setCurrentItem(found.first());
        d.accept();
    });
    drag(detail, QRect(5, 5, 10, 5));
    ASSERT_EQ(detail.objects().size(), 1u);
    auto* field = dynamic_cast<design::TGPDLabel*>(detail.objects()[0].get());
    ASSERT_TRUE(field);
    EXPECT_EQ(field->dataFieldName(), QStringLiteral("CITY"));
    EXPECT_EQ(field->caption(), QStringLiteral("Springfield"));
    EXPECT_EQ(detail.panelState(), design::TRPanelState::psPointing);
    for (int i : {0, 1, 3}) EXPECT_TRUE(designer.band(static_cast<ReportBand>(i)).acceptsDrawing());
}

// The texts of a menu's items, submenus as "Menu/Item".
QStringList itemTexts(const QMenu& menu, const QString& prefix = {}) {
    QStringList texts;
    for (QAction* a : menu.actions()) {
        if (a->isSeparator()) continue;
        texts << prefix + a->text();
        if (a->menu()) texts << itemTexts(*a->menu(), a->text() + '/');
    }
    return texts;
}

QAction* item(const QMenu& menu, const QString& sub, const QString& text) {
    for (QAction* a : menu.actions())
        if (a->menu() && a->text() == sub)
            for (QAction* b : a->menu()->actions())
                if (b->text() == text) return b;
    return nullptr;
}

TEST_F(ReportWindowsTest, ReportObjectMenus) {
    design::ui::registerClassMenuItems();
    design::TableMergeSource source(addresses);
    TReportDesigner designer(addresses, source);
    designer.setDefinition(ReportDefinition{}, newReportSettings(96));
    design::TReportPanel& header = designer.band(ReportBand::Header);
    design::ui::SurfaceWidget& surface = designer.surface(ReportBand::Header);

    auto& stamp = static_cast<design::TGDateTimeLabel&>(
        header.addObject(std::make_unique<design::TGDateTimeLabel>()));
    stamp.setMoment(QDateTime(QDate(2026, 3, 4), QTime(9, 41, 7)));
    auto menu = surface.buildObjectMenu(stamp);
    const QStringList texts = itemTexts(*menu);
    for (const char* expected :
         {"Date Format/No Date", "Date Format/Windows Short Date", "Date Format/Windows Long Date",
          "Time Format/No Time", "Time Format/Windows Short Time", "Time Format/Windows Long Time"})
        EXPECT_TRUE(texts.contains(QLatin1String(expected))) << expected;
    EXPECT_TRUE(item(*menu, "Date Format", "Windows Short Date")->isChecked());
    item(*menu, "Date Format", "No Date")->trigger();
    EXPECT_EQ(stamp.dateFormat(), design::TDateFormat::dtfDateNone);
    menu = surface.buildObjectMenu(stamp);
    item(*menu, "Time Format", "Windows Short Time")->trigger();
    EXPECT_EQ(stamp.timeFormat(), design::TTimeFormat::dtfTimeShort);
    EXPECT_TRUE(stamp.caption().startsWith(' '));
    EXPECT_TRUE(stamp.caption().contains(QStringLiteral("41")));
    const int shortWidth = stamp.width();
    menu = surface.buildObjectMenu(stamp);
    item(*menu, "Date Format", "Windows Long Date")->trigger();
    EXPECT_GT(stamp.width(), shortWidth);  // the box grew to the longer text

    // Report shapes have the shape menu of labels; page numbers the label one.
    auto& shape = header.addObject(std::make_unique<design::Trpshapes>());
    auto& labelShape = header.addObject(std::make_unique<design::TGLabelShapes>());
    EXPECT_EQ(itemTexts(*surface.buildObjectMenu(shape)),
              itemTexts(*surface.buildObjectMenu(labelShape)));
    EXPECT_TRUE(itemTexts(*surface.buildObjectMenu(shape)).contains("Line Color"));
    EXPECT_FALSE(itemTexts(*surface.buildObjectMenu(shape)).contains("Background Pattern"));
    auto& page = header.addObject(std::make_unique<design::TGPageNumberLabel>());
    const QStringList pageItems = itemTexts(*surface.buildObjectMenu(page));
    EXPECT_TRUE(pageItems.contains("Font"));
    EXPECT_TRUE(pageItems.contains("Border"));
}

TEST_F(ReportWindowsTest, ChangeLayoutTakesTheDialogsSettingsOnlyOnSave) {
    design::TableMergeSource source(addresses);
    TReportDesigner designer(addresses, source);
    designer.setDefinition(ReportDefinition{}, newReportSettings(96));
    auto* caption = designer.findChild<QLabel*>("LayoutCaption");

    answerNext<TReportProperties>([](TReportProperties& d) {
        d.a4->click();
        d.reject();
    });
    designer.ChangeLayoutButtonClick();
    EXPECT_EQ(designer.layoutText(), QStringLiteral("Letter Size, Portrait"));
    EXPECT_EQ(designer.settings().pageWidth, 816);

    answerNext<TReportProperties>([](TReportProperties& d) {
        d.landscape->click();
        d.bandControls[0].shadePercent->setValue(20);
        d.findChild<QPushButton*>("SaveButton")->click();
    });
    designer.ChangeLayoutButtonClick();
    EXPECT_EQ(designer.layoutText(), QStringLiteral("Letter Size, Landscape"));
    EXPECT_EQ(caption->text(), QStringLiteral("Layout: Letter Size, Landscape"));
    EXPECT_EQ(designer.settings().pageWidth, 1056);
    EXPECT_EQ(designer.settings().frame(ReportBand::Header).shadePercent, 20);
    EXPECT_EQ(designer.layout().bandWidth, 1056 - 48 - 48 - 24);  // laid out again
    EXPECT_EQ(designer.band(ReportBand::Header).width(), 1056 - 48 - 48 - 24);
}

TEST_F(ReportWindowsTest, EveryReportWindowOpensItsHelpTopic) {
    std::vector<int> opened;
    widgets::setHelpOpener([&opened](int context) { opened.push_back(context); });
    const auto help = [](QWidget& w) { w.findChild<QPushButton*>("HelpButton")->click(); };
    TReportSetup setup(session, reports, false);
    help(setup);
    design::TableMergeSource source(addresses);
    TReportDesigner designer(addresses, source);
    help(designer);
    TPrintCurrentRecord current(addresses);
    help(current);
    TReportProperties layout(newReportSettings(96), QString());
    help(layout);
    answerNext<QDialog>([&help](QDialog& d) {
        help(d);
        d.reject();
    });
    setup.PrinterSetupButtonClick();
    widgets::setHelpOpener(nullptr);
    namespace topic = widgets::help;
    // The printer choice belongs to printing reports.
    EXPECT_EQ(opened,
              (std::vector<int>{topic::kReports, topic::kReportDesigner, topic::kPrintCurrentRecord,
                                topic::kReportLayout, topic::kReports}));
}

TEST_F(ReportWindowsTest, DesignerRefusesToSaveWithoutBands) {
    design::TableMergeSource source(addresses);
    TReportDesigner designer(addresses, source);
    designer.setDefinition(ReportDefinition{}, newReportSettings(96));
    for (int i = 0; i < kReportBands; ++i)
        designer.bandCheck(static_cast<ReportBand>(i))->setChecked(false);
    designer.SaveButtonClick();
    EXPECT_EQ(messages->texts().last(),
              QStringLiteral("No report bands are selected. Please select at least one"));
    EXPECT_NE(designer.result(), QDialog::Accepted);
}

TEST_F(ReportWindowsTest, PrintCurrentRecordAllAndPreview) {
    TPrintCurrentRecord window(addresses);
    window.allBox()->setChecked(false);
    window.AllClick();
    for (int i = 0; i < kSheetFields; ++i) EXPECT_FALSE(window.fieldBox(i)->isChecked());
    window.fieldBox(kSheetFields - 1)->setChecked(true);
    ModalCloser closer(screenshot("current_record_preview"));
    EXPECT_TRUE(window.PrintRecord(true));
    EXPECT_EQ(closer.previewPages, 1);
    window.allBox()->setChecked(true);
    window.AllClick();
    if (const QString shot = screenshot("print_current_record"); !shot.isEmpty())
        window.grab().save(shot);
}

TEST(ReportPanelTools, EachBandTakesOnlyItsObjects) {
    using S = design::TRPanelState;
    using K = design::TRPanelKind;
    const QString memoOnly = QStringLiteral("This object may only be used in the memo band");
    const QString detailOnly = QStringLiteral("This object may only be used in the detail band");
    const QString headerFooter =
        QStringLiteral("This object may only be used in the header or footer bands");
    const QString headerOnly = QStringLiteral("This object may only be used in the header band");
    const struct {
        S state;
        QString header, detail, memo, footer;  // the refusal in each band
    } table[] = {
        {S::psLabel, {}, {}, {}, {}},
        {S::psMultiLineDataLabel, memoOnly, memoOnly, {}, memoOnly},
        {S::psDataLabel, detailOnly, {}, detailOnly, detailOnly},
        {S::psDateTime, {}, headerFooter, headerFooter, {}},
        {S::psPageNumber, {}, headerFooter, headerFooter, {}},
        {S::psImage, {}, headerOnly, headerOnly, headerOnly},
        {S::psRoundRectangle, {}, {}, {}, {}},
    };
    for (const auto& row : table) {
        const QString expected[] = {row.header, row.detail, row.memo, row.footer};
        int k = 0;
        for (K kind : {K::rpkHeader, K::rpkDetail, K::rpkMemo, K::rpkFooter}) {
            design::TReportPanel band(kind);
            band.setSize(QSize(600, 40));
            QStringList refused;
            band.RefusedEvent = [&refused](const QString& m) { refused << m; };
            band.setPanelState(row.state);
            band.createObject(QRect(4, 4, 5, 5));
            const QString& want = expected[k++];
            EXPECT_EQ(refused.value(0), want) << int(row.state) << " in band " << k;
            EXPECT_EQ(band.objects().size(), want.isEmpty() ? 1u : 0u);
            if (want.isEmpty()) {  // widened to at least 50 × 15
                EXPECT_GE(band.objects()[0]->width(), 50);
                EXPECT_GE(band.objects()[0]->height(), 15);
            }
        }
    }
}

TEST(ReportPageLayout, NewBandsGetTwentyPixelsWithinThePage) {
    ReportSettings s = newReportSettings(120);
    s.footerHeight = 0;
    s.useFooter = true;
    DesignerLayout layout = layOutDesigner(s);
    EXPECT_EQ(layout.bandWidth, 1020 - 120 - 30);
    EXPECT_EQ(layout.footer, kNewBandHeight);
    s.detailHeight = 1320 - 120 + 100 - 100 - 33;  // all the room there is
    s.footerHeight = 0;
    layout = layOutDesigner(s);
    EXPECT_EQ(layout.footer, 0);
    s.useFooter = false;
    EXPECT_EQ(layOutDesigner(s).footer, 0);
}

TEST_F(ReportWindowsTest, Screenshots) {
    if (screenshot("x").isEmpty()) GTEST_SKIP() << "PC_SCREENSHOT_DIR is not set";
    design::TableMergeSource source(addresses);
    TReportDesigner designer(addresses, source);
    ReportSettings settings = newReportSettings(96);
    settings.useFooter = settings.useMemo = true;
    settings.frame(ReportBand::Header).shadePercent = 40;
    settings.frame(ReportBand::Header).shadeColor = QColor(0, 0, 255);
    settings.frame(ReportBand::Header).bottom = true;
    settings.frame(ReportBand::Header).lineWidth = 2;
    designer.setDefinition(ReportDefinition{}, settings);
    const auto place = [](design::TReportPanel& band, std::unique_ptr<design::TGGraphicControl> o,
                          QRect r) -> design::TGGraphicControl& {
        o->setBounds(r.left(), r.top(), r.width(), r.height());
        return band.addObject(std::move(o));
    };
    design::TReportPanel& header = designer.band(ReportBand::Header);
    auto title = std::make_unique<design::TGPLabel>();
    title->setCaption(QStringLiteral("Springfield members"));
    place(header, std::move(title), QRect(8, 8, 150, 18));
    place(header, std::make_unique<design::TGDateTimeLabel>(), QRect(400, 8, 90, 18));
    place(header, std::make_unique<design::TGPageNumberLabel>(), QRect(600, 8, 40, 18));
    design::TReportPanel& detail = designer.band(ReportBand::Detail);
    int x = 8;
    for (const char* field : {"Last Name", "First Name", "City", "State"}) {
        auto label = std::make_unique<design::TGPDLabel>();
        label->setDataFieldDescript(QLatin1String(field));
        place(detail, std::move(label), QRect(x, 8, 110, 18));
        x += 150;
    }
    detail.refreshAllData();
    design::TReportPanel& footer = designer.band(ReportBand::Footer);
    auto line = std::make_unique<design::TGLineShape>();
    line->setLineStyle(design::TGLineShape::LineStyle::stHorizontal);
    place(footer, std::move(line), QRect(8, 2, 700, 6));
    place(footer, std::make_unique<design::TGPageNumberLabel>(), QRect(330, 10, 40, 18));
    for (ReportBand b : {ReportBand::Header, ReportBand::Detail, ReportBand::Footer})
        designer.band(b).requestRepaint();
    designer.resize(1000, 520);
    designer.grab().save(screenshot("report_designer"));

    TReportProperties layout(designer.settings(), designer.layoutText());
    layout.grab().save(screenshot("report_layout_page"));
    layout.tabs()->setCurrentIndex(1);
    layout.grab().save(screenshot("report_layout_header"));
}

}  // namespace
}  // namespace pc::reports
