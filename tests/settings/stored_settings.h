#pragma once

#include <QByteArray>

// Every setting stored, as unlike its start value and dialog default as it can be, in a key
// order unlike the table's.
inline const QByteArray StoredSettings =
    "Windows Registry Editor Version 5.00\n\n"
    "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\FTP]\n"
    "\"Host\"=\"ftp.example.org\"\n"
    "\"Username\"=\"ann\"\n"
    "\"Password\"=\" p\\\"w \"\n"
    "\"InitDir\"=\"/www\"\n\n"
    "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings]\n"
    "\"Author\"=\"Ann Author\"\n"
    "\"EMail\"=\"ann@example.org\"\n\n"
    "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\General]\n"
    "\"Splash\"=dword:00000000\n"
    "\"AppMaxi\"=dword:00000005\n"
    "\"NewDoc\"=dword:00000001\n"
    "\"DocMaxi\"=dword:00000000\n"
    "\"MinDoc\"=dword:00000000\n"
    "\"ShowComp\"=dword:00000001\n\n"
    "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\Editor]\n"
    "\"TextCol\"=dword:00102030\n"
    "\"BGCol\"=dword:00000000\n"
    "\"StdFont\"=\"Liberation Mono\"\n"
    "\"StdFontSize\"=dword:fffffffe\n"
    "\"Text\"=dword:00000001\n"
    "\"Links\"=dword:00040506\n"
    "\"Images\"=dword:00070809\n"
    "\"Other\"=dword:ff808000\n"
    "\"SyntaxColouring\"=dword:00000000\n\n"
    "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\Misc]\n"
    "\"ExtBrowser\"=\"firefox\"\n\n"
    "[HKEY_CURRENT_USER\\Software\\Corvane\\Pagewick\\Settings\\Netscape]\n"
    "\"UseNetscapeExt\"=dword:00000001\n\n";
