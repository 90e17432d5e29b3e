#pragma once
// Brazilian Portuguese for the texts Qt itself shows (Yes/No, the folder dialog, the calendar) and
// for the default locale (dates dd/MM/yyyy, month and day names). Both programs call it at start.
class QCoreApplication;

// Returns false when Qt's translation file is not installed (the program goes on with Qt's English).
bool InstalarPortugues(QCoreApplication &aplicacao);
