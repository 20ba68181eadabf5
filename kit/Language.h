#pragma once

// The program's language: the translations made from translations/*.ts,
// carried inside the program, with Qt's own for its dialogs. English needs
// none: its texts are the program's own.

#include <QString>
#include <QStringList>

// The languages the program carries besides English, as their files name
// them ("de", "zh_HK").
QStringList CarriedLanguages();

// The first of the desktop's languages (QLocale's uiLanguages, most
// preferred first) that the program carries; empty for English, where
// English comes before any carried one or none is carried.
QString DesktopLanguage(const QStringList &uiLanguages);

// The carried language a name such as "de", "de_AT", "zh-HK" or "ko_KR"
// stands for; empty for English or a language not carried.
QString CarriedLanguage(const QString &name);

// Installs the application's translators for a carried language, or takes
// them off for English (an empty name). Windows made before keep their
// texts.
void UseLanguage(const QString &language);
