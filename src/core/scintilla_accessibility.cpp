#include "core/scintilla_accessibility.h"

#include <Qsci/qsciscintillabase.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QVector>

namespace {
using Sci = QsciScintillaBase;
const char* const QuietMaskProperty = "tessavelQuietModEventMask";

struct Attached {
    QVector<QPointer<Sci>> editors;
    bool clientActive = false;
};

Attached& attached() {
    static Attached state;
    return state;
}

void applyMask(Sci& editor) {
    const int quiet = editor.property(QuietMaskProperty).toInt();
    editor.SendScintilla(Sci::SCI_SETMODEVENTMASK,
                         attached().clientActive ? long(Sci::SC_MODEVENTMASKALL) : long(quiet));
}

// Asked for every object's interface, most derived class first, so it is asked before
// QScintilla's own factory gets the base class name.
QAccessibleInterface* plainInterface(const QString&, QObject* object) {
    if (attached().clientActive || !object->property(QuietMaskProperty).isValid()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

// Drops the interface Qt keeps for the editor, so the next question asks the factories again.
void forgetInterface(Sci& editor) {
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(&editor))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

class ActivityObserver : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        ScintillaAccessibility::clientActivityChanged(active);
    }
};

void installOnce() {
    static const bool installed = [] {
        attached().clientActive = QAccessible::isActive();
        QAccessible::installFactory(plainInterface);
        static ActivityObserver observer;
        QAccessible::installActivationObserver(&observer);
        return true;
    }();
    Q_UNUSED(installed)
}
}  // namespace

namespace ScintillaAccessibility {
void attach(Sci* editor, int quietMask) {
    installOnce();
    editor->setProperty(QuietMaskProperty, quietMask);
    attached().editors.removeAll(nullptr);
    attached().editors.append(editor);
    applyMask(*editor);
}

void clientActivityChanged(bool active) {
    Attached& state = attached();
    if (state.clientActive == active) return;
    state.clientActive = active;
    state.editors.removeAll(nullptr);
    for (const QPointer<Sci>& editor : std::as_const(state.editors)) {
        applyMask(*editor);
        forgetInterface(*editor);
    }
}
}  // namespace ScintillaAccessibility
