// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTranslator;

// Puts Qt's own texts (standard buttons, file and colour dialogs) into the program's language
// (1..7, the message table's columns): loads Qt's translation for it into `translator` and
// installs it on the application. English needs none, so the translator is only removed.
// False when the translation could not be found.
bool InstallQtTranslation(QTranslator& translator, int language);
