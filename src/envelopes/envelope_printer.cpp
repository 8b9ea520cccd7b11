#include "envelopes/envelope_printer.h"

#include "envelopes/envelope_sizes.h"
#include "print/paper.h"
#include "print/print_engine.h"

namespace pc::envelopes {

std::vector<NamedPaper> namedPapers() {
    std::vector<NamedPaper> papers{{print::kPaperLetter, QStringLiteral("Letter")},
                                   {5, QStringLiteral("Legal")},
                                   {print::kPaperA4, QStringLiteral("A4")},
                                   {print::kPaperA5, QStringLiteral("A5")}};
    for (const EnvelopeSize& size : envelopeSizes())
        papers.push_back({size.code, QString::fromLatin1(size.text).trimmed()});
    return papers;
}

QString paperName(const print::PrintEngine& engine) {
    for (const NamedPaper& p : namedPapers())
        if (p.code == engine.paperCode()) return p.name;
    const print::InchSize page = engine.pageSize();
    return QStringLiteral("%1 x %2 inches")
        .arg(page.width.value, 0, 'f', 2)
        .arg(page.height.value, 0, 'f', 2);
}

int paperCodeOfName(const QString& name) {
    for (const NamedPaper& p : namedPapers())
        if (p.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0) return p.code;
    return 0;
}

EnvelopeFeed loadEnvelopePreferences(print::PrintEngine& engine, const QString& settingsPath) {
    const EnvelopeFeed feed = readEnvelopeFeed(settingsPath);
    const EnvelopePrinterSettings stored = readEnvelopePrinter(settingsPath);
    if (!stored.printer.isEmpty()) {
        const int on = stored.printer.indexOf(QLatin1String(" ON "), 0, Qt::CaseInsensitive);
        const QString name = on < 0 ? stored.printer : stored.printer.left(on);
        const QStringList& printers = engine.printers();
        for (int i = 0; i < printers.size(); ++i)
            if (printers[i].compare(name, Qt::CaseInsensitive) == 0) engine.selectPrinter(i);
    }
    if (const int code = paperCodeOfName(stored.paper); code > 0) engine.setPaperCode(code);
    if (stored.orientation >= 0)
        engine.setOrientation(stored.orientation ? QPageLayout::Landscape : QPageLayout::Portrait);
    return feed;
}

bool saveEnvelopePreferences(const print::PrintEngine& engine, const EnvelopeFeed& feed,
                             const QString& settingsPath) {
    EnvelopePrinterSettings p;
    p.printer = engine.printerName();
    p.paper = paperName(engine);
    p.orientation = engine.orientation() == QPageLayout::Landscape ? 1 : 0;
    return writeEnvelopePrinter(settingsPath, p) && writeEnvelopeFeed(settingsPath, feed);
}

}  // namespace pc::envelopes
