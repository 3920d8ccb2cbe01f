Class Logger
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
