#pragma once
// A downloaded page as the editor's text. A UTF-16 page with its byte order mark, or a page in
// a charset its server declared, is decoded from that encoding; anything else is read as the
// editor reads a file (UTF-8, else Latin-1).
#include <QByteArray>
#include <QString>

#include "core/plain_text_file.h"

PlainText pageText(const QByteArray& bytes, const QString& contentType);
// The charset named in a Content-Type value ("text/html; charset=UTF-16LE"); empty when none.
QString charsetOf(const QString& contentType);
