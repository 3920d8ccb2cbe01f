#pragma once
// RTF as the document pane reads and writes its files and its rich-text selections.
#include "core/rich_text_pane.h"

class RtfCodec : public RichTextCodec {
public:
    bool read(const QByteArray& bytes, QTextDocument& into, QString* error,
              QStringList* unkept) override;
    QByteArray write(const QTextDocument& document) override;
};
