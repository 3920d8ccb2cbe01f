' Registry and shell helpers, written terse
Set sh = CreateObject("WScript.Shell")
key = "HKCU\Software\Example\"
On Error Resume Next
v = sh.RegRead(key & "Count")
If Err Then v = 0 : Err.Clear
On Error GoTo 0
sh.RegWrite key & "Count", v + 1, "REG_DWORD"
sh.Popup "Run " & (v + 1) & " times", 3, "Counter", 64
Set env = sh.Environment("PROCESS")
For Each s In env : If InStr(1, s, "PATH=", vbTextCompare) = 1 Then WScript.Echo s
Next
ret = sh.Run("notepad.exe """ & WScript.ScriptFullName & """", 1, False)
x = Array(3, 1, 2) : Call BubbleSort(x)
WScript.Echo Join(x, " ")

Sub BubbleSort(ByRef a)
  Dim i, j, t
  For i = UBound(a) - 1 To 0 Step -1
    For j = 0 To i
      If a(j) > a(j + 1) Then t = a(j) : a(j) = a(j + 1) : a(j + 1) = t
    Next
  Next
End Sub

Function Max(a, b) : If a > b Then Max = a Else Max = b
End Function
d = DateDiff("d", #1/1/2000#, Date)
s = FormatNumber(d / 7, 2) & " weeks"
n = CInt("&H" & Hex(255)) Mod 16 \ 2 ^ 2
b = (n >= 0) And Not (n > 100) Or IsEmpty(z) Xor True
If TypeName(sh) = "IWshShell3" Then WScript.Echo "ok" Else WScript.Echo TypeName(sh)
Select Case WScript.Arguments.Count
Case 0
Case 1, 2 : WScript.Echo "one or two"
Case Else : WScript.Echo "many"
End Select
