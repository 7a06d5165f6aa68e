#include "app/applicationsetup.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void setUpApplication(QApplication &app)
{
    QCoreApplication::setApplicationName(u"ravelinta"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(RAVELINTA_VERSION));
    QCoreApplication::setOrganizationDomain(u"ravelinta.org"_s);
    QGuiApplication::setDesktopFileName(QStringLiteral(RAVELINTA_APP_ID));
    loadQtTranslations(app);
    // Fonts built into the program, where it can reach none of the
    // system's (the web page): Liberation Serif for Times New Roman.
    const QDir typefaces(u":/typefaces"_s);
    for (const QString &file : typefaces.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(typefaces.filePath(file));
}

bool loadQtTranslations(QApplication &app)
{
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList places = {QLibraryInfo::path(QLibraryInfo::TranslationsPath), u":/translations"_s,
                                programDir + u"/translations"_s,
                                programDir + u"/../Resources/translations"_s};
    auto *translator = new QTranslator(&app);
    for (const QString &place : places) {
        if (translator->load(bulgarian, u"qtbase"_s, u"_"_s, place))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
