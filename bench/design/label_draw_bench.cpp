// The cost of one merged label of ten objects (address block, data fields,
// fixed text, counter, symbol, box, line, POSTNET barcode) drawn on a page
// canvas: merged from the record, printed at its origin, counters advanced,
// as the print loop does per label. Pages are recorded for the preview or
// written as PDF. Runs offscreen unless a platform is set.
//
//   label_draw_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPicture>
#include <map>
#include <memory>

#include "design/address_label.h"
#include "design/counter_label.h"
#include "design/data_label.h"
#include "design/data_panel.h"
#include "design/label_shapes.h"
#include "design/line_shape.h"
#include "design/merge_source.h"
#include "design/postnet_barcode.h"
#include "design/symbol_label.h"
#include "design/text_label.h"
#include "print/page_canvas.h"

namespace {

using namespace pc::design;
using pc::print::Inches;

class RecordSource : public MergeSource {
  public:
    std::vector<MergeField> fields() const override {
        std::vector<MergeField> out;
        for (const auto& [name, label] : labels_)
            out.push_back({name, label, true, false, true, true});
        return out;
    }
    std::optional<QString> text(const QString& field) const override {
        const auto it = values_.find(field);
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    std::optional<QString> memo(const QString&) const override { return QString(); }

  private:
    std::map<QString, QString> values_{{"PREFIX", "Mr."},
                                       {"FNAME", "Abraham"},
                                       {"MIDDLE", ""},
                                       {"LNAME", "Lincoln"},
                                       {"TITLE", "President"},
                                       {"ORG", "United States"},
                                       {"STREET", "1600 PENNSYLVANIA AVE NW"},
                                       {"STREET2", ""},
                                       {"CITY", "WASHINGTON"},
                                       {"STATE", "DC"},
                                       {"ZIP", "20500-0003"},
                                       {"COUNTRY", ""},
                                       {"PHONE", "202-456-1111"}};
    std::map<QString, QString> labels_{
        {"LNAME", "Last Name"}, {"FNAME", "First Name"}, {"PHONE", "Phone #1"}};
};

template <typename T>
T& add(TGDataPanel& panel, QRect bounds) {
    auto object = std::make_unique<T>();
    object->setBounds(bounds);
    return static_cast<T&>(panel.addObject(std::move(object)));
}

struct Label {
    Label() {
        panel.setSize({384, 192});
        panel.setMergeSource(&source);
        add<TGDMultiLineAddressLabel>(panel, {8, 8, 240, 80});
        for (const auto& [field, label, y] :
             {std::tuple{"LNAME", "Last Name", 100}, std::tuple{"FNAME", "First Name", 120},
              std::tuple{"PHONE", "Phone #1", 140}}) {
            auto& data = add<TGPDLabel>(panel, {260, y, 110, 18});
            data.setDataFieldName(field);
            data.setDataFieldDescript(label);
        }
        add<TGPLabel>(panel, {260, 8, 110, 20}).setCaption("FIRST CLASS");
        add<TGCounterLabel>(panel, {260, 40, 80, 20}).setStartingNumber(1000);
        add<TGSymbolLabel>(panel, {340, 40, 30, 30});
        add<TGLabelShapes>(panel, {2, 2, 380, 188});
        add<TGLineShape>(panel, {8, 96, 240, 2});
        auto& barcode = add<TGPostNetBarCode>(panel, {8, 168, 270, 16});
        barcode.SetZipCodeField("ZIP");
        barcode.SetAddressField("STREET");
        panel.setPrinting(true);
        panel.resetCounters();
    }
    void printOne(pc::print::PageCanvas& canvas, double x, double y) {
        panel.refreshAllData();
        panel.printObjects(canvas, Inches(y), Inches(x));
        panel.advanceCounters();
    }
    RecordSource source;
    TGDataPanel panel;
};

// One label per iteration on an open page canvas, thirty to a page (a 3 x 10
// sheet): recorded for the preview, or written as PDF.
void BM_LabelToRecordedPage(benchmark::State& state) {
    Label label;
    std::vector<QPicture> pages(1);
    auto painter = std::make_unique<QPainter>(&pages.back());
    int i = 0;
    for (auto _ : state) {
        pc::print::PageCanvas canvas(*painter, 96, 96);
        label.printOne(canvas, (i % 3) * 2.75, (i / 3 % 10) * 1.0);
        if (++i % 30 == 0) {
            painter->end();
            pages.emplace_back();
            painter->begin(&pages.back());
        }
    }
    painter->end();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LabelToRecordedPage)->Unit(benchmark::kMicrosecond);

void BM_LabelToPdfPage(benchmark::State& state) {
    Label label;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setResolution(1200);
    QPainter painter(&writer);
    pc::print::PageCanvas canvas(painter, 1200, 1200);
    int i = 0;
    for (auto _ : state) {
        label.printOne(canvas, (i % 3) * 2.75, (i / 3 % 10) * 1.0);
        if (++i % 30 == 0) writer.newPage();
    }
    painter.end();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LabelToPdfPage)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
