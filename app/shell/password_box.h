// The rule of every box a questionnaire password is typed into: lower-case
// letters a-z only, so that the password always fits its place in the data
// file.
#pragma once

#include <QString>

#include <functional>

class QLineEdit;

namespace kz {

// Keys are filtered as they are typed: a capital becomes the small letter,
// Backspace and the editing keys pass, Enter runs `onEnter` and is
// swallowed, and any other character is refused with the message `refusal`.
// Text that arrives without a key press (paste, input methods, dropped
// text) is held to the same rule: capitals become small letters, anything
// else is refused as a whole.
void MakePasswordBox(QLineEdit* box, const QString& refusal, std::function<void()> onEnter);

}  // namespace kz
