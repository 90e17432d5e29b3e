#include "common/Idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalarPortugues(QCoreApplication &aplicacao)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    auto *traducao = new QTranslator(&aplicacao);
    if (!traducao->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducao;
        return false;
    }
    return QCoreApplication::installTranslator(traducao);
}
