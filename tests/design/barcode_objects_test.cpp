// The barcode objects: merge from the record, surface sizing, the printed
// geometry in inches, the stored properties and the class registry.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "design/fim_barcode.h"
#include "design/imb_barcode.h"
#include "design/object_registry.h"
#include "design/postnet_barcode.h"
#include "design/property_writer.h"
#include "design_test_host.h"
#include "postal/intelligent_mail.h"
#include "print/page_canvas.h"
#include "qstring_printer.h"

namespace pc::design {
namespace {

using print::Inches;
using testing::TestHost;

// Dark runs along one device row: (start, length) in device pixels.
std::vector<std::pair<int, int>> darkRuns(const QImage& image, int y) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) >= 128) continue;
        if (!runs.empty() && runs.back().first + runs.back().second == x)
            ++runs.back().second;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

// The object printed on a 4 x 1 in page at 1000 dpi with the label origin
// at (0.5 in, 0.25 in).
QImage printed(TGGraphicControl& object) {
    return print::renderPageImage({Inches(4), Inches(1)}, 1000, [&](print::PageCanvas& page) {
        object.printTo(page, Inches(0.25), Inches(0.5));
    });
}

QStringList names(const std::vector<StreamProperty>& properties) {
    QStringList out;
    for (const StreamProperty& p : properties) out << QString::fromLatin1(p.name);
    return out;
}

const StreamValue* find(const std::vector<StreamProperty>& properties, const char* name) {
    for (const StreamProperty& p : properties)
        if (p.name == name) return &p.value;
    return nullptr;
}

class PostNetObject : public ::testing::Test {
  protected:
    void SetUp() override {
        code.setHost(&host);
        code.SetZipCodeField(QStringLiteral("ZIP"));
        code.SetAddressField(QStringLiteral("STREET"));
        host.source = &host.record;
        host.record.values = {{"ZIP", "12345-6789"}, {"STREET", "123 MAIN ST"}};
    }
    TestHost host;
    TGPostNetBarCode code;
};

TEST_F(PostNetObject, MergesTheRecordAndPrintsNothingBeforeIt) {
    EXPECT_EQ(code.width(), 249);
    EXPECT_EQ(code.height(), 12);
    EXPECT_TRUE(code.bars().isEmpty());
    code.refreshData();
    EXPECT_EQ(code.encodedDigits(), "123456789230");
    EXPECT_EQ(code.bars().size(), 62);
    EXPECT_EQ(host.repaints, 1);

    host.record.values.remove("STREET");
    code.refreshData();
    EXPECT_EQ(code.addressText(), "");
    EXPECT_EQ(code.encodedDigits(), "123456789997");

    host.record.values["ZIP"] = "K1A 0B1";
    host.isPrinting = true;
    code.refreshData();
    EXPECT_TRUE(code.encodedDigits().isEmpty());
    EXPECT_TRUE(code.bars().isEmpty());
    EXPECT_EQ(host.repaints, 2) << "no repaint while printing";
    EXPECT_TRUE(darkRuns(printed(code), 370).empty());
}

TEST_F(PostNetObject, PrintsBarsAtThePublishedGeometry) {
    code.setBounds(48, 24, 270, 16);  // 0.5 in, 0.25 in inside the label
    code.setBarCodeType(postal::TPostNetBarCodeType::pnbc5Digit);
    code.refreshData();
    const QImage page = printed(code);
    // Bars span 0.5 in .. 0.625 in from the top; halves start at 0.570.
    const auto bottomRow = darkRuns(page, 620);
    const auto topRow = darkRuns(page, 505);
    ASSERT_EQ(bottomRow.size(), 32u);
    EXPECT_EQ(topRow.size(), 14u);
    EXPECT_NEAR(bottomRow.front().first, 1000, 1);
    EXPECT_NEAR(bottomRow.front().second, 15, 1);
    EXPECT_NEAR(bottomRow[1].first - bottomRow[0].first, 46, 1);
    EXPECT_NEAR(bottomRow.back().first + bottomRow.back().second - bottomRow.front().first, 1441,
                2);
    EXPECT_TRUE(darkRuns(page, 566).size() == 14u && darkRuns(page, 574).size() == 32u);
    EXPECT_TRUE(darkRuns(page, 628).empty());
}

TEST_F(PostNetObject, SurfaceSizeFollowsThePictureAtEveryZoom) {
    QImage canvas(500, 100, QImage::Format_RGB32);
    QPainter painter(&canvas);
    code.paint(painter);
    EXPECT_EQ(code.bounds().size(), QSize(270, 16));
    code.setBounds(10, 10, 100, 40);
    code.paint(painter);
    EXPECT_EQ(code.bounds(), QRect(10, 10, 270, 16));
    code.setZoom(1.5f);
    code.paint(painter);
    EXPECT_EQ(code.bounds().size(), QSize(405, 24));
    EXPECT_EQ(TGPostNetBarCode::barcodeBitmap().size(), QSize(270, 16));
}

TEST(BarcodeStream, PostNetWritesItsPropertiesInOrderWithTheTypeAlways) {
    TGPostNetBarCode code;
    PropertyWriter out;
    code.writeProperties(out);
    auto properties = out.take();
    EXPECT_EQ(names(properties).mid(names(properties).indexOf("Unselectable") + 1),
              QStringList{"BarCodeType"});
    EXPECT_EQ(find(properties, "BarCodeType")->bytes, "pnbc11Digit");

    code.SetZipCodeField(QStringLiteral("ZIP"));
    code.SetAddressField(QStringLiteral("STREET"));
    code.setBarCodeType(postal::TPostNetBarCodeType::pnbc5Digit);
    PropertyWriter again;
    code.writeProperties(again);
    properties = again.take();
    EXPECT_EQ(names(properties).mid(names(properties).indexOf("Unselectable") + 1),
              (QStringList{"ZipCodeField", "AddressField", "BarCodeType"}));

    TGPostNetBarCode copy;
    for (const StreamProperty& p : properties) EXPECT_TRUE(copy.readProperty(p.name, p.value));
    EXPECT_EQ(copy.zipCodeField(), "ZIP");
    EXPECT_EQ(copy.barCodeType(), postal::TPostNetBarCodeType::pnbc5Digit);
    // A hostile value leaves the type as it was.
    EXPECT_TRUE(copy.readProperty("BarCodeType", StreamValue::makeIdentifier("pnbc99Digit")));
    EXPECT_TRUE(copy.readProperty("BarCodeType", StreamValue::makeInteger(7)));
    EXPECT_EQ(copy.barCodeType(), postal::TPostNetBarCodeType::pnbc5Digit);
    EXPECT_FALSE(copy.readProperty("FIMType", StreamValue::makeIdentifier("fimTypeA")));
}

TEST(FimObject, PrintsItsColumnsAndForcesItsSquareOnTheSurface) {
    TGFIMBarCode fim;
    EXPECT_EQ(fim.bounds().size(), QSize(60, 54));
    EXPECT_EQ(fim.pattern(), "110010011");

    QImage canvas(200, 200, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    fim.SetFIMType(postal::TFIMBarCodeType::fimTypeE);
    fim.paint(painter);
    EXPECT_EQ(fim.bounds().size(), QSize(60, 60));
    EXPECT_EQ(darkRuns(canvas, 53),
              (std::vector<std::pair<int, int>>{{0, 3}, {12, 3}, {36, 3}, {48, 3}}));
    EXPECT_TRUE(darkRuns(canvas, 54).empty());
    fim.setZoom(1.5f);
    fim.paint(painter);
    EXPECT_EQ(fim.bounds().size(), QSize(90, 90));

    fim.setZoom(1.0f);
    fim.setBounds(96, 0, 60, 60);  // 1 in from the label's left edge
    fim.SetFIMType(postal::TFIMBarCodeType::fimTypeB);
    const QImage page = printed(fim);
    std::vector<int> columns;
    for (const auto& [start, length] : darkRuns(page, 500)) {
        EXPECT_NEAR(length, 31, 1);
        columns.push_back(static_cast<int>(std::lround((start - 1500) / 31.25)) + 1);
    }
    EXPECT_EQ(columns, (std::vector<int>{1, 5, 7, 11, 13, 17}));
    EXPECT_FALSE(darkRuns(page, 250 + 560).empty());
    EXPECT_TRUE(darkRuns(page, 250 + 565).empty());
}

TEST(FimObject, RepaintsOnlyOnAChangeAndStoresEveryType) {
    TestHost host;
    TGFIMBarCode fim;
    fim.setHost(&host);
    fim.SetFIMType(postal::TFIMBarCodeType::fimTypeA);
    EXPECT_EQ(host.repaints, 0);
    fim.SetFIMType(postal::TFIMBarCodeType::fimTypeD);
    EXPECT_EQ(host.repaints, 1);
    fim.menuChooseType(postal::TFIMBarCodeType::fimTypeD);
    EXPECT_EQ(host.changes, 1) << "a menu click marks the design changed even without a change";
    EXPECT_EQ(host.repaints, 1);
    EXPECT_EQ(TGFIMBarCode::menuCaption(postal::TFIMBarCodeType::fimTypeC), "Set FIM to Type C");

    PropertyWriter out;
    fim.writeProperties(out);
    const auto properties = out.take();
    EXPECT_EQ(names(properties).last(), "FIMType");
    EXPECT_EQ(find(properties, "FIMType")->bytes, "fimTypeD");
    TGFIMBarCode copy;
    for (const StreamProperty& p : properties) copy.readProperty(p.name, p.value);
    EXPECT_EQ(copy.fimType(), postal::TFIMBarCodeType::fimTypeD);

    PropertyWriter defaults;
    TGFIMBarCode().writeProperties(defaults);
    EXPECT_EQ(find(defaults.take(), "FIMType")->bytes, "fimTypeA") << "always written";
}

class ImbObject : public ::testing::Test {
  protected:
    void SetUp() override {
        code.setHost(&host);
        code.setMailerID(QStringLiteral("123456"));
        code.setSerialNumber(QStringLiteral("999999998"));
        host.source = &host.record;
        host.record.values = {{"ZIP", "12345-6789"}, {"STREET", "123 MAIN ST"}};
        code.refreshData();
    }
    TestHost host;
    TGIMBarCode code;
};

TEST_F(ImbObject, SerialAdvancesPerPieceAndStopsWhenItOutgrowsItsDigits) {
    EXPECT_EQ(code.trackingCode(), "00300123456999999998");
    EXPECT_EQ(code.routingCode(), "12345678923");
    EXPECT_EQ(code.bars(), postal::IntelligentMailBars("00300123456999999998", "12345678923"));
    code.nextCounter();
    EXPECT_EQ(code.trackingCode(), "00300123456999999999");
    code.nextCounter();
    EXPECT_TRUE(code.trackingCode().isEmpty()) << "a repeated code would be a duplicate piece";
    EXPECT_TRUE(code.bars().isEmpty());
    code.resetCounter();
    EXPECT_EQ(code.trackingCode(), "00300123456999999998");

    code.setSerialNumber(QStringLiteral("42"));
    EXPECT_EQ(code.trackingCode(), "00300123456000000042");
    code.setSerialNumber(QString());
    EXPECT_EQ(code.trackingCode(), "00300123456000000000");
}

TEST_F(ImbObject, TrackingPartsMustEachBeWellFormed) {
    code.setMailerID(QStringLiteral("912345678"));
    code.setSerialNumber(QStringLiteral("7"));
    EXPECT_EQ(code.trackingCode(), "00300912345678000007");
    const std::pair<const char*, const char*> badParts[] = {
        {"MailerID", "12345678"}, {"MailerID", "812345678"},   {"MailerID", "912345"},
        {"BarcodeID", "05"},      {"BarcodeID", "0"},          {"ServiceType", "30"},
        {"ServiceType", "3O0"},   {"SerialNumber", "1234567"}, {"SerialNumber", "12a"},
    };
    for (const auto& [part, value] : badParts) {
        TGIMBarCode other;
        other.setMailerID(QStringLiteral("912345678"));
        other.readProperty(part, StreamValue::makeString(value));
        EXPECT_TRUE(other.trackingCode().isEmpty()) << part << " " << value;
    }
}

TEST_F(ImbObject, RoutingFollowsTheTypeAndTheRecordsPostalCode) {
    const std::tuple<TIMBRoutingType, const char*, std::optional<QString>> cases[] = {
        {TIMBRoutingType::imbr0Digit, "ABCDE", QString()},
        {TIMBRoutingType::imbr5Digit, "12345-6789", QStringLiteral("12345")},
        {TIMBRoutingType::imbr9Digit, "12345-6789", QStringLiteral("123456789")},
        {TIMBRoutingType::imbr11Digit, "12345", QStringLiteral("12345")},
        {TIMBRoutingType::imbr9Digit, "1-2-3", std::nullopt},
        {TIMBRoutingType::imbr11Digit, "K1A 0B1", std::nullopt},
        {TIMBRoutingType::imbr5Digit, "", std::nullopt},
    };
    for (const auto& [type, zip, routing] : cases) {
        code.setRoutingType(type);
        host.record.values["ZIP"] = zip;
        code.refreshData();
        EXPECT_EQ(code.routingCode(), routing) << zip;
        EXPECT_EQ(code.bars().isEmpty(), !routing.has_value()) << zip;
    }
}

TEST_F(ImbObject, PrintsSixtyFiveBarsAtTheStandardsSize) {
    code.setBounds(0, 0, 40, 10);  // the box plays no part on paper
    const QImage page = printed(code);
    const QString bars = code.bars();
    // The tracker band holds every bar; full and ascending bars reach the top.
    const auto middle = darkRuns(page, 250 + 72);
    ASSERT_EQ(middle.size(), 65u);
    EXPECT_NEAR(middle.front().first, 500, 1);
    EXPECT_NEAR(middle.front().second, 20, 1);
    EXPECT_NEAR(middle.back().first - middle.front().first, 64 * 1000.0 / 22, 2);
    const auto top = darkRuns(page, 250 + 2);
    const auto bottom = darkRuns(page, 250 + 143);
    EXPECT_EQ(static_cast<qsizetype>(top.size()),
              bars.count(QLatin1Char('F')) + bars.count(QLatin1Char('A')));
    EXPECT_EQ(static_cast<qsizetype>(bottom.size()),
              bars.count(QLatin1Char('F')) + bars.count(QLatin1Char('D')));
    EXPECT_TRUE(darkRuns(page, 250 + 147).empty());
}

TEST_F(ImbObject, SurfaceShowsRealBarsScaledOrASampleWhileDesigning) {
    QImage canvas(300, 20, QImage::Format_RGB32);
    auto paintOnce = [&] {
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        code.paint(painter);
    };
    code.setBounds(0, 0, 281, 13);
    paintOnce();
    EXPECT_EQ(darkRuns(canvas, 6).size(), 65u);
    code.setBounds(0, 0, 140, 13);  // half the width still shows every bar
    paintOnce();
    EXPECT_EQ(darkRuns(canvas, 6).size(), 65u);
    EXPECT_LE(darkRuns(canvas, 6).back().first, 140);

    host.record.values["ZIP"] = "ABCDE";
    code.refreshData();
    paintOnce();
    EXPECT_EQ(darkRuns(canvas, 6).size(), 65u) << "a sample while designing";
    host.isPrinting = true;
    paintOnce();
    EXPECT_TRUE(darkRuns(canvas, 6).empty()) << "nothing invented while printing";
}

TEST(BarcodeStream, ImbStoresItsPartsInOrderAndReadsThemBack) {
    TGIMBarCode code;
    code.setMailerID(QStringLiteral("123456"));
    code.setSerialNumber(QStringLiteral("1"));
    code.setRoutingType(TIMBRoutingType::imbr5Digit);
    PropertyWriter out;
    code.writeProperties(out);
    const auto properties = out.take();
    const QStringList stored = names(properties);
    EXPECT_EQ(stored.mid(stored.indexOf("Unselectable") + 1),
              (QStringList{"ZipCodeField", "AddressField", "RoutingType", "BarcodeID",
                           "ServiceType", "MailerID", "SerialNumber"}));
    EXPECT_EQ(find(properties, "RoutingType")->bytes, "imbr5Digit");
    EXPECT_EQ(find(properties, "BarcodeID")->bytes, "00");

    TGIMBarCode copy;
    EXPECT_EQ(copy.routingType(), TIMBRoutingType::imbr11Digit);
    for (const StreamProperty& p : properties) EXPECT_TRUE(copy.readProperty(p.name, p.value));
    EXPECT_EQ(copy.routingType(), TIMBRoutingType::imbr5Digit);
    EXPECT_EQ(copy.mailerID(), "123456");
    EXPECT_EQ(copy.serialNumber(), "1");
}

TEST(BarcodeRegistry, EachKindOffersItsBarcodes) {
    const auto has = [](LayoutKind kind, const char* name) {
        return createObject(kind, name) != nullptr;
    };
    EXPECT_TRUE(has(LayoutKind::Label, "TGPostNetBarCode"));
    EXPECT_TRUE(has(LayoutKind::Envelope, "TGPostNetBarCode"));
    EXPECT_FALSE(has(LayoutKind::Label, "TGFIMBarCode"));
    EXPECT_TRUE(has(LayoutKind::Envelope, "TGFIMBarCode"));
    EXPECT_TRUE(has(LayoutKind::Label, "TGIMBarCode"));
    EXPECT_TRUE(has(LayoutKind::Envelope, "TGIMBarCode"));
    EXPECT_FALSE(has(LayoutKind::Report, "TGIMBarCode"));
    EXPECT_STREQ(createObject(LayoutKind::Envelope, "TGIMBarCode")->className(), "TGIMBarCode");
}

}  // namespace
}  // namespace pc::design
