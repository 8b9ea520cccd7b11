#pragma once
// A plain object for the surface tests: the common stored properties only,
// and counts of what the surface asked of it.
#include <QPainter>
#include <memory>

#include "design/graphic_object.h"
#include "design/layout_stream.h"
#include "design/stored_font.h"

namespace pc::design::testing {

class TSurfaceProbe : public TGGraphicControl {
  public:
    const char* className() const override { return "TSurfaceProbe"; }
    void paint(QPainter& painter) override {
        ++paints;
        painter.fillRect(0, 0, width(), height(), Qt::black);
    }
    void applyFont(const FontSpec& font) override { fontName = font.name; }
    void refreshData() override { ++refreshes; }
    void clearData() override { ++clears; }
    void nextCounter() override { ++advances; }
    void resetCounter() override { ++resets; }

    int paints = 0, refreshes = 0, clears = 0, advances = 0, resets = 0;
    QString fontName;
};

inline ObjectFactory probeFactory() {
    return [](const QByteArray& className) -> std::unique_ptr<TGGraphicControl> {
        if (className == "TSurfaceProbe") return std::make_unique<TSurfaceProbe>();
        return nullptr;
    };
}

inline std::unique_ptr<TSurfaceProbe> probe(int left, int top, int width, int height) {
    auto object = std::make_unique<TSurfaceProbe>();
    object->setBounds(left, top, width, height);
    return object;
}

}  // namespace pc::design::testing
