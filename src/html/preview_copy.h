#pragma once
// The copy of a page that the preview shows. It lives in the program's own folder, so the
// page's relative addresses (style sheets, images, scripts) would resolve there and find
// nothing; a base element in the copy sends them to the page's own folder instead.
#include <QByteArray>
#include <QString>
#include <QUrl>

// The address the page's relative addresses resolve against: the page's file once it has one,
// else the folder its first save would start in (`saveFolder`).
QUrl previewBase(const QString& pagePath, const QString& saveFolder);

// The page with a base element for `base` where a browser still takes it for the document's
// (after a doctype, so the page keeps its rendering mode). A page that names its own base is
// left as it is.
QByteArray withBaseAddress(const QByteArray& page, const QUrl& base);
