// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/qt_translation.h"

#include "app/messages/message_table.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's translation of each language column; Qt has Portuguese only as spoken in Brazil.
QString QtLocaleOf(int language) {
    switch (language) {
    case kSpanish:
        return QStringLiteral("es");
    case kPortuguese:
        return QStringLiteral("pt_BR");
    case kFrench:
        return QStringLiteral("fr");
    case kGerman:
        return QStringLiteral("de");
    case kItalian:
        return QStringLiteral("it");
    case kCatalan:
        return QStringLiteral("ca");
    default:
        return {};
    }
}

} // namespace

bool InstallQtTranslation(QTranslator& translator, int language) {
    QCoreApplication::removeTranslator(&translator);
    const QString locale = QtLocaleOf(language);
    if (locale.isEmpty()) return true;
    if (!translator.load(QStringLiteral("qtbase_") + locale,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
