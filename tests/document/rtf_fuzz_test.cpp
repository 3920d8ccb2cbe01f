// The reader on broken RTF: thousands of files cut short, with braces flipped, digits blown up,
// bytes scrambled or groups nested very deep, made from a fixed seed so that a failure can be
// repeated. Each must load without crashing and in bounded time.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTextDocument>
#include <random>

#include "document/rtf/rtf_reader.h"
#include "document/rtf/rtf_writer.h"

namespace {
constexpr int Mutations = 3000;

QByteArray seedFile() {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times;}{\\f1\\fcharset204 "
           "Arial;}{\\f2\\fcharset128 Gothic;}}{\\colortbl;\\red255\\green0\\blue0;}"
           "{\\stylesheet{\\s0 Normal;}}{\\info{\\title t}}\\uc1\\pard\\qc\\li720\\fi-360 "
           "{\\b bold}{\\i\\cf1 red}\\ul u\\ulnone\\f1 \\'c0\\'e1\\f2\\'82\\'a0\\f0 \\u8364? "
           "\\uc2\\u233xx{\\*\\fldinst HYPERLINK x}{\\fldrslt link}\\par"
           "{\\pict\\pngblip\\bin6 {}{}{}}{\\listtext \\'b7\\tab}item\\par"
           "\\trowd\\cellx100\\intbl a\\cell b\\cell\\row\\line\\tab end\\par}";
}

QByteArray mutate(QByteArray rtf, std::mt19937& random) {
    auto pick = [&random](qsizetype size) {
        return qsizetype(std::uniform_int_distribution<long long>(0, std::max<qsizetype>(size - 1, 0))(random));
    };
    const int changes = 1 + int(random() % 4);
    for (int n = 0; n < changes && !rtf.isEmpty(); ++n) {
        const qsizetype at = pick(rtf.size());
        switch (random() % 7) {
        case 0: rtf.truncate(at); break;  // cut short
        case 1: {                          // a brace flipped, added or dropped
            const qsizetype brace = rtf.indexOf(random() % 2 ? '{' : '}', at);
            if (brace >= 0) rtf[brace] = rtf[brace] == '{' ? '}' : '{';
            else rtf.insert(at, random() % 2 ? '{' : '}');
            break;
        }
        case 2: {  // a number blown up
            static const char* const huge[] = {"99999999999999999999", "-2147483649",
                                               "2147483647", "-0", "65535", "-32768"};
            for (qsizetype i = at; i < rtf.size(); ++i)
                if (rtf[i] >= '0' && rtf[i] <= '9') {
                    rtf.insert(i, huge[random() % 6]);
                    break;
                }
            break;
        }
        case 3: rtf[at] = char(random() % 256); break;  // one byte scrambled
        case 4: rtf.insert(at, QByteArray(int(random() % 20000), '{')); break;  // deep nesting
        case 5: rtf.insert(at, rtf.mid(pick(rtf.size()), 200)); break;  // a piece repeated
        case 6: {  // a control word cut or given a strange parameter
            static const char* const words[] = {"\\bin", "\\bin999999999 ", "\\u", "\\uc9",
                                                "\\'", "\\'z", "\\*", "\\", "\\par\\pard",
                                                "\\fonttbl", "\\colortbl;", "\\f99 ", "\\cf77"};
            rtf.insert(at, words[random() % 13]);
            break;
        }
        }
    }
    return rtf;
}
}  // namespace

TEST(RtfFuzz, BrokenFilesLoadWhatTheyCanInBoundedTime) {
    std::mt19937 random(20051206);
    const QByteArray seeds[] = {seedFile(), [] {
                                    QTextDocument document;
                                    document.setPlainText(QString::fromUtf8(
                                        "Written by us: caf\u00e9 \u041f\u0440 \u65e5\n\tsecond"));
                                    return rtf::writeRtf(document);
                                }()};
    QElapsedTimer all;
    all.start();
    qint64 slowest = 0;
    for (int i = 0; i < Mutations; ++i) {
        const QByteArray input = mutate(seeds[i % 2], random);
        QElapsedTimer one;
        one.start();
        QTextDocument document;
        rtf::readRtf(input, document);
        EXPECT_LE(document.characterCount(), input.size() + 1) << "input " << i;
        slowest = std::max(slowest, one.elapsed());
    }
    // Generous bounds for a loaded machine; a hang or a blow-up is orders of magnitude beyond.
    EXPECT_LT(slowest, 2000);
    EXPECT_LT(all.elapsed(), 60000);
}
