' Copies new files from a share, keeping a dictionary of what was seen.
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
