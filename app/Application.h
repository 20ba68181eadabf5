#pragma once

#include <QApplication>

// The application object. Its notify is the last net for an exception that
// escaped an entry point's guard: it goes to the general error report and
// the event loop carries on.
class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Sets the application title and creates every window of the program once,
// the main window first; every window is hidden after creation.
void CreateForms();

// Frees the windows that CreateForms made.
void DestroyForms();

// Makes sure the window fonts are there and drawn whole: Tahoma from Wine's
// font folder when the system does not offer it. Returns false when it is
// missing.
bool EnsureFonts();
