#pragma once
// Fields that take a number: keys other than digits (and Backspace) never reach them, and
// neither does pasted text that holds anything else.
class QLineEdit;

void acceptDigitsOnly(QLineEdit* field);
