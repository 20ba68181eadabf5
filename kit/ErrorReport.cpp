#include "kit/ErrorReport.h"
#include "kit/ErrorReportText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

void ShowErrorReport(const QString &message)
{
    const QString text = QString::fromStdString(ErrorReportText(message.toStdString()));
    QString title = QApplication::applicationDisplayName();
    if (title.isEmpty())
        title = QStringLiteral("Drawvane");
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorReport"));
    // The secondary windows stay on top of the others; the report, which
    // blocks every window until it is dismissed, must stand above them all.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

QString ExceptionText(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QCoreApplication::translate("Drawvane", "Unknown error");
    }
}

void ReportException(std::exception_ptr error)
{
    ShowErrorReport(ExceptionText(error));
}

void TErrorCollector::ReportAll()
{
    const QStringList texts = std::exchange(FTexts, {});
    FFirst = nullptr;
    for (const QString &text : texts)
        ShowErrorReport(text);
}

void TErrorCollector::RethrowFirst()
{
    const std::exception_ptr first = std::exchange(FFirst, nullptr);
    FTexts.clear();
    if (first)
        std::rethrow_exception(first);
}
