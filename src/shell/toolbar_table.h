#pragma once
// The buttons of the toolbar tbToolBar, by index 1..30.
#include <QList>
#include <QString>
#include <vector>

// What a formatting button does in a document window (in an HTML window it runs its command).
enum class DocumentFormat { None, Bold, Italic, Underline, Strike, Font, AlignLeft, Center,
                            AlignRight };

struct ToolbarRow {
    int index;
    QString key;       // empty for a separator
    QString tooltip;
    QString image;     // key of the picture; also the name of our own SVG
    QString themeIcon; // freedesktop icon name, empty where the theme has no fitting one
    QString command;   // run by name on a click (empty: inert)
    DocumentFormat format = DocumentFormat::None;
    QString dropDownMenu;  // submenu popped up by the button's arrow
    bool enabledAtLoad = false;
};

const std::vector<ToolbarRow>& toolbarRows();
// The buttons that follow a menu command's enabled state.
QList<int> toolbarIndexesFor(const QString& command);
