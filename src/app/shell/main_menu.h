// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/editor/command_ids.h"

#include <QHash>

class MessageTable;
class QAction;
class QMenuBar;
class QObject;

inline size_t qHash(CommandId id, size_t seed = 0) noexcept {
    return qHash(int(id), seed);
}

// The menu bar of the main window in the language of `messages`: every item is an action
// whose data is its command id. Returns the actions by id so that they can be checked and
// enabled.
QHash<CommandId, QAction*> BuildMainMenu(QMenuBar& menuBar, const MessageTable& messages);
