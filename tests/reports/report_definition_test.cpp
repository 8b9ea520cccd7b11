// Report definitions: a REPORT.DBF row and its ".R" file are saved,
// loaded, cloned and deleted together.
#include "reports/report_definition.h"

#include <QFile>

#include "design/report_panel.h"
#include "design/text_label.h"
#include "reports_test_support.h"

namespace pc::reports {
namespace {

using pc::design::TReportPanel;
using pc::design::TRPanelKind;

class ReportDefinitionTest : public pc::test::ReportTableTest {
  protected:
    ReportBands bands() { return {header, detail, footer}; }
    void touch(const QString& name) {
        QFile file(sysdata + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    QByteArray bytesOf(const QString& name) {
        QFile file(sysdata + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TReportPanel header{TRPanelKind::rpkHeader}, detail{TRPanelKind::rpkDetail},
        footer{TRPanelKind::rpkFooter};
};

TEST_F(ReportDefinitionTest, NextBinaryNameTakesTheFirstGap) {
    EXPECT_EQ(nextReportBinaryName(), QStringLiteral("BIN00001.R"));
    touch(QStringLiteral("BIN00001.R"));
    touch(QStringLiteral("bin00003.r"));
    touch(QStringLiteral("BIN00002.L"));
    EXPECT_EQ(nextReportBinaryName(), QStringLiteral("BIN00002.R"));
}

TEST_F(ReportDefinitionTest, SavedReportLoadsAgain) {
    ReportSettings settings = newReportSettings(96);
    ReportDefinition definition;
    ASSERT_TRUE(loadReport(true, reports, bands(), settings, definition).isEmpty());
    EXPECT_EQ(definition.description, QStringLiteral("<new report>"));
    auto title = std::make_unique<pc::design::TGPLabel>();
    title->setCaption(QStringLiteral("Club list"));
    header.addObject(std::move(title));
    settings.useFooter = true;
    settings.detailHeight = 60;
    definition.description = QStringLiteral("Club");
    ASSERT_TRUE(saveReport(true, reports, definition, bands(), settings));
    EXPECT_EQ(definition.binary, QStringLiteral("BIN00001.R"));
    EXPECT_TRUE(QFile::exists(sysdata + "BIN00001.R"));
    ASSERT_EQ(rows(), 1);

    reports.first();
    ReportSettings loaded = newReportSettings(96);
    ReportDefinition again;
    ASSERT_TRUE(loadReport(false, reports, bands(), loaded, again).isEmpty());
    EXPECT_EQ(again.description, QStringLiteral("Club"));
    EXPECT_EQ(again.layoutText, QStringLiteral("Letter Size, Portrait"));
    EXPECT_EQ(loaded, settings);
    ASSERT_EQ(header.objects().size(), 1u);
    EXPECT_TRUE(detail.objects().empty());
}

TEST_F(ReportDefinitionTest, MissingOrDamagedFileLeavesBandsEmptyAndSettingsAlone) {
    ReportSettings settings = newReportSettings(96);
    ReportDefinition definition;
    definition.description = QStringLiteral("Gone");
    ASSERT_TRUE(saveReport(true, reports, definition, bands(), settings));
    header.addObject(std::make_unique<pc::design::TGPLabel>());
    ASSERT_TRUE(QFile::remove(sysdata + definition.binary));
    reports.first();
    ReportSettings kept = settings;
    kept.detailHeight = 77;
    EXPECT_TRUE(loadReport(false, reports, bands(), kept, definition).isEmpty());
    EXPECT_TRUE(header.objects().empty());
    EXPECT_EQ(kept.detailHeight, 77);

    touch(definition.binary);  // one byte: not a report
    const QString error = loadReport(false, reports, bands(), kept, definition);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(kept.detailHeight, 77);
}

TEST_F(ReportDefinitionTest, NewReportKeepsTheFramesOfTheLastOne) {
    ReportSettings settings = newReportSettings(96);
    settings.frame(ReportBand::Detail).shadePercent = 60;
    settings.pageWidth = 1;
    ReportDefinition definition;
    loadReport(true, reports, bands(), settings, definition);
    EXPECT_EQ(settings.frame(ReportBand::Detail).shadePercent, 60);
    EXPECT_EQ(settings.pageWidth, 816);
}

TEST_F(ReportDefinitionTest, CloneCopiesTheFileAndDeleteRemovesIt) {
    ReportSettings settings = newReportSettings(96);
    ReportDefinition definition;
    definition.description = QStringLiteral("Phones");
    header.addObject(std::make_unique<pc::design::TGPLabel>());
    ASSERT_TRUE(saveReport(true, reports, definition, bands(), settings));
    reports.first();

    messages->answer(false);
    EXPECT_FALSE(cloneReport(reports));
    EXPECT_EQ(rows(), 1);
    reports.first();
    ASSERT_TRUE(cloneReport(reports));
    EXPECT_EQ(messages->texts().last(), QStringLiteral("Clone \"Phones\"?"));
    ASSERT_EQ(rows(), 2);
    reports.first();  // "Clone of Phones" sorts first
    const ReportDefinition clone = readReportDefinition(reports);
    EXPECT_EQ(clone.description, QStringLiteral("Clone of Phones"));
    EXPECT_EQ(clone.binary, QStringLiteral("BIN00002.R"));
    EXPECT_EQ(bytesOf(clone.binary), bytesOf(QStringLiteral("BIN00001.R")));

    ASSERT_TRUE(deleteReport(reports));
    EXPECT_EQ(messages->texts().last(), QStringLiteral("Delete \"Clone of Phones\"?"));
    EXPECT_FALSE(QFile::exists(sysdata + clone.binary));
    EXPECT_TRUE(QFile::exists(sysdata + "BIN00001.R"));
    EXPECT_EQ(rows(), 1);
}

}  // namespace
}  // namespace pc::reports
