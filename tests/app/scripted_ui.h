// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/cell_edit_fields.h"
#include "app/dialogs/ui.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// A Ui whose answers are queued by the test and whose prompts are recorded. An unanswered
// question reads No, an unanswered colour dialog is cancelled, an unanswered file dialog or
// password prompt is left empty, an unanswered dialog is cancelled.
class ScriptedUi : public Ui {
public:
    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;
    // Unanswered: Don't save, so scenarios that never look at the question go on as before.
    std::deque<SaveChoice> saveChoices;
    QStringList saveQuestions;
    // Unanswered: Later, so a copy is never lost to a question nobody looked at.
    std::deque<RecoveryChoice> recoveryChoices;
    QStringList recoveryQuestions;
    std::vector<int32_t> colourRequests; // initial colour of every colour dialog
    std::deque<std::optional<int32_t>> colours;
    std::function<void()> whileChoosingColour; // runs inside the colour dialog
    struct FileRequest {
        FileDialogKind kind;
        FileDialogMode mode;
        QString startPath;
    };
    std::vector<FileRequest> fileRequests;
    std::deque<QString> files;
    QString clipboard;
    std::deque<QString> passwords;
    // A null text cancels the prompt, as does no answer; an unanswered gallery is closed.
    QStringList textPrompts;
    std::deque<QString> texts;
    std::vector<std::vector<GalleryStyle>> galleries; // every gallery as it was shown
    std::deque<std::optional<GalleryChoice>> galleryChoices;
    // The numbers every Colour by value dialog was shown; unanswered, it is cancelled.
    std::vector<std::vector<long double>> colourByValueNumbers;
    std::deque<std::optional<ColourByValueChoice>> colourByValueChoices;
    // The export's choices; unanswered, the proposal is taken as it stands.
    std::deque<std::optional<ExportLook>> exportLooks;
    std::vector<ExportLook> lookProposals;
    std::deque<bool> dialogAnswers;
    QStringList dialogsRun;
    std::vector<int32_t> capturedColoursShown;
    // Stand-ins for the New Table, Configuration, title bar and cell editing dialogs: edit
    // what the dialog would.
    std::function<bool(TableSettings&, ProgramState&)> newTable;
    std::function<bool(TableSettings&, ProgramState&)> configuration;
    std::function<bool(TableSettings&, ProgramState&)> titleBar;
    std::function<bool(CellEditFields&, ProgramState&)> cellEditing;
    std::vector<CellEditOpening> cellEditOpenings;
    // The Sort dialog: what each one offered, and the answers (unanswered: cancelled).
    std::vector<SortOffer> sortOffers;
    std::deque<std::optional<SortChoice>> sortChoices;

    void ShowMessage(const QString& text) override { messages.append(text); }
    bool AskYesNo(const QString& text) override {
        questions.append(text);
        return Next(answers, false);
    }
    SaveChoice AskSaveChanges(const QString& text) override {
        saveQuestions.append(text);
        return Next(saveChoices, SaveChoice::Discard);
    }
    RecoveryChoice AskRecovery(const QString& text) override {
        recoveryQuestions.append(text);
        return Next(recoveryChoices, RecoveryChoice::Later);
    }
    QString ChooseFile(FileDialogKind kind, FileDialogMode mode,
                       const QString& startPath) override {
        fileRequests.push_back({kind, mode, startPath});
        return Next(files, QString());
    }
    std::optional<ExportTarget> ChooseExportTarget(FileDialogKind kind, const QString& startPath,
                                                   const ExportLook& proposed) override {
        const QString path = ChooseFile(kind, FileDialogMode::Save, startPath);
        lookProposals.push_back(proposed);
        const std::optional<ExportLook> look = Next(exportLooks, std::optional(proposed));
        if (path.isEmpty() || !look) return std::nullopt;
        return ExportTarget{path, *look};
    }
    QString ClipboardText() override { return clipboard; }
    std::optional<int32_t> ChooseColour(int32_t initialColour) override {
        colourRequests.push_back(initialColour);
        if (whileChoosingColour) whileChoosingColour();
        return Next(colours, std::optional<int32_t>());
    }
    std::optional<QString> AskText(const QString& prompt, const QString&) override {
        textPrompts.append(prompt);
        const QString text = Next(texts, QString());
        return text.isNull() ? std::nullopt : std::optional(text);
    }
    std::optional<GalleryChoice> RunStyleGallery(const std::vector<GalleryStyle>& styles,
                                                 int) override {
        galleries.push_back(styles);
        return Next(galleryChoices, std::optional<GalleryChoice>());
    }
    std::optional<ColourByValueChoice>
    RunColourByValue(const std::vector<long double>& numbers) override {
        colourByValueNumbers.push_back(numbers);
        return Next(colourByValueChoices, std::optional<ColourByValueChoice>());
    }
    QString AskWorkFilePassword() override {
        dialogsRun.append(QStringLiteral("password"));
        return Next(passwords, QString());
    }
    bool RunNewTableDialog(TableSettings& settings, ProgramState& state) override {
        return SettingsDialog("new table", newTable, settings, state);
    }
    bool RunConfigurationDialog(TableSettings& settings, ProgramState& state) override {
        return SettingsDialog("configuration", configuration, settings, state);
    }
    void RunTitleBarDialog(TableSettings& settings, ProgramState& state) override {
        SettingsDialog("title bar", titleBar, settings, state);
    }
    bool RunCellEditingDialog(CellEditFields& fields, ProgramState& state,
                              const CellEditOpening& opening) override {
        cellEditOpenings.push_back(opening);
        if (!cellEditing) return Dialog("cell editing");
        dialogsRun.append(QStringLiteral("cell editing"));
        return cellEditing(fields, state);
    }
    void ShowCapturedColour(int32_t colour) override { capturedColoursShown.push_back(colour); }
    void RunFavouriteColours(ProgramState&) override { Dialog("favourite colours"); }
    void ShowAbout(ProgramState&) override { Dialog("about"); }
    std::optional<SortChoice> RunSortDialog(const SortOffer& offer, const SortChoice&) override {
        sortOffers.push_back(offer);
        return Next(sortChoices, std::optional<SortChoice>());
    }

private:
    template <typename T> static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
    bool Dialog(const char* name) {
        dialogsRun.append(QString::fromLatin1(name));
        return Next(dialogAnswers, false);
    }
    bool SettingsDialog(const char* name,
                        const std::function<bool(TableSettings&, ProgramState&)>& standIn,
                        TableSettings& settings, ProgramState& state) {
        if (!standIn) return Dialog(name);
        dialogsRun.append(QString::fromLatin1(name));
        return standIn(settings, state);
    }
};
