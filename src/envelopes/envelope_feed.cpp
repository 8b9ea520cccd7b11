#include "envelopes/envelope_feed.h"

#include <cmath>
#include <cstdlib>

#include "text/profile_file.h"

namespace pc::envelopes {
namespace {

constexpr char kFeedSection[] = "Envelope Feed";
constexpr char kPrinterSection[] = "Envelope Printer";

int inRange(int value, int last, int fallback) {
    return value >= 0 && value <= last ? value : fallback;
}

// The fraction dropped, as the comparisons were always made.
long long trunc(double v) {
    return static_cast<long long>(std::trunc(v));
}

}  // namespace

EnvelopeFeed readEnvelopeFeed(const QString& path) {
    const text::ProfileFile ini(path);
    EnvelopeFeed feed;
    feed.orientation =
        inRange(ini.readInt(kFeedSection, "Orientation", feed.orientation), 1, feed.orientation);
    feed.facing = inRange(ini.readInt(kFeedSection, "Facing", feed.facing), 1, feed.facing);
    feed.position = inRange(ini.readInt(kFeedSection, "Position", feed.position), 2, feed.position);
    feed.clockwise = ini.readBool(kFeedSection, "ClockWiseRotation", false);
    return feed;
}

bool writeEnvelopeFeed(const QString& path, const EnvelopeFeed& feed) {
    text::ProfileFile ini(path);
    return ini.writeStrings(kFeedSection, {{"Orientation", QString::number(feed.orientation)},
                                           {"Facing", QString::number(feed.facing)},
                                           {"Position", QString::number(feed.position)},
                                           {"ClockWiseRotation", feed.clockwise ? "1" : "0"}});
}

EnvelopePrinterSettings readEnvelopePrinter(const QString& path) {
    const text::ProfileFile ini(path);
    EnvelopePrinterSettings p;
    p.printer = ini.readString(kPrinterSection, "Printer");
    p.bin = ini.readString(kPrinterSection, "Bin");
    p.paper = ini.readString(kPrinterSection, "Paper");
    p.orientation = inRange(ini.readInt(kPrinterSection, "Orientation", -1), 1, -1);
    return p;
}

bool writeEnvelopePrinter(const QString& path, const EnvelopePrinterSettings& p) {
    text::ProfileFile ini(path);
    return ini.writeStrings(
        kPrinterSection, {{"Printer", p.printer},
                          {"Bin", p.bin},
                          {"Paper", p.paper},
                          {"Orientation", QString::number(p.orientation < 0 ? 0 : p.orientation)}});
}

EnvelopeOffsets envelopeOffsets(double pw, double ph, double length, double depth,
                                const EnvelopeFeed& feed) {
    EnvelopeOffsets o;
    if (trunc(pw * 10) == trunc(length * 10) && trunc(ph * 10) == trunc(depth * 10)) return o;
    const float dx = static_cast<float>(pw - length);
    const float dy = static_cast<float>(ph - depth);
    const bool up = feed.facing == EnvelopeFeed::FaceUp;
    if (feed.orientation == EnvelopeFeed::Portrait) {
        switch (feed.position) {
            case EnvelopeFeed::Left:
                o.x = up ? 0 : dx;
                break;
            case EnvelopeFeed::Right:
                o.x = up ? dx : 0;
                break;
            default:
                o.x = dx / 2;
        }
    } else {
        o.x = feed.clockwise ? 0 : dx;
        switch (feed.position) {
            case EnvelopeFeed::Left:
                o.y = up ? 0 : dy;
                break;
            case EnvelopeFeed::Right:
                o.y = up ? dy : 0;
                break;
            default:
                o.y = dy / 2;
        }
    }
    if (o.x < 0) o.x = 0;
    if (o.y < 0) o.y = 0;
    return o;
}

bool paperMismatch(double pw, double ph, double length, double depth) {
    return std::llabs(trunc(length * 100) - trunc(pw * 100)) > 100 ||
           std::llabs(trunc(depth * 100) - trunc(ph * 100)) > 100;
}

QString feedDescription(const EnvelopeFeed& feed) {
    static const char* const kPositions[] = {"Position: Left", "Position: Right",
                                             "Position: Center"};
    QString text = QString::fromLatin1(kPositions[inRange(feed.position, 2, 2)]) + '\n';
    text += feed.orientation == EnvelopeFeed::Portrait
                ? QStringLiteral("Orientation : Portrait\n")
                : QStringLiteral("Orientation : Landscape\n");
    if (feed.clockwise) text += QStringLiteral("Clockwise Rotation\n");
    text += feed.facing == EnvelopeFeed::FaceDown ? QStringLiteral("Facing Down")
                                                  : QStringLiteral("Facing Up");
    return text;
}

}  // namespace pc::envelopes
