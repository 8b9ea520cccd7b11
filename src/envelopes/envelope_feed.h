#pragma once
// How the printer takes envelopes (the feed method) and which printer,
// bin and paper print them, as kept in the settings file; the offsets that
// place a layout on the page for a feed; and the texts that describe them.
#include <QString>

namespace pc::envelopes {

struct EnvelopeFeed {
    enum Orientation { Portrait = 0, Landscape = 1 };
    enum Facing { FaceUp = 0, FaceDown = 1 };
    enum Position { Left = 0, Right = 1, Center = 2 };
    int orientation = Landscape;
    int facing = FaceDown;
    int position = Center;
    bool clockwise = false;  // meaningful in landscape only

    bool operator==(const EnvelopeFeed&) const = default;
};

// Section "Envelope Printer"; empty names mean the current printer's.
struct EnvelopePrinterSettings {
    QString printer;
    QString bin;
    QString paper;
    int orientation = -1;  // 0 portrait, 1 landscape; −1 when not stored
};

// Section "Envelope Feed" of the settings file at `path`; values out of
// range fall back to the defaults.
EnvelopeFeed readEnvelopeFeed(const QString& path);
bool writeEnvelopeFeed(const QString& path, const EnvelopeFeed& feed);
EnvelopePrinterSettings readEnvelopePrinter(const QString& path);
bool writeEnvelopePrinter(const QString& path, const EnvelopePrinterSettings& printer);

struct EnvelopeOffsets {
    float x = 0;  // inches
    float y = 0;
};

// Where the layout's top-left lies on a page of pageWidth x pageHeight
// (as the job sees it after orientation) for an envelope of length x depth
// fed so. A page that is the envelope to the tenth of an inch gets none;
// negative offsets become 0.
EnvelopeOffsets envelopeOffsets(double pageWidth, double pageHeight, double length, double depth,
                                const EnvelopeFeed& feed);

// Page and envelope differ by more than an inch in either direction.
bool paperMismatch(double pageWidth, double pageHeight, double length, double depth);

// "Position: Center\nOrientation : Landscape\nFacing Down" and so on.
QString feedDescription(const EnvelopeFeed& feed);

}  // namespace pc::envelopes
