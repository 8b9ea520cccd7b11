// Text objects printed through the page canvas look as designed: a page is
// rendered at a fixed resolution and compared with a committed image.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "design/counter_label.h"
#include "design/symbol_label.h"
#include "design/text_label.h"
#include "print/page_canvas.h"

using namespace pc::design;
using namespace pc::print;

namespace {

QString goldenPath() {
    return QStringLiteral(PC_FIXTURES_DIR) + QStringLiteral("/design/text_labels.png");
}

QImage renderTextPage() {
    TGPLabel framed;
    framed.setBounds(10, 8, 150, 30);
    framed.setCaption("Postcraft");
    FontSpec bold;
    bold.setPointSize(14);
    bold.bold = true;
    bold.color = 0x800000;  // navy
    framed.setFont(bold);
    framed.setDepthShadow(2);
    framed.setDepthHighlight(1);
    framed.setTransparent(false);
    framed.setBackColor(0xE0FFFF);
    framed.setBorderStyle(LabelBorderStyle::bsSingle);

    TGPLabel turned;
    turned.setBounds(170, 4, 120, 30);
    turned.setCaption("Turned");
    turned.setAngle(90);

    TGPLabel upsideDown;
    upsideDown.setCaption("Upside down");
    upsideDown.setAngle(180);
    upsideDown.setBounds(150, 72, 100, 20);
    upsideDown.setBorderStyle(LabelBorderStyle::bsSingle);

    TGPLabel down;
    down.setCaption("Down");
    down.setAngle(270);
    down.setBounds(262, 6, 22, 60);
    down.setDepthShadow(1);

    TGCounterLabel counter;
    counter.setBounds(10, 50, 120, 20);
    counter.setTextBefore("No. ");
    counter.setLeadingZeros(3);
    counter.setStartingNumber(7);
    counter.setAlignment(TAlignment::taRightJustify);

    TGSymbolLabel symbol;
    symbol.setBounds(210, 40, 10, 10);
    symbol.setSymbolCode(0xFC);

    return renderPageImage({3_in, 1_in}, 150, [&](PageCanvas& page) {
        for (TGGraphicControl* o : std::initializer_list<TGGraphicControl*>{
                 &framed, &turned, &upsideDown, &down, &counter, &symbol})
            o->printTo(page, 0_in, 0_in);
    });
}

// Pixels whose colour differs noticeably.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 64 || std::abs(p.green() - q.green()) > 64 ||
                std::abs(p.blue() - q.blue()) > 64)
                ++count;
        }
    return count;
}

}  // namespace

TEST(TextGolden, PrintedLabelsMatchTheCommittedImage) {
    const QImage page = renderTextPage().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("PC_UPDATE_GOLDEN")) {
        QDir().mkpath(QStringLiteral(PC_FIXTURES_DIR) + QStringLiteral("/design"));
        ASSERT_TRUE(page.save(goldenPath()));
    }
    const QImage golden = QImage(goldenPath()).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(golden.isNull()) << goldenPath().toStdString();
    ASSERT_EQ(page.size(), golden.size());
    // Glyph edges may shift by a pixel between font builds; layout faults
    // move whole words.
    EXPECT_LE(differingPixels(page, golden), page.width() * page.height() / 200);
}
