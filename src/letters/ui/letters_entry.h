#pragma once
// The way into form letters from the main window.
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::letters {

// Checks the printers, opens LETTER.DBF and shows "Print Letters". The
// caller restores its order, filter and record afterwards.
void printLetters(pc::data::Session& session, QWidget* parent);

}  // namespace pc::letters
