#include "script/script_kind.h"


namespace {
const ScriptKindRow scriptKindRows[] = {
    {KindVbscript, "vbscript.temp", "Open VBScript file ",
     "VBScript files(*.vbs)|*.vbs|Text Files(*.txt)|*.txt|All Files (*.*)|*.*", "'",
     &KeywordTables::IsVbKeyword, &KeywordTables::IsVbObject, VbKeywordTable, VbObjectTable,
     false, false, true, "VBScript"},
    {KindJscript, "jscript.temp", "Open JScript file ",
     "JScript files(*.js)|*.js|Text Files(*.txt)|*.txt|All Files (*.*)|*.*", "//",
     &KeywordTables::IsJsKeyword, &KeywordTables::IsJsObject, JsKeywordTable, JsObjectTable,
     true, false, false, "JScript"},
    {KindJava, "javatemp.temp", "Open java File ",
     "Java files(*.java)|*.java|Text Files(*.txt)|*.txt|All Files (*.*)|*.*", "//",
     &KeywordTables::IsJavaKeyword, &KeywordTables::IsJavaClass, JavaKeywordTable,
     JavaClassTable, true, true, false, "Java"},
};
}  // namespace

const ScriptKindRow& scriptKindRow(WindowKind kind) {
    for (const ScriptKindRow& row : scriptKindRows)
        if (row.kind == kind) return row;
    return scriptKindRows[0];
}
