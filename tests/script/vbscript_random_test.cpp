// Randomized checks of the VBScript checker: any input ends with an answer whose line lies in
// the text, and changes that cannot matter to the language (letter case, line-end style, blank
// lines in front) do not change the answer, or move it by exactly the lines added.
#include <gtest/gtest.h>

#include "hardening/random_text.h"
#include "script/vbscript/vbscript_checker.h"
#include "support/test_environment.h"

namespace {

const QList<QByteArray> realisticScripts = TestEnvironment::samples(QStringLiteral("vbscript"));

constexpr std::string_view vocabulary[] = {
    "If ", "Then", "Else", "ElseIf ", "End ", "Sub ", "Function ", "Class ", "For ", "Each ",
    " In ", "To ", "Step ", "Next", "Do", "Loop", "While ", "Until ", "Wend", "Select ",
    "Case ", "With ", "Dim ", "ReDim ", "Preserve ", "Const ", "Set ", "Call ", "Exit ",
    "Property ", "Get ", "Let ", "Public ", "Private ", "Default ", "On Error Resume Next",
    "New ", "Not ", " And ", " Or ", " Is ", " Mod ", "Me", "Nothing", "x", "obj", ".Name",
    "(", ")", ",", ":", " = ", "+", "-", "*", "^", "&", "\\", "<>", "<=", "1", "&H1F", "2.5E3",
    "\"str\"", "\"\"\"\"", "#1/1/2000#", "[a b]", "' note", " _\r\n", "\r\n", "\n", "\r", " ",
};

int lineCount(const QByteArray& text) {
    int lines = 1;
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++lines;
    return lines;
}

void expectAnswerWithinText(const QByteArray& text, const char* what, int iteration) {
    const auto error = checkVbscript(text);
    if (!error) return;
    EXPECT_GE(error->line, 1) << what << " " << iteration;
    EXPECT_LE(error->line, lineCount(text)) << what << " " << iteration;
    EXPECT_FALSE(error->description.isEmpty()) << what << " " << iteration;
}

TEST(VbscriptRandom, EveryInputGetsAnAnswerOnOneOfItsLines) {
    RandomText random(20051206);
    for (int i = 0; i < 3000; ++i) {
        expectAnswerWithinText(random.bytes(200), "bytes", i);
        expectAnswerWithinText(random.pieces(vocabulary, 60), "pieces", i);
        const QByteArray& sample = realisticScripts[random.below(int(realisticScripts.size()))];
        expectAnswerWithinText(random.mutate(sample), "mutated sample", i);
    }
}

// Upper or lower case at random for every ASCII letter: keywords and names alike ignore case.
QByteArray shuffledCase(RandomText& random, QByteArray text) {
    for (char& c : text)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c = random.chance(50) ? (c | 0x20) : (c & ~0x20);
    return text;
}

QByteArray withLineEnds(QByteArray text, const char* lineEnd) {
    text.replace("\r\n", "\n");
    text.replace("\n", lineEnd);
    return text;
}

TEST(VbscriptRandom, CaseAndLineEndsDoNotMatterAndBlankLinesMoveTheErrorLine) {
    RandomText random(7);
    ASSERT_GE(realisticScripts.size(), 7);
    // Broken texts from the error table's kinds, each with its answer as it stands.
    const QByteArray broken[] = {
        "If a Then\n  b\n", "Sub A\n For i = 1 To 3\n  x\nEnd Sub\n", "x = (1 + 2\n",
        "a = 1\nb = \"abc\nc = 2\n", "Class C\n x = 1\nEnd Class\n", "Do\n x\n",
    };
    for (int i = 0; i < 200; ++i) {
        for (const QByteArray& sample : realisticScripts) {
            const QByteArray text = withLineEnds(shuffledCase(random, sample), random.chance(50) ? "\r\n" : "\n");
            const auto error = checkVbscript(text);
            EXPECT_FALSE(error) << i << ": line " << (error ? error->line : 0) << " "
                                << (error ? error->description.toStdString() : "");
        }
        const QByteArray& text = broken[random.below(int(std::size(broken)))];
        const auto original = checkVbscript(text);
        ASSERT_TRUE(original);
        const int added = random.below(5);
        QByteArray moved = shuffledCase(random, text);
        for (int k = 0; k < added; ++k) moved.prepend(random.chance(50) ? "\r\n" : "' note\n");
        const auto error = checkVbscript(moved);
        ASSERT_TRUE(error) << moved.constData();
        EXPECT_EQ(error->line, original->line + added) << moved.constData();
        EXPECT_EQ(error->description, original->description) << moved.constData();
    }
}

}  // namespace
