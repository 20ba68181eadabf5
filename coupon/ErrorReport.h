#pragma once

#include <QString>

#include <exception>
#include <utility>

// The general error report: a critical message box with the error's text,
// the application title as caption and one OK button. The event loop goes on.
void ShowErrorReport(const QString &message);

// Hands an exception to the report. Every event handler, slot and command
// runs through Guarded so that nothing crosses the toolkit's signal and
// event machinery.
void ReportException(std::exception_ptr error);

template <typename F>
void Guarded(F &&f)
{
    try {
        std::forward<F>(f)();
    } catch (...) {
        ReportException(std::current_exception());
    }
}
