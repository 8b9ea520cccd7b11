#pragma once
// Lengths in the page and paragraph dialogs: twips shown in inches,
// centimetres or twips, spacings in points, and typed text back to twips.
#include <QString>

namespace pc::letters {

enum class LengthUnit { Inch, Cm, Twips };

// Inches and centimetres with two decimals, twips whole.
QString twipsToText(int twips, LengthUnit unit);
// Rounded twips of the typed length; an empty or unreadable box is 0.
int textToTwips(const QString& text, LengthUnit unit);
// Points as round(twips / 20), and back as points × 20.
QString twipsToPoints(int twips);
int pointsToTwips(const QString& text);

}  // namespace pc::letters
