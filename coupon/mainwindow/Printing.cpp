#include "coupon/mainwindow/Printing.h"
#include "kit/Wine.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#if DRAWVANE_HAVE_CUPS
#include <cups/cups.h>
#include <dlfcn.h>
#endif

namespace {

// Courier New. Wine's PostScript printer driver (8.0) stops the program with
// a page fault on text in the fonts it takes for a printer's own (Courier
// New, Times New Roman, Arial); under Wine the list goes out in Courier
// New's metric twin, Liberation Mono, where it is installed.
QString PrintFontFamily()
{
    if (RunsUnderWine() && QFontDatabase::families().contains(QStringLiteral("Liberation Mono")))
        return QStringLiteral("Liberation Mono");
    return QStringLiteral("Courier New");
}

#if DRAWVANE_HAVE_CUPS
// The printing system's library, loaded the first time something is
// printed rather than at every start: the same library that Qt's printing
// plugin loads, so its last status is the status of Qt's calls.
struct TCups {
    decltype(&cupsGetJobs2) getJobs = nullptr;
    decltype(&cupsFreeJobs) freeJobs = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;

    bool Loaded() const { return getJobs && freeJobs && lastError && lastErrorString; }
};

const TCups &Cups()
{
    static const TCups cups = [] {
        TCups loaded;
        void *library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return loaded;
        loaded.getJobs = reinterpret_cast<decltype(&cupsGetJobs2)>(dlsym(library, "cupsGetJobs2"));
        loaded.freeJobs = reinterpret_cast<decltype(&cupsFreeJobs)>(dlsym(library, "cupsFreeJobs"));
        loaded.lastError = reinterpret_cast<decltype(&cupsLastError)>(dlsym(library, "cupsLastError"));
        loaded.lastErrorString =
            reinterpret_cast<decltype(&cupsLastErrorString)>(dlsym(library, "cupsLastErrorString"));
        return loaded;
    }();
    return cups;
}

// The printing system's newest job on a queue, or 0.
int NewestJob(const TCups &cups, const QByteArray &queue)
{
    cups_job_t *jobs = nullptr;
    const int count = cups.getJobs(CUPS_HTTP_DEFAULT, &jobs, queue.constData(), 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cups.freeJobs(count, jobs);
    return newest;
}

// The state of a job, or 0 if the printing system does not know it.
ipp_jstate_t JobState(const TCups &cups, const QByteArray &queue, int id)
{
    cups_job_t *jobs = nullptr;
    const int count = cups.getJobs(CUPS_HTTP_DEFAULT, &jobs, queue.constData(), 0, CUPS_WHICHJOBS_ALL);
    ipp_jstate_t state = static_cast<ipp_jstate_t>(0);
    for (int i = 0; i < count; ++i)
        if (jobs[i].id == id)
            state = jobs[i].state;
    cups.freeJobs(count, jobs);
    return state;
}
#endif

} // namespace

void PrintOnDefaultPrinter(const QString &text, const QString &title)
{
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        // Without this check the toolkit falls back to a PDF printer with no
        // file and prints nowhere.
        throw TPrintError(QCoreApplication::translate("Drawvane", "No default printer is installed").toStdString());
    }
    if (target.state() == QPrinter::Error)
        throw TPrintError(QCoreApplication::translate("Drawvane", "The printer \"%1\" is stopped")
                              .arg(target.printerName())
                              .toStdString());

    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    if (!printer.isValid())
        throw TPrintError(QCoreApplication::translate("Drawvane", "The printer \"%1\" cannot be used")
                              .arg(target.printerName())
                              .toStdString());

    QTextDocument document;
    QFont font(PrintFontFamily());
    font.setPointSize(12);
    font.setStyleHint(QFont::Monospace);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setPlainText(text);
    // A page size of the document's own makes the toolkit print the text as
    // it stands, with no page numbers; 96 dots per inch is the document's
    // own scale.
    document.setPageSize(printer.pageLayout().fullRectPixels(96).size());

#if DRAWVANE_HAVE_CUPS
    const TCups &cups = Cups();
    const QByteArray queue = target.printerName().toLocal8Bit();
    const int before = cups.Loaded() ? NewestJob(cups, queue) : 0;
#endif
    document.print(&printer);
#if DRAWVANE_HAVE_CUPS
    // The printing system's answer to the submission, taken before any later
    // call of ours replaces it with its own status.
    const ipp_status_t submitStatus = cups.Loaded() ? cups.lastError() : IPP_STATUS_OK;
    const QString submitReason = cups.Loaded() ? QString::fromLocal8Bit(cups.lastErrorString()) : QString();
#endif
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw TPrintError(QCoreApplication::translate("Drawvane", "The printer \"%1\" did not take the job")
                              .arg(target.printerName())
                              .toStdString());

#if DRAWVANE_HAVE_CUPS
    if (!cups.Loaded())
        return;
    const int job = NewestJob(cups, queue);
    if (job <= before) {
        const QString reason = submitStatus > IPP_STATUS_OK_EVENTS_COMPLETE && !submitReason.isEmpty()
            ? submitReason
            : QCoreApplication::translate("Drawvane", "no reason given");
        throw TPrintError(QCoreApplication::translate("Drawvane", "The printing system refused the job for \"%1\" (%2)")
                              .arg(target.printerName(), reason)
                              .toStdString());
    }
    const ipp_jstate_t state = JobState(cups, queue, job);
    if (state == IPP_JSTATE_ABORTED || state == IPP_JSTATE_CANCELED)
        throw TPrintError(QCoreApplication::translate("Drawvane", "The print job for \"%1\" ended in an error")
                              .arg(target.printerName())
                              .toStdString());
#endif
}
