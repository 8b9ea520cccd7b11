// The "What's this?" texts of the main window's controls.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "app/t_address_main.h"

namespace pc::app {

void TAddressMain::setWhatsThisTexts() {
    const std::pair<QWidget*, const char*> texts[] = {
        {LabelsButton,
         "Print mailing labels from the records that match the filter, or design "
         "your own label layouts (Ctrl+L)."},
        {LettersButton,
         "Print form letters that merge each person's name and address into a "
         "letter you write (Ctrl+T)."},
        {EnvelopesButton,
         "Print addresses directly on envelopes, with an optional return "
         "address and postal barcode (Ctrl+E)."},
        {ReportsButton,
         "Print lists of your records: the built-in reports or ones you "
         "design (Ctrl+R)."},
        {BrowseButton,
         "Shows the database as a table, one record per row, so you can scan "
         "many records at once (Ctrl+B)."},
        {SearchButton,
         "Finds a record by the beginning of its value in the current sort "
         "order. To search by city, sort by city first (Ctrl+S)."},
        {FilterButton,
         "Shows only the records that match the values you enter, for example "
         "everybody in one zip code (Ctrl+F)."},
        {MouseHelpButton, "Click this button, then click any control to read what it does."},
        {LastEdit, "The person's last name. The Last Name order sorts by it, then by first name."},
        {FirstEdit, "The person's first name."},
        {MiddleEdit, "The middle initial: one letter, entered in upper case."},
        {PrefixEdit, "The salutation printed before the name, such as Mr., Ms. or Dr."},
        {TitleEdit, "The person's job title."},
        {OrgEdit, "The company or organization the person belongs to."},
        {Notebook,
         "Address Information holds the address and telephone details; Memo holds "
         "free notes about the person."},
        {Street1Edit, "The first line of the street address."},
        {Street2Edit, "A second address line: suite, apartment or post office box."},
        {CityEdit, "The city or town."},
        {StateEdit, "The state or province. Bulk-mail presort and the state/zip check use it."},
        {ZipEdit, "The zip or postal code. Labels and envelopes print a postal barcode from it."},
        {CountryEdit, "The country. Leave it empty for addresses in your own country."},
        {DateButton,
         "Pick the record's date from a calendar, for example the date you last "
         "wrote to this person."},
        {DateDisplay, "The record's date. Press the Date button to change it."},
        {Phone1Edit, "The main telephone number."},
        {Phone2Edit, "A second telephone number."},
        {DialPhone1Button, "Dials Phone 1 through your modem or telephony service."},
        {DialPhone2Button, "Dials Phone 2 through your modem or telephony service."},
        {FaxEdit, "The fax number."},
        {EmailEdit, "The e-mail address."},
        {CodesEdit,
         "Your own classification codes, for example C for customer or X for "
         "Christmas card. Filter on them with $ and the code."},
        {Comment1Edit, "A comment of your own."},
        {Comment2Edit, "A second comment of your own."},
        {TaggedCheck,
         "Ticked when the record belongs to the current set of tagged records, "
         "which labels, letters and reports can print."},
        {MemoEdit,
         "Free text about the person. Typing here starts editing the record; Save "
         "keeps the memo."},
        {SearchMemoButton, "Looks for a word or phrase in the memos of all records."},
        {SearchMemoNextButton, "Finds the next memo containing the text you searched for."},
        {OrderIndicator,
         "The order in which you move through the records. Change it with "
         "the Sort menu."},
        {FilterIndicator,
         "How many records you can move through: all records, or those "
         "matching the filter."},
        {ExitButton, "Closes Postcraft. Your records are already saved."},
        {FirstButton, "Moves to the first record (Ctrl+Up or Ctrl+Page Up)."},
        {PriorButton, "Moves to the previous record (Ctrl+Left or Page Up)."},
        {NextButton, "Moves to the next record (Ctrl+Right or Page Down)."},
        {LastButton, "Moves to the last record (Ctrl+Down or Ctrl+Page Down)."},
        {AddButton, "Starts a new record. Type the details, then press Save."},
        {SaveButton,
         "Keeps the changes to this record (Ctrl+Enter). Alt+Enter saves and "
         "offers to add another record."},
        {EditButton, "Lets you change this record. Double-clicking a box does the same."},
        {CancelButton, "Drops the changes made since you pressed Add or Edit (Escape)."},
        {DeleteButton, "Deletes this record after asking you to confirm."},
        {ClearFilterButton, "Removes the filter so that every record shows again."},
        {NoDataPanel,
         "No address database is open. Use File, Open Address DataBase or "
         "File, New Address Database."},
    };
    for (const auto& [widget, text] : texts) widget->setWhatsThis(tr(text));
}

}  // namespace pc::app
