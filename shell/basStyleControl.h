#pragma once

#include "runtime/vb/Integer.h"

#include <QFont>
#include <QString>
#include <QVariant>

#include <cstdint>

class QComboBox;
class QLineEdit;
class QWidget;

// Label styles of InitLabel.
enum gc_LabelStyle : int16_t {
    PageTitleLabel = 1,
    QuestionLabel = 2,
    StatementLabel = 3,
    EmphasisLabel = 4,
    DataLabel = 5,
    SmallPrintLabel = 6,
};

// Centres the current page at the top of the main window's page area (adopting it as a child
// of that area) and, on every page but Form_ID 1, sets ShowFocus on its cmdNavigation button.
void InitForm();

// Font, colour and position of a label by style; any other style sets the font name only.
void InitLabel(QWidget* Target, vb::Integer Style);
void InitOptionButton(QWidget* Target);
void InitTextBox(QWidget* Target);
void InitComboBox(QWidget* Target);

// Key filters: the key code to use in place of KeyAscii. Digits and Backspace (8) pass
// unchanged; FilterDecimalKey lets "." pass too; every other key becomes 1.
QVariant FilterNumericKey(vb::Integer KeyAscii);
QVariant FilterDecimalKey(vb::Integer KeyAscii);

using KeyFilter = QVariant (*)(vb::Integer KeyAscii);
// Applies a key filter to a text box: a key the filter changes is swallowed, and pasted or
// dropped text with any character the filter would change is refused as a whole, whatever the
// box holds. The box's maximum length from then on limits what the user types or pastes, not
// what the program shows: a value set in code stands whole.
void InstallKeyFilter(QLineEdit* Target, KeyFilter Filter);
// The most characters the user may bring a text box to by typing or pasting.
int MaxEntryLength(const QLineEdit* Target);
// True when every character of text passes the filter.
bool FilterAccepts(KeyFilter Filter, const QString& text);

// Index of the first option, in the array's order, whose Value is true; -1 when none is.
// Options is any sequence of option-button pointers (QList, std::vector, std::array);
// empty slots (nullptr) of a control array keep their index and count as not chosen.
template <typename OptionArray> vb::Integer GetSelectedOption(const OptionArray& Options)
{
    int16_t index = 0;
    for (const auto* option : Options) {
        if (option && option->isChecked()) return vb::Integer(index);
        ++index;
    }
    return vb::Integer(int16_t(-1));
}

// Money for fixed-width report columns: 11 characters for amounts up to 999,999.99.
QString FormatCurrencyColumn(int32_t Amount);

// The styling font "Arial" at a size; where Arial is not installed, the family is substituted
// by a metric-compatible or plain sans font.
QFont StyleFont(int pointSize, bool bold);
