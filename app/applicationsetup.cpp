#include "app/applicationsetup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setUpApplication(QApplication &app)
{
    QCoreApplication::setApplicationName(QStringLiteral("ravelinta"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RAVELINTA_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("ravelinta.org"));
    QGuiApplication::setDesktopFileName(QStringLiteral(RAVELINTA_APP_ID));
    loadQtTranslations(app);
}

bool loadQtTranslations(QApplication &app)
{
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList places = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                programDir + QStringLiteral("/translations"),
                                programDir + QStringLiteral("/../Resources/translations")};
    auto *translator = new QTranslator(&app);
    for (const QString &place : places) {
        if (translator->load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"), place))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
