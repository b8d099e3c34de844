// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/messages/message_table.h"
#include "model/recovery_store.h"

void Editor::OfferRecoveryCopies() {
    if (!recovery_.enabled()) return;
    const MessageTable messages = Messages();
    for (const RecoveryCopy& copy : ListRecoveryCopies(recovery_.folder())) {
        const QString name = copy.originalPath.isEmpty()
                                 ? messages.Message(kRecoveryGroup, kNoFileEntry)
                                 : copy.originalPath;
        switch (ui_.AskRecovery(messages.Message(kRecoveryGroup, kCopyFoundEntry) +
                                QStringLiteral("\r\n") + name)) {
        case RecoveryChoice::Restore:
            if (RestoreRecoveryCopy(copy)) return;
            break;
        case RecoveryChoice::Discard:
            RemoveRecoveryCopy(copy);
            break;
        case RecoveryChoice::Later:
            break;
        }
    }
}

// A protected copy asks its password as any work file does; a refused one stays for later.
bool Editor::RestoreRecoveryCopy(const RecoveryCopy& copy) {
    if (!MayLeaveTable() || !LoadAndShow(copy.copyPath, false, RestoredWorkFilePath(copy)))
        return false;
    MarkChanged();
    recovery_.Adopt(copy);
    UpdateStatusCaption();
    return true;
}
