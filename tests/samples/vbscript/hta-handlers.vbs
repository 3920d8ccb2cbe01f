' HTA-style and ASP-style code
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
