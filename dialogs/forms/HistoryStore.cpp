#include "dialogs/forms/HistoryStore.h"
#include "history/HistoryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <stdexcept>

THistoryStore::THistoryStore(int marks, int boardsize)
    : FMarks(marks)
    , FBoardsize(boardsize)
    , FPath(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                .filePath(QStringLiteral("history-%1-%2.txt").arg(marks).arg(boardsize)))
{
}

std::vector<THistoryDraw> THistoryStore::Load(QString &notice) const
{
    QFile file(FPath);
    if (!file.exists())
        return {};
    QString why;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        file.close();
        const TImportResult read =
            ReadHistory(bytes.toStdString(), static_cast<uint8_t>(FMarks), static_cast<uint8_t>(FBoardsize));
        if (read.Ok())
            return read.draws;
        why = QString::fromStdString(read.errors.front());
    } else {
        why = file.errorString();
    }
    // Kept aside under a name of its own, so that the next save does not
    // overwrite what the player may still want.
    QString aside = FPath + QStringLiteral(".unreadable");
    for (int i = 2; QFile::exists(aside); ++i)
        aside = FPath + QStringLiteral(".unreadable-%1").arg(i);
    if (QFile::rename(FPath, aside))
        notice =
            QCoreApplication::translate("Drawvane", "The kept draws could not be read (%1) and were set aside as %2")
                .arg(why, aside);
    else
        notice = QCoreApplication::translate("Drawvane", "The kept draws could not be read (%1): %2").arg(why, FPath);
    return {};
}

void THistoryStore::Save(const std::vector<THistoryDraw> &draws) const
{
    if (!QDir().mkpath(QFileInfo(FPath).absolutePath()))
        throw std::runtime_error(QCoreApplication::translate("Drawvane", "The draws could not be kept: no folder %1")
                                     .arg(FPath)
                                     .toStdString());
    QSaveFile file(FPath);
    const std::string text = WriteHistory(draws);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())
        || !file.commit())
        throw std::runtime_error(QCoreApplication::translate("Drawvane", "The draws could not be kept (%1)")
                                     .arg(file.errorString())
                                     .toStdString());
}
