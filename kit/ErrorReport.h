#pragma once

#include <QString>

#include <QStringList>

#include <exception>
#include <type_traits>
#include <utility>

// The general error report: a critical message box with the error's text,
// the application title as caption and one OK button. The event loop goes on.
void ShowErrorReport(const QString &message);

// Hands an exception to the report. Every event handler, slot and command
// runs through Guarded so that nothing crosses the toolkit's signal and
// event machinery.
void ReportException(std::exception_ptr error);

// The text an exception shows in the report.
QString ExceptionText(std::exception_ptr error);

// Runs several steps that must all be tried, keeping what went wrong: a
// window that starts or redraws finishes its work and then reports.
class TErrorCollector {
public:
    template <typename F>
    void Run(F &&f)
    {
        try {
            std::forward<F>(f)();
        } catch (...) {
            if (!FFirst)
                FFirst = std::current_exception();
            const QString text = ExceptionText(std::current_exception());
            if (!FTexts.contains(text))
                FTexts.append(text);
        }
    }
    bool Empty() const { return FTexts.isEmpty(); }
    // Shows each distinct problem once in the general error report, and
    // forgets them.
    void ReportAll();
    // Throws the first problem again, if there was one, and forgets them.
    void RethrowFirst();

private:
    std::exception_ptr FFirst;
    QStringList FTexts;
};

template <typename F>
void Guarded(F &&f)
{
    try {
        std::forward<F>(f)();
    } catch (...) {
        ReportException(std::current_exception());
    }
}

// A slot that runs handler through Guarded, for connect(): it takes the
// signal's arguments when it wants them.
template <typename F>
auto Guard(F handler)
{
    return [handler](auto &&...args) {
        Guarded([&] {
            if constexpr (std::is_invocable_v<const F &, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        });
    };
}
