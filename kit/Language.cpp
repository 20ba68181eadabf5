#include "kit/Language.h"
#include "texts/Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

constexpr const char *kTranslations = ":/i18n";

// Qt's own catalogues by language; Traditional Chinese is Taiwan's.
QString QtCatalogue(const QString &language)
{
    return language == QStringLiteral("zh_HK") ? QStringLiteral("qt_zh_TW") : QStringLiteral("qt_") + language;
}

// Where Qt's catalogues are: beside the program on Windows, Qt's own
// folder elsewhere.
QString QtTranslationsFolder()
{
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

std::unique_ptr<QTranslator> ProgramTranslator;
std::unique_ptr<QTranslator> QtTranslator;

} // namespace

QStringList CarriedLanguages()
{
    QStringList languages;
    for (const QString &file : QDir(QString::fromLatin1(kTranslations)).entryList({QStringLiteral("drawvane_*.qm")}))
        languages.append(file.mid(9).chopped(3));
    return languages;
}

QString CarriedLanguage(const QString &name)
{
    QString tag = name;
    tag.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = tag.section(QLatin1Char('_'), 0, 0).toLower();
    const QStringList carried = CarriedLanguages();
    if (language == QStringLiteral("zh")) {
        // Traditional Chinese, as Hong Kong, Taiwan and Macau write it.
        static const QStringList traditional = {QStringLiteral("hant"), QStringLiteral("hk"), QStringLiteral("tw"),
                                                QStringLiteral("mo")};
        const QStringList parts = tag.toLower().split(QLatin1Char('_'));
        for (const QString &part : parts.mid(1))
            if (traditional.contains(part) && carried.contains(QStringLiteral("zh_HK")))
                return QStringLiteral("zh_HK");
        return {};
    }
    return carried.contains(language) ? language : QString();
}

QString DesktopLanguage(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        if (name.startsWith(QStringLiteral("en"), Qt::CaseInsensitive))
            return {};
        const QString language = CarriedLanguage(name);
        if (!language.isEmpty())
            return language;
    }
    return {};
}

void UseLanguage(const QString &language)
{
    for (std::unique_ptr<QTranslator> *translator : {&ProgramTranslator, &QtTranslator})
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    texts::SetTranslation({});
    if (language.isEmpty())
        return;
    // The toolkit-free libraries' texts take the same translation.
    texts::SetTranslation([](const char *context, const char *english) {
        return QCoreApplication::translate(context, english).toStdString();
    });
    ProgramTranslator = std::make_unique<QTranslator>();
    if (ProgramTranslator->load(QStringLiteral("drawvane_") + language, QString::fromLatin1(kTranslations)))
        QCoreApplication::installTranslator(ProgramTranslator.get());
    QtTranslator = std::make_unique<QTranslator>();
    if (QtTranslator->load(QtCatalogue(language), QtTranslationsFolder()))
        QCoreApplication::installTranslator(QtTranslator.get());
}
