'*****************************************************************
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
