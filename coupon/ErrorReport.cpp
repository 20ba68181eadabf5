#include "ErrorReport.h"
#include "CouponSystems.h"

#include <QApplication>
#include <QMessageBox>

void ShowErrorReport(const QString &message)
{
    const QString text = QString::fromStdString(ErrorReportText(message.toStdString()));
    QString title = QApplication::applicationDisplayName();
    if (title.isEmpty())
        title = QStringLiteral("Drawvane");
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorReport"));
    box.exec();
}

void ReportException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        ShowErrorReport(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unknown error"));
    }
}
