#pragma once
// The kind of an editor window; activeWindowKind holds one of these.
enum WindowKind : short {
    KindNone = 0,
    KindHtml = 1,
    KindVbscript = 2,
    KindJscript = 3,
    KindJava = 4,
    KindDocument = 5,
};
