#include "document/rtf/rtf_codec.h"

#include "document/rtf/rtf_reader.h"
#include "document/rtf/rtf_writer.h"

bool RtfCodec::read(const QByteArray& bytes, QTextDocument& into, QString* error,
                    QStringList* unkept) {
    return rtf::readRtf(bytes, into, error, unkept);
}

QByteArray RtfCodec::write(const QTextDocument& document) { return rtf::writeRtf(document); }
