#pragma once
// A downloaded page as the editor's text. A page with a byte order mark, or in a charset its
// server declared, is read in that encoding; anything else is read as the editor reads a file
// (UTF-8, else Windows-1252). The page keeps that encoding when it is saved.
#include <QByteArray>
#include <QString>

#include "core/plain_text_file.h"

PlainText pageText(const QByteArray& bytes, const QString& contentType);
// The charset named in a Content-Type value ("text/html; charset=UTF-16LE"); empty when none.
QString charsetOf(const QString& contentType);
