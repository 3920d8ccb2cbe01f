#include "document/rtf/rtf_codec.h"

#include "core/delayed_progress.h"
#include "document/rtf/rtf_reader.h"
#include "document/rtf/rtf_writer.h"

bool RtfCodec::read(const QByteArray& bytes, QTextDocument& into, QString* error,
                    QStringList* unkept) {
    // A large document shows how far the reading has come.
    DelayedProgress progress(QStringLiteral("Reading the document..."), bytes.size(), nullptr, false);
    return rtf::readRtf(bytes, into, error, unkept,
                        [&progress](qsizetype read) { progress.advance(read); });
}

QByteArray RtfCodec::write(const QTextDocument& document) { return rtf::writeRtf(document); }
