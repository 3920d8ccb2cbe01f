// The VBScript check (our own reader of the language) against the JavaScript engine's parser
// on a script of the same size and shape, in the same run. Argument: megabytes of script.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <chrono>

#include "script/script_check.h"
#include "script/vbscript/vbscript_checker.h"

namespace {

// One administration routine: a procedure with declarations, a loop over a collection, a
// Select, string building over continued lines and error handling; numbered so that each copy
// has its own names.
QByteArray vbscriptUnit(int n) {
    return QByteArrayLiteral(
               "' Collects the stopped services of one machine.\r\n"
               "Function StoppedServices%1(ByVal computer, logFile)\r\n"
               "    Dim wmi, services, service, count, line\r\n"
               "    On Error Resume Next\r\n"
               "    Set wmi = GetObject(\"winmgmts:\\\\\" & computer & \"\\root\\cimv2\")\r\n"
               "    If Err.Number <> 0 Then\r\n"
               "        StoppedServices%1 = -1\r\n"
               "        Exit Function\r\n"
               "    End If\r\n"
               "    On Error GoTo 0\r\n"
               "    Set services = wmi.ExecQuery(\"SELECT * FROM Win32_Service\")\r\n"
               "    count = 0\r\n"
               "    For Each service In services\r\n"
               "        Select Case LCase(service.State)\r\n"
               "            Case \"stopped\", \"paused\"\r\n"
               "                line = Now & vbTab & service.Name & _\r\n"
               "                       vbTab & service.DisplayName\r\n"
               "                logFile.WriteLine line\r\n"
               "                count = count + 1\r\n"
               "            Case Else\r\n"
               "        End Select\r\n"
               "    Next\r\n"
               "    For i = 1 To count Step 2\r\n"
               "        If i Mod 3 = 0 And Not IsEmpty(line) Then total = total + i * 2 ^ 2\r\n"
               "    Next\r\n"
               "    StoppedServices%1 = count\r\n"
               "End Function\r\n\r\n")
        .replace("%1", QByteArray::number(n));
}

// The same routine in JScript.
QByteArray jscriptUnit(int n) {
    return QByteArrayLiteral(
               "// Collects the stopped services of one machine.\r\n"
               "function stoppedServices%1(computer, logFile) {\r\n"
               "    var wmi, services, service, count, line;\r\n"
               "    try {\r\n"
               "        wmi = GetObject(\"winmgmts:\\\\\\\\\" + computer + \"\\\\root\\\\cimv2\");\r\n"
               "    } catch (e) {\r\n"
               "        return -1;\r\n"
               "    }\r\n"
               "    services = new Enumerator(wmi.ExecQuery(\"SELECT * FROM Win32_Service\"));\r\n"
               "    count = 0;\r\n"
               "    for (; !services.atEnd(); services.moveNext()) {\r\n"
               "        service = services.item();\r\n"
               "        switch (service.State.toLowerCase()) {\r\n"
               "            case \"stopped\":\r\n"
               "            case \"paused\":\r\n"
               "                line = new Date() + \"\\t\" + service.Name +\r\n"
               "                       \"\\t\" + service.DisplayName;\r\n"
               "                logFile.WriteLine(line);\r\n"
               "                count = count + 1;\r\n"
               "                break;\r\n"
               "            default:\r\n"
               "        }\r\n"
               "    }\r\n"
               "    for (var i = 1; i <= count; i += 2) {\r\n"
               "        if (i % 3 == 0 && line !== undefined) total = total + i * Math.pow(2, 2);\r\n"
               "    }\r\n"
               "    return count;\r\n"
               "}\r\n\r\n")
        .replace("%1", QByteArray::number(n));
}

QByteArray scriptOfSize(QByteArray (*unit)(int), qint64 bytes) {
    QByteArray text;
    text.reserve(bytes + 2048);
    for (int n = 0; text.size() < bytes; ++n) text += unit(n);
    return text;
}

constexpr qint64 megabyte = 1 << 20;

double secondsForJscriptCheck(const QByteArray& text) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(checkJscript(text));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_VbsCheck(benchmark::State& state) {
    const QByteArray text = scriptOfSize(vbscriptUnit, state.range(0) * megabyte);
    if (checkVbscript(text)) state.SkipWithError("the benchmark script does not check clean");
    double ours = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(checkVbscript(text));
        ours += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    // The reference once, in the same run: the engine's parser on the same amount of JScript.
    const double reference = secondsForJscriptCheck(scriptOfSize(jscriptUnit, state.range(0) * megabyte));
    state.counters["vs_js_check"] = ours / double(state.iterations()) / reference;
    state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_JsCheck(benchmark::State& state) {
    const QByteArray text = scriptOfSize(jscriptUnit, state.range(0) * megabyte);
    if (checkJscript(text)) state.SkipWithError("the benchmark script does not check clean");
    for (auto _ : state) benchmark::DoNotOptimize(checkJscript(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}

}  // namespace

BENCHMARK(BM_VbsCheck)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JsCheck)->Arg(1)->Unit(benchmark::kMillisecond);
