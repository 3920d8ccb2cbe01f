' Lists the services that are stopped and writes them to a log.
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
