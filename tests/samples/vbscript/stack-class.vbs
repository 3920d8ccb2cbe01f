Class Stack
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
