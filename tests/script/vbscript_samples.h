#pragma once
// Whole VBScript programs that must check clean, shared by the table tests and the
// randomized ones.
// Scripts in the styles people write: administration with WScript, WMI, ADSI and the
// registry, classes with properties, HTA event handlers, error handling, one-liners joined by
// colons, long concatenations over continued lines.
inline const char* const realisticScripts[] = {
    R"VBS(' Lists the services that are stopped and writes them to a log.
Option Explicit
On Error Resume Next

Const ForAppending = 8, LOG_NAME = "services.log"
Dim objWMI, colServices, objService, fso, logFile, strComputer, count

strComputer = "."
If WScript.Arguments.Count > 0 Then strComputer = WScript.Arguments(0)

Set objWMI = GetObject("winmgmts:{impersonationLevel=impersonate}!\\" & _
                       strComputer & "\root\cimv2")
If Err.Number <> 0 Then
    WScript.Echo "Cannot connect to " & strComputer & ": " & Err.Description
    WScript.Quit 1
End If
On Error GoTo 0

Set fso = CreateObject("Scripting.FileSystemObject")
Set logFile = fso.OpenTextFile(LOG_NAME, ForAppending, True)
Set colServices = objWMI.ExecQuery("SELECT * FROM Win32_Service WHERE State = 'Stopped'")
count = 0
For Each objService In colServices
    If objService.StartMode = "Auto" Then
        logFile.WriteLine Now & vbTab & objService.Name & vbTab & objService.DisplayName
        count = count + 1
    End If
Next
logFile.Close
WScript.Echo count & " automatic services are stopped."
)VBS",
    R"VBS(Class Stack
    Private items(), top

    Private Sub Class_Initialize()
        ReDim items(15)
        top = -1
    End Sub

    Public Sub Push(ByVal value)
        top = top + 1
        If top > UBound(items) Then ReDim Preserve items(UBound(items) * 2 + 1)
        If IsObject(value) Then
            Set items(top) = value
        Else
            items(top) = value
        End If
    End Sub

    Public Function Pop()
        If top < 0 Then Err.Raise vbObjectError + 1, "Stack", "Stack is empty"
        Pop = items(top)
        top = top - 1
    End Function

    Public Property Get Count()
        Count = top + 1
    End Property
End Class

Dim s : Set s = New Stack
s.Push 1 : s.Push "two"
Do While s.Count > 0
    WScript.Echo s.Pop()
Loop
)VBS",
    R"VBS(' Copies new files from a share, keeping a dictionary of what was seen.
Dim fso, dict, src, dst, f, shell, rc
Set fso = CreateObject("Scripting.FileSystemObject")
Set dict = CreateObject("Scripting.Dictionary")
Set shell = WScript.CreateObject("WScript.Shell")
src = shell.ExpandEnvironmentStrings("%USERPROFILE%") & "\Documents"
dst = "\\server\backup\" & shell.ExpandEnvironmentStrings("%USERNAME%")
If Not fso.FolderExists(dst) Then fso.CreateFolder dst
For Each f In fso.GetFolder(src).Files
    Select Case LCase(fso.GetExtensionName(f.Name))
        Case "doc", "xls", "txt"
            If Not dict.Exists(f.Name) Then
                dict.Add f.Name, f.DateLastModified
                f.Copy dst & "\" & f.Name, True
            ElseIf dict(f.Name) < f.DateLastModified Then
                dict(f.Name) = f.DateLastModified
            End If
        Case "tmp": f.Delete
        Case Else
    End Select
Next
rc = shell.Run("cmd /c dir """ & dst & """ > nul", 0, True)
WScript.Echo "Done: " & dict.Count & " files (" & rc & ")"
Function Pad(ByVal s, n)
    Do Until Len(s) >= n
        s = "0" & s
    Loop
    Pad = s
End Function
Sub Report(msg)
    Dim ts
    ts = Year(Now) & "-" & Pad(Month(Now), 2) & "-" & Pad(Day(Now), 2)
    WScript.StdOut.WriteLine ts & " " & msg
End Sub
Report "finished"
)VBS",
    R"VBS(' HTA-style and ASP-style code
Sub Window_OnLoad : window.resizeTo 400, 300 : End Sub

Sub btnRun_OnClick()
    Dim objShell, strCmd, intRet
    Set objShell = CreateObject("WScript.Shell")
    strCmd = "cmd /c ping -n 1 " & txtHost.Value
    intRet = objShell.Run(strCmd, 0, True)
    If intRet = 0 Then
        spanResult.InnerHTML = "<b>Up</b>"
    Else : spanResult.InnerHTML = "<b style=""color:red"">Down</b>"
    End If
End Sub

Class Dictionary2
    Private m_dict
    Private Sub Class_Initialize() : Set m_dict = CreateObject("Scripting.Dictionary") : End Sub
    Private Sub Class_Terminate()
        Set m_dict = Nothing
    End Sub
    Public Default Property Get Item(ByVal key)
        If m_dict.Exists(key) Then
            If IsObject(m_dict(key)) Then Set Item = m_dict(key) Else Item = m_dict(key)
        Else
            Item = Empty
        End If
    End Property
    Public Property Let Item(ByVal key, ByVal value)
        m_dict(key) = value
    End Property
    Public Property Set Item(ByVal key, ByVal value)
        Set m_dict(key) = value
    End Property
    Public Function Keys() : Keys = m_dict.Keys : End Function
    Public Sub Remove(key) : m_dict.Remove key : End Sub
End Class

Dim d : Set d = New Dictionary2
d("a") = 1 : d.Item("b") = "two"
Dim k
For Each k In d.Keys : WScript.Echo k & " = " & d(k) : Next
Call d.Remove("a")
Randomize : WScript.Echo Int((6 * Rnd) + 1)
Dim re : Set re = New RegExp
With re
    .Pattern = "^\d{3}-\d{4}$"
    .IgnoreCase = True : .Global = False
    If .Test("555-1234") Then WScript.Echo "match: " & .Pattern
End With
Dim n : n = 0
Do
    n = n + 1
    If n > 5 Then Exit Do
Loop While True
Select Case True
    Case n < 0 : WScript.Echo "neg"
    Case n >= 0 And n <= 10
        WScript.Echo "small"
    Case Else
        WScript.Echo "big"
End Select
x = DateAdd("d", 1, #2005-01-01#)
WScript.StdOut.Write(x)
WScript.Echo(Join(Array(1, 2), ","))
arr = Split("a,b", ",")(0)
Set objShell = Nothing
Erase arr2
If IsArray(y) Then ReDim Preserve y(UBound(y) + 1) : y(UBound(y)) = "z"
)VBS",
    R"VBS('*****************************************************************
'  AddUsers.vbs - creates accounts from a CSV file
'*****************************************************************
Option Explicit

Const ADS_UF_DONT_EXPIRE_PASSWD = &h10000
Const ForReading = 1

Dim objFSO, objFile, strLine, arrFields, objOU, objUser, intCount, strLog
Dim objArgs : Set objArgs = WScript.Arguments

If objArgs.Count <> 1 Then
	WScript.Echo "Usage: cscript AddUsers.vbs users.csv"
	WScript.Quit(1)
End If

Set objFSO = CreateObject("Scripting.FileSystemObject")
If Not objFSO.FileExists(objArgs(0)) Then WScript.Echo "No file" : WScript.Quit 2

Set objFile = objFSO.OpenTextFile(objArgs(0), ForReading)
Set objOU = GetObject("LDAP://OU=Staff,DC=example,DC=com")
intCount = 0
Do Until objFile.AtEndOfStream
	strLine = Trim(objFile.ReadLine)
	If Len(strLine) = 0 Or Left(strLine, 1) = "#" Then
		' skip blank lines and comments
	Else
		arrFields = Split(strLine, ",")
		If UBound(arrFields) >= 2 Then
			Set objUser = objOU.Create("user", "CN=" & arrFields(0))
			objUser.Put "sAMAccountName", LCase(arrFields(1))
			objUser.Put "userPrincipalName", LCase(arrFields(1)) & "@example.com"
			objUser.SetInfo
			objUser.SetPassword arrFields(2)
			objUser.AccountDisabled = False
			objUser.Put "userAccountControl", objUser.Get("userAccountControl") Or ADS_UF_DONT_EXPIRE_PASSWD
			objUser.SetInfo
			intCount = intCount + 1
		End If
	End If
Loop
objFile.Close

strLog = "Created " & intCount & " user" & IIf(intCount = 1, "", "s")
WScript.Echo strLog

Function IIf(blnExpr, vTrue, vFalse)
	If blnExpr Then IIf = vTrue Else IIf = vFalse
End Function
)VBS",
    R"VBS(' Registry and shell helpers, written terse
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
)VBS",
    R"VBS(Class Logger
	Private fso, stream, mPath
	Public Level

	Public Property Get Path() : Path = mPath : End Property
	Public Property Let Path(value)
		mPath = value
		If Not IsEmpty(stream) Then stream.Close
		Set stream = fso.OpenTextFile(mPath, 8, True)
	End Property

	Private Sub Class_Initialize
		Set fso = CreateObject("Scripting.FileSystemObject")
		Level = 1
	End Sub

	Private Sub Class_Terminate
		If IsObject(stream) Then
			stream.Close
			Set stream = Nothing
		End If
	End Sub

	Public Sub Log(ByVal lvl, ByVal msg)
		If lvl < Level Then Exit Sub
		stream.WriteLine FormatDateTime(Now, vbGeneralDate) & " [" & lvl & "] " & msg
	End Sub

	Public Function Self()
		Set Self = Me
	End Function
End Class

Dim log : Set log = New Logger
log.Path = "c:\temp\run.log"
log.Log 2, "started"
log.Self().Log 1, "via self"
With log
	.Level = 0
	.Log 0, "debug " & .Level & " " & .Path
End With
Set log = Nothing
Execute "Sub Dyn() : WScript.Echo ""dyn"" : End Sub"
ExecuteGlobal "Dim g : g = 1"
Dim fn : Set fn = GetRef("Helper")
fn "x"
Sub Helper(x) : WScript.Echo x : End Sub
Dim matrix(2, 2), r, c
For r = 0 To 2 : For c = 0 To 2 : matrix(r, c) = r * c : Next : Next
ReDim dyn(0) : ReDim Preserve dyn(5)
Erase dyn
Dim rx : Set rx = New RegExp : rx.Pattern = "(\w+)@(\w+)\.com" : rx.Global = True
For Each m In rx.Execute("a@b.com c@d.com")
	WScript.Echo m.SubMatches(0) & " at " & m.SubMatches(1)
Next
While r > 0 : r = r - 1 : Wend
)VBS",
};
