// SPDX-License-Identifier: GPL-3.0-or-later
// Table styles: the gallery that applies them and the table's look kept as a style.
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/messages/message_table.h"
#include "content/built_in_styles.h"
#include "content/selection_run.h"
#include "content/style_file.h"
#include "content/style_of_table.h"
#include "render/export_cut.h"
#include "render/style_preview.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace {

// A folder that is not set holds no styles (never the working folder).
UserStyles UserStylesIn(const QString& folder) {
    return folder.isEmpty() ? UserStyles{} : LoadUserStyles(folder);
}

} // namespace

void Editor::TableStyles() {
    if (dialogOpen_) return;
    dialogOpen_ = true;
    const MessageTable messages = Messages();
    const std::vector<TableStyle>& builtIn = BuiltInStyles();
    bool damageTold = false;
    const int previewScale = std::clamp(int(std::ceil(pixelRatio_)), 1, kMaxExportScale);
    int current = 0;
    // Deleting a style shows the gallery again without it.
    for (;;) {
        const UserStyles user = UserStylesIn(state_.stylesFolder);
        if (!damageTold) {
            if (!user.damaged.isEmpty())
                ui_.ShowMessage(messages.Message(kStyleGroup, kDamagedStyleEntry) +
                                user.damaged.join(QStringLiteral("; ")));
            if (!user.builtInNamed.isEmpty())
                ui_.ShowMessage(messages.Message(kStyleGroup, kBuiltInNameEntry) +
                                user.builtInNamed.join(QStringLiteral(", ")));
            damageTold = true;
        }
        std::vector<TableStyle> styles = builtIn;
        styles.insert(styles.end(), user.styles.begin(), user.styles.end());
        std::vector<GalleryStyle> gallery;
        for (size_t i = 0; i < styles.size(); ++i) {
            const bool own = i >= builtIn.size();
            gallery.push_back(
                {own ? styles[i].name
                     : messages.Message(kStyleGroup, kFirstStyleNameEntry + int(i)),
                 StylePreview(document_, styles[i], RenderSettings(), clock_, previewScale), own});
        }
        const std::optional<GalleryChoice> choice = ui_.RunStyleGallery(gallery, current);
        if (!choice || choice->index < 0 || size_t(choice->index) >= styles.size()) break;
        current = choice->index;
        if (choice->action == GalleryAction::Apply) {
            Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
                if (AnyCellSelected(document_))
                    ApplyStyleToSelection(document_, styles[size_t(current)]);
                else
                    ApplyTableStyle(document_, styles[size_t(current)]);
                return true;
            });
            break;
        }
        if (!gallery[size_t(current)].deletable) continue;
        const QString& path = user.paths[current - int(builtIn.size())];
        if (!ui_.AskYesNoDefaultNo(messages.Message(kStyleGroup, kDeleteQuestionEntry) +
                                   QStringLiteral("\r\n") + styles[size_t(current)].name))
            continue;
        if (!QFile::remove(path))
            ui_.ShowMessage(messages.Message(kStyleGroup, kStyleUndeletedEntry) + path);
        current = 0;
    }
    dialogOpen_ = false;
}

void Editor::SaveAsStyle() {
    const MessageTable messages = Messages();
    const std::optional<QString> asked =
        ui_.AskText(messages.Message(kStyleGroup, kStyleNameEntry), QString());
    if (!asked) return;
    const QString name = asked->trimmed();
    switch (StyleNameProblemOf(name)) {
    case StyleNameProblem::None:
        break;
    case StyleNameProblem::Length:
        return ui_.ShowMessage(messages.Message(kStyleGroup, kStyleNameRuleEntry));
    case StyleNameProblem::FileName:
        return ui_.ShowMessage(messages.Message(kStyleGroup, kStyleFileNameEntry));
    case StyleNameProblem::BuiltIn:
        return ui_.ShowMessage(messages.Message(kStyleGroup, kBuiltInNameEntry) + name);
    }

    const QString& folder = state_.stylesFolder;
    const UserStyles user = UserStylesIn(folder);
    const TableStyle* existing = FindStyle(user.styles, name);
    if (existing && !ui_.AskYesNoDefaultNo(messages.Message(kStyleGroup, kReplaceStyleEntry) +
                                           QStringLiteral("\r\n") + name))
        return;
    const Status saved = SaveUserStyle(folder, StyleOfTable(document_, name));
    if (!saved.ok())
        return ui_.ShowMessage(messages.Message(kStyleGroup, kStyleUnsavedEntry) + saved.detail);
    // A file of another name that held the replaced style would list it twice.
    if (existing) {
        const QString oldPath = user.paths[int(existing - user.styles.data())];
        if (oldPath != UserStylePath(folder, name)) QFile::remove(oldPath);
    }
}
