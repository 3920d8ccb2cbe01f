#pragma once
// An HTML window with the tag commands registered, over a frame window the wizards disable.
#include <QWidget>

#include "support/editor_fixture.h"
#include "tags/tag_commands.h"

class TagTest : public HtmlFixture {
protected:
    TagTest() {
        registerTagCommands(app);
        frame.widget = &frameWindow;
    }

    QByteArray text() { return pane().Text(); }
    void put(const QByteArray& content, int selStart, int selLength = 0) {
        pane().SetText(content);
        select(pane(), selStart, selLength);
    }
    QString colours(int from, int to) {
        return QString::fromStdString(EditorFixture::colours(pane(), from, to));
    }
    bool run(const char* command) { return commands.run(QString::fromLatin1(command)); }

    QWidget frameWindow;
};
