// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/main_menu.h"

#include "app/dialogs/dialog_resources.h"
#include "app/editor/command_ids.h"
#include "app/messages/message_table.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuBuilder {
    QHash<CommandId, QAction*>& actions;

    QAction* Item(QMenu& menu, CommandId id, const QString& text, int image = 0,
                  QKeySequence shortcut = {}) {
        QAction* action = menu.addAction(text);
        action->setData(int(id));
        if (image != 0)
            action->setIcon(QIcon(PngPicture(QStringLiteral(":/menu/%1.png").arg(image))));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        actions.insert(id, action);
        return action;
    }
    QAction* Checkable(QMenu& menu, CommandId id, const QString& text, int image = 0) {
        QAction* action = Item(menu, id, text, image);
        action->setCheckable(true);
        return action;
    }
};

} // namespace

QHash<CommandId, QAction*> BuildMainMenu(QMenuBar& menuBar, const MessageTable& m) {
    menuBar.clear();
    QHash<CommandId, QAction*> actions;
    MenuBuilder b{actions};

    QMenu* operations = menuBar.addMenu(m.Message(msg::kOperations));
    b.Item(*operations, CommandId::New, m.Message(msg::kNew), 800, QKeySequence::New);
    operations->addSeparator();
    b.Item(*operations, CommandId::ReadFile, m.Message(msg::kReadFile), 801, QKeySequence::Open);
    operations->addSeparator();
    b.Item(*operations, CommandId::ReadPrevious, m.Message(msg::kReadFormatPrevious), 801);
    operations->addSeparator();
    b.Item(*operations, CommandId::ImportData, m.Message(kDataGroup, kImportDataEntry), 801);
    b.Item(*operations, CommandId::RefreshData, m.Message(kDataGroup, kRefreshDataEntry), 0);
    operations->addSeparator();
    b.Item(*operations, CommandId::TableStyle, m.Message(kStyleGroup, kTableStyleEntry), 811,
           QKeySequence(QStringLiteral("Ctrl+T")));
    b.Item(*operations, CommandId::SaveAsStyle, m.Message(kStyleGroup, kSaveAsStyleEntry), 802);
    operations->addSeparator();
    // Save writes the table's own file; Save as… is Record file, which asks for a name.
    b.Item(*operations, CommandId::Save, m.Message(kCellEditGroup, kSaveEntry), 802,
           QKeySequence::Save);
    b.Item(*operations, CommandId::RecordFile, m.Message(kCellEditGroup, kSaveAsEntry), 802,
           QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    operations->addSeparator();
    b.Item(*operations, CommandId::JpegExport, m.Message(msg::kExportCutJpeg), 816,
           QKeySequence(QStringLiteral("Ctrl+E")));
    operations->addSeparator();
    b.Item(*operations, CommandId::BitmapExport, m.Message(msg::kBitmapExportCut), 816);
    operations->addSeparator();
    b.Item(*operations, CommandId::Configuration, m.Message(msg::kConfiguration), 811);
    operations->addSeparator();
    b.Item(*operations, CommandId::Author, m.Message(msg::kAuthor), 804);
    operations->addSeparator();
    b.Item(*operations, CommandId::Exit, m.Message(msg::kExitProgram), 810,
           QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu* edit = menuBar.addMenu(m.Message(msg::kEdit));
    b.Item(*edit, CommandId::Undo, m.Message(msg::kUndo), 821, QKeySequence::Undo);
    b.Item(*edit, CommandId::Redo, m.Message(kTrustGroup, kRedoEntry))
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    edit->addSeparator();
    b.Item(*edit, CommandId::CopyCell, m.Message(msg::kCopyCell70), 812, QKeySequence::Copy);
    b.Item(*edit, CommandId::CopyPicture, m.Message(msg::kCopyPicture), 812,
           QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    b.Item(*edit, CommandId::CopyAsText, m.Message(kCellEditGroup, kCopyAsTextEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+Alt+C")));
    edit->addSeparator();
    b.Item(*edit, CommandId::PasteCell, m.Message(msg::kPasteCell70), 813, QKeySequence::Paste);
    b.Item(*edit, CommandId::PasteData, m.Message(kDataGroup, kPasteDataEntry), 813,
           QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    edit->addSeparator();
    b.Item(*edit, CommandId::ClearCell, m.Message(msg::kClearCell70), 814, QKeySequence::Delete);
    edit->addSeparator();
    b.Item(*edit, CommandId::SelectAll, m.Message(msg::kSelectAll), 820, QKeySequence::SelectAll);
    edit->addSeparator();
    b.Item(*edit, CommandId::Find, m.Message(kFindGroup, kFindEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+F")));
    b.Item(*edit, CommandId::FindNext, m.Message(kFindGroup, kFindNextEntry), 0,
           QKeySequence(QStringLiteral("F3")));
    b.Item(*edit, CommandId::FindPrevious, m.Message(kFindGroup, kFindPreviousEntry), 0,
           QKeySequence(QStringLiteral("Shift+F3")));
    b.Item(*edit, CommandId::Replace, m.Message(kFindGroup, kReplaceEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+H")));
    edit->addSeparator();
    // Typing edits over the cell; the dialog is for the look.
    b.Item(*edit, CommandId::FormatCell, m.Message(kCellEditGroup, kFormatCellEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+1")));
    b.Item(*edit, CommandId::AutoSum, m.Message(kCellEditGroup, kAutoSumEntry), 0,
           QKeySequence(QStringLiteral("Alt+=")));
    b.Item(*edit, CommandId::ColourByValue, m.Message(kColourGroup, kColourByValueEntry));
    QMenu* numberFormat = edit->addMenu(m.Message(kCellEditGroup, kNumberFormatEntry));
    b.Item(*numberFormat, CommandId::NumberFormatText, m.Message(kCellEditGroup, kTextLabelEntry));
    for (int format = 1; format <= 7; ++format) {
        // The first shortcut a spreadsheet user knows for two decimals.
        const QKeySequence shortcut =
            format == 1 ? QKeySequence(QStringLiteral("Ctrl+Shift+1")) : QKeySequence();
        b.Item(*numberFormat, Nth(CommandId::NumberFormatText, format),
               m.Message(msg::kNumberFormatGroup, format), 0, shortcut);
    }
    edit->addSeparator();
    b.Item(*edit, CommandId::ToUpdate, m.Message(msg::kUpdate), 822);

    QMenu* mouse = menuBar.addMenu(m.Message(msg::kMouse));
    QMenu* left =
        mouse->addMenu(QIcon(PngPicture(QStringLiteral(":/menu/809.png"))), m.Message(msg::kLeft));
    b.Checkable(*left, CommandId::CellSelector, m.Message(msg::kCellSelector));
    b.Checkable(*left, CommandId::EditTextAndColours, m.Message(msg::kEditTextColors));
    b.Checkable(*left, CommandId::InsertImage, m.Message(msg::kInsertImage));
    b.Checkable(*left, CommandId::InsertIcon, m.Message(msg::kInsertIcon));
    QMenu* right =
        mouse->addMenu(QIcon(PngPicture(QStringLiteral(":/menu/809.png"))), m.Message(msg::kRight));
    b.Checkable(*right, CommandId::CapturingColour, m.Message(msg::kCapturingColor));
    b.Checkable(*right, CommandId::FavouriteColours, m.Message(msg::kMyFavoriteColors));

    QMenu* table = menuBar.addMenu(m.Message(msg::kTable));
    b.Item(*table, CommandId::MergeHorizontal, m.Message(msg::kMergeCellsHorizontal), 805);
    b.Item(*table, CommandId::MergeVertical, m.Message(msg::kVerticalMergeCells), 815);
    table->addSeparator();
    b.Item(*table, CommandId::CancelCell, m.Message(msg::kCancelCell), 806);
    table->addSeparator();
    b.Item(*table, CommandId::InsertColumn, m.Message(msg::kInsertColumn), 807);
    b.Item(*table, CommandId::InsertRow, m.Message(msg::kInsertRow), 808);
    table->addSeparator();
    b.Item(*table, CommandId::RemoveLastColumn, m.Message(msg::kRemoveLastColumn), 807);
    b.Item(*table, CommandId::RemoveLastRow, m.Message(msg::kRemoveLastRow), 808);
    table->addSeparator();
    b.Item(*table, CommandId::Sort, m.Message(kSortGroup, kSortEntry), 0);
    table->addSeparator();
    b.Item(*table, CommandId::ResetTable, m.Message(msg::kResetTable), 823);
    table->addSeparator();
    b.Item(*table, CommandId::Stop, QStringLiteral("Stop"), 824);
    table->addSeparator();
    b.Item(*table, CommandId::TitleBar, m.Message(msg::kTitleBar68), 825);
    table->addSeparator();
    b.Checkable(*table, CommandId::ViewCommands, m.Message(msg::kViewCommands));

    QMenu* languages = menuBar.addMenu(m.Message(msg::kLanguages));
    // In the order of the language numbers.
    const struct {
        const char16_t* text;
        int flag;
    } languageItems[] = {{u"Español", 300}, {u"Portugues", 301}, {u"FranÇais", 302},
                         {u"Deutsch", 303}, {u"English", 304},   {u"Italiano", 305},
                         {u"Català", 300}};
    int language = 1;
    for (const auto& item : languageItems) {
        QAction* action =
            b.Checkable(*languages, LanguageCommand(language++), QString::fromUtf16(item.text));
        action->setIcon(QIcon(PngPicture(QStringLiteral(":/flags/%1.png").arg(item.flag))));
    }

    QMenu* copy = menuBar.addMenu(m.Message(msg::kCopyConfigurator));
    b.Item(*copy, CommandId::SelectAllFields, m.Message(msg::kSelectAllFields));
    copy->addSeparator();
    const QString copyTexts[] = {m.Message(msg::kBackgroundColor),
                                 m.Message(msg::kFontColor),
                                 m.Message(msg::kTypeSource),
                                 m.Message(msg::kSize),
                                 m.Message(msg::kBold),
                                 m.Message(msg::kItalic),
                                 m.Message(msg::kUnderline),
                                 m.Message(msg::kStrikeout),
                                 QStringLiteral("Leading"),
                                 m.Message(msg::kText),
                                 m.Message(msg::kImage),
                                 m.Message(msg::kIcon),
                                 m.Message(msg::kAlignment),
                                 m.Message(msg::kNumericFormatAllowed),
                                 m.Message(msg::kNumberFormatType),
                                 m.Message(msg::kSummation),
                                 m.Message(msg::kSubtraction),
                                 m.Message(msg::kPercentages),
                                 m.Message(msg::kMultiplication),
                                 m.Message(msg::kDivision)};
    static_assert(std::size(copyTexts) == std::size(kCopyFlagCommands));
    for (size_t i = 0; i < std::size(kCopyFlagCommands); ++i)
        b.Checkable(*copy, kCopyFlagCommands[i], copyTexts[i]);
    copy->addSeparator();
    b.Item(*copy, CommandId::DeselectAllFields, m.Message(msg::kDeselectAllFields));

    QMenu* characterSets = menuBar.addMenu(m.Message(msg::kCharacterSet));
    const QString setTexts[] = {
        QStringLiteral("ANSI"),         QStringLiteral("Shiftjis"), m.Message(msg::kHangeul),
        QStringLiteral("Johab"),        m.Message(msg::kChinese),   m.Message(msg::kGreek),
        m.Message(msg::kTurkish),       m.Message(msg::kHebrew),    m.Message(msg::kArab),
        m.Message(msg::kBaltic),        m.Message(msg::kRussian),   m.Message(msg::kThai),
        m.Message(msg::kEasternEurope), QStringLiteral("OEM")};
    for (int i = 0; i < int(std::size(setTexts)); ++i)
        b.Checkable(*characterSets, Nth(CommandId::FirstCharacterSet, i), setTexts[i]);
    return actions;
}
