#pragma once
// QScintilla's accessibility support answers every insertion, deletion and screen update with a
// count of the characters from the start of the text to the edit, whether or not any assistive
// technology listens: in a page of tens of megabytes that count is most of the cost of a
// keystroke. While no accessibility client is active, the editors attached here are presented
// as plain widgets and send only the modification notices their owner asks for; once a client
// (a screen reader) turns up they go back to QScintilla's own behaviour, text interface and all.
class QsciScintillaBase;

namespace ScintillaAccessibility {
// `quietMask` is the SCI_SETMODEVENTMASK the owner needs while no client is active.
void attach(QsciScintillaBase* editor, int quietMask);
// Switches every attached editor to the behaviour for an active (or no) client. Qt calls this
// when a client comes or goes; it is public for the tests.
void clientActivityChanged(bool active);
}  // namespace ScintillaAccessibility
