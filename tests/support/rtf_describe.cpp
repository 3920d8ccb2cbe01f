#include "support/rtf_describe.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

namespace {
QString paragraphSettings(const QTextBlockFormat& format) {
    QStringList parts;
    const Qt::Alignment a = format.alignment();
    if (a & Qt::AlignHCenter) parts << "c";
    else if (a & Qt::AlignRight) parts << "r";
    else if ((a & Qt::AlignJustify) == Qt::AlignJustify) parts << "j";
    const struct {
        const char* name;
        double pixels;
    } measures[] = {{"li", format.leftMargin()}, {"ri", format.rightMargin()},
                    {"fi", format.textIndent()}, {"sb", format.topMargin()},
                    {"sa", format.bottomMargin()}};
    for (const auto& m : measures)
        if (const long twips = std::lround(m.pixels * 15); twips != 0)
            parts << QString::fromLatin1(m.name) + QString::number(twips);
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) parts << "pb";
    return parts.isEmpty() ? QString() : "[" + parts.join(' ') + "]";
}

QString runSettings(const QTextCharFormat& format, const QFont& base) {
    const QFont font = format.font().resolve(base);
    QStringList parts;
    if (font.weight() >= QFont::DemiBold) parts << "b";
    if (font.italic()) parts << "i";
    if (font.underline()) parts << "u";
    if (font.strikeOut()) parts << "s";
    if (font.capitalization() == QFont::SmallCaps) parts << "sc";
    if (font.capitalization() == QFont::AllUppercase) parts << "caps";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) parts << "sup";
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) parts << "sub";
    if (font.family() != "Arial") parts << "f=" + font.family();
    if (font.pointSizeF() != 12) parts << "pt=" + QString::number(font.pointSizeF());
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        parts << "fg=" + format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        parts << "bg=" + format.background().color().name();
    if (format.isAnchor()) parts << "href=" + format.anchorHref();
    if (const QString field = format.property(QTextFormat::UserProperty + 1).toString();
        !field.isEmpty())
        parts << "field=" + field;
    return parts.join(' ');
}
}  // namespace

QString describeDocument(const QTextDocument& document) {
    QFont base = document.defaultFont();
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString out = paragraphSettings(block.blockFormat());
        // Runs that look the same are one run, however the document happens to split them.
        QString settings;
        QString text;
        auto close = [&] {
            out += settings.isEmpty() ? text : "<" + settings + ">" + text + "</>";
            text.clear();
        };
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString next = runSettings(fragment.charFormat(), base);
            if (next != settings) {
                if (!text.isEmpty()) close();
                settings = next;
            }
            text += fragment.text();
        }
        if (!text.isEmpty()) close();
        out.replace('\t', "\\t").replace(QChar::LineSeparator, "\\n");
        paragraphs << out;
    }
    return paragraphs.join('|');
}
