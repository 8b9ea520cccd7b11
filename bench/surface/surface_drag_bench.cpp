// The cost of one mouse-move update while 50 selected objects are dragged
// on a 4 x 6 in label, and what that update repaints, beside a repaint of
// the whole surface. Runs offscreen unless a platform is set.
//
//   surface_drag_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "design/base_panel.h"
#include "design/graphic_object.h"
#include "design/ui/surface_widget.h"
#include "print/inches.h"

namespace {

using pc::design::TGBasePanel;
using pc::design::TGGraphicControl;
using pc::design::ui::SurfaceWidget;

// A label-like object: a frame and a line of text.
class BenchObject : public TGGraphicControl {
  public:
    const char* className() const override { return "BenchObject"; }
    void paint(QPainter& painter) override {
        painter.setPen(Qt::black);
        painter.drawRect(0, 0, width() - 1, height() - 1);
        painter.drawText(QRect(2, 2, width() - 4, height() - 4), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("Postcraft 12345"));
    }
};

constexpr int kObjects = 50;

struct DragScene {
    DragScene() : widget(panel) {
        const int ppi = pc::print::kLayoutPixelsPerInch;
        panel.setSize({4 * ppi, 6 * ppi});
        panel.setShowGrid(true);
        panel.setDrawOutline(true);
        for (int i = 0; i < kObjects; ++i) {
            auto object = std::make_unique<BenchObject>();
            object->setBounds(8 + (i % 5) * 74, 8 + (i / 5) * 56, 66, 44);
            panel.addObject(std::move(object));
        }
        panel.selectAll();
        widget.show();
        QCoreApplication::processEvents();
        send(QEvent::MouseButtonPress, {40, 30}, Qt::LeftButton);
        QCoreApplication::processEvents();
        widget.resetPaintStats();
    }
    ~DragScene() { send(QEvent::MouseButtonRelease, {40, 30}, Qt::NoButton); }

    void send(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
        timestamp += 20;
        QMouseEvent event(type, pos, widget.mapToGlobal(pos), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        event.setTimestamp(timestamp);
        QCoreApplication::sendEvent(&widget, &event);
    }

    TGBasePanel panel;
    SurfaceWidget widget;
    quint64 timestamp = 1000;
};

// One mouse move of the drag and the repaint it causes.
void BM_DragMoveUpdate(benchmark::State& state) {
    DragScene scene;
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 16;
        scene.send(QEvent::MouseMove, QPoint(40 + step, 30 + step / 2), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    const auto& stats = scene.widget.paintStats();
    const double moves = static_cast<double>(state.iterations());
    state.counters["objects_painted_per_move"] = stats.objectsPainted / moves;
    state.counters["pixels_painted_per_move"] = stats.pixelsPainted / moves;
    state.counters["surface_pixels"] = scene.panel.width() * scene.panel.height();
    state.counters["paints_per_move"] = stats.paints / moves;
}
BENCHMARK(BM_DragMoveUpdate);

// For comparison: the whole surface drawn again, every object included.
void BM_FullRepaint(benchmark::State& state) {
    DragScene scene;
    for (auto _ : state) {
        scene.panel.RepaintRequested(QRect());
        QCoreApplication::processEvents();
    }
    const auto& stats = scene.widget.paintStats();
    const double paints = static_cast<double>(state.iterations());
    state.counters["objects_painted_per_paint"] = stats.objectsPainted / paints;
    state.counters["pixels_painted_per_paint"] = stats.pixelsPainted / paints;
}
BENCHMARK(BM_FullRepaint);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
