// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/main_menu.h"

#include "app/editor/command_ids.h"
#include "app/messages/message_table.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuBuilder {
    QHash<int, QAction*>& actions;

    QAction* Item(QMenu& menu, int id, const QString& text, int image = 0,
                  QKeySequence shortcut = {}) {
        QAction* action = menu.addAction(text);
        action->setData(id);
        if (image != 0) action->setIcon(QIcon(QStringLiteral(":/menu/%1.png").arg(image)));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        actions.insert(id, action);
        return action;
    }
    QAction* Checkable(QMenu& menu, int id, const QString& text, int image = 0) {
        QAction* action = Item(menu, id, text, image);
        action->setCheckable(true);
        return action;
    }
};

} // namespace

QHash<int, QAction*> BuildMainMenu(QMenuBar& menuBar, const MessageTable& m) {
    menuBar.clear();
    QHash<int, QAction*> actions;
    MenuBuilder b{actions};

    QMenu* operations = menuBar.addMenu(m.Message(msg::kOperations));
    b.Item(*operations, command::kNew, m.Message(msg::kNew), 800, QKeySequence::New);
    operations->addSeparator();
    b.Item(*operations, command::kReadFile, m.Message(msg::kReadFile), 801, QKeySequence::Open);
    operations->addSeparator();
    b.Item(*operations, command::kReadPrevious, m.Message(msg::kReadFormatPrevious), 801);
    operations->addSeparator();
    b.Item(*operations, command::kImportData, m.Message(kDataGroup, kImportDataEntry), 801);
    b.Item(*operations, command::kRefreshData, m.Message(kDataGroup, kRefreshDataEntry), 0);
    operations->addSeparator();
    b.Item(*operations, command::kTableStyle, m.Message(kStyleGroup, kTableStyleEntry), 811,
           QKeySequence(QStringLiteral("Ctrl+T")));
    b.Item(*operations, command::kSaveAsStyle, m.Message(kStyleGroup, kSaveAsStyleEntry), 802);
    operations->addSeparator();
    // Save writes the table's own file; Save as… is Record file, which asks for a name.
    b.Item(*operations, command::kSave, m.Message(kCellEditGroup, kSaveEntry), 802,
           QKeySequence::Save);
    b.Item(*operations, command::kRecordFile, m.Message(kCellEditGroup, kSaveAsEntry), 802,
           QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    operations->addSeparator();
    b.Item(*operations, command::kJpegExport, m.Message(msg::kExportCutJpeg), 816,
           QKeySequence(QStringLiteral("Ctrl+E")));
    operations->addSeparator();
    b.Item(*operations, command::kBitmapExport, m.Message(msg::kBitmapExportCut), 816);
    operations->addSeparator();
    b.Item(*operations, command::kConfiguration, m.Message(msg::kConfiguration), 811);
    operations->addSeparator();
    b.Item(*operations, command::kAuthor, m.Message(msg::kAuthor), 804);
    operations->addSeparator();
    b.Item(*operations, command::kExit, m.Message(msg::kExitProgram), 810,
           QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu* edit = menuBar.addMenu(m.Message(msg::kEdit));
    b.Item(*edit, command::kUndo, m.Message(msg::kUndo), 821, QKeySequence::Undo);
    b.Item(*edit, command::kRedo, m.Message(kTrustGroup, kRedoEntry))
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    edit->addSeparator();
    b.Item(*edit, command::kCopyCell, m.Message(msg::kCopyCell70), 812, QKeySequence::Copy);
    b.Item(*edit, command::kCopyPicture, m.Message(msg::kCopyPicture), 812,
           QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    b.Item(*edit, command::kCopyAsText, m.Message(kCellEditGroup, kCopyAsTextEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+Alt+C")));
    edit->addSeparator();
    b.Item(*edit, command::kPasteCell, m.Message(msg::kPasteCell70), 813, QKeySequence::Paste);
    b.Item(*edit, command::kPasteData, m.Message(kDataGroup, kPasteDataEntry), 813,
           QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    edit->addSeparator();
    b.Item(*edit, command::kClearCell, m.Message(msg::kClearCell70), 814, QKeySequence::Delete);
    edit->addSeparator();
    b.Item(*edit, command::kSelectAll, m.Message(msg::kSelectAll), 820, QKeySequence::SelectAll);
    edit->addSeparator();
    b.Item(*edit, command::kFind, m.Message(kFindGroup, kFindEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+F")));
    b.Item(*edit, command::kFindNext, m.Message(kFindGroup, kFindNextEntry), 0,
           QKeySequence(QStringLiteral("F3")));
    b.Item(*edit, command::kFindPrevious, m.Message(kFindGroup, kFindPreviousEntry), 0,
           QKeySequence(QStringLiteral("Shift+F3")));
    b.Item(*edit, command::kReplace, m.Message(kFindGroup, kReplaceEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+H")));
    edit->addSeparator();
    // Typing edits over the cell; the dialog is for the look.
    b.Item(*edit, command::kFormatCell, m.Message(kCellEditGroup, kFormatCellEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+1")));
    b.Item(*edit, command::kAutoSum, m.Message(kCellEditGroup, kAutoSumEntry), 0,
           QKeySequence(QStringLiteral("Alt+=")));
    b.Item(*edit, command::kColourByValue, m.Message(kColourGroup, kColourByValueEntry));
    QMenu* numberFormat = edit->addMenu(m.Message(kCellEditGroup, kNumberFormatEntry));
    b.Item(*numberFormat, command::kNumberFormatText, m.Message(kCellEditGroup, kTextLabelEntry));
    for (int format = 1; format <= 7; ++format) {
        // The first shortcut a spreadsheet user knows for two decimals.
        const QKeySequence shortcut =
            format == 1 ? QKeySequence(QStringLiteral("Ctrl+Shift+1")) : QKeySequence();
        b.Item(*numberFormat, command::kNumberFormatText + format,
               m.Message(msg::kNumberFormatGroup, format), 0, shortcut);
    }
    edit->addSeparator();
    b.Item(*edit, command::kToUpdate, m.Message(msg::kUpdate), 822);

    QMenu* mouse = menuBar.addMenu(m.Message(msg::kMouse));
    QMenu* left = mouse->addMenu(QIcon(QStringLiteral(":/menu/809.png")), m.Message(msg::kLeft));
    b.Checkable(*left, command::kCellSelector, m.Message(msg::kCellSelector));
    b.Checkable(*left, command::kEditTextAndColours, m.Message(msg::kEditTextColors));
    b.Checkable(*left, command::kInsertImage, m.Message(msg::kInsertImage));
    b.Checkable(*left, command::kInsertIcon, m.Message(msg::kInsertIcon));
    QMenu* right = mouse->addMenu(QIcon(QStringLiteral(":/menu/809.png")), m.Message(msg::kRight));
    b.Checkable(*right, command::kCapturingColour, m.Message(msg::kCapturingColor));
    b.Checkable(*right, command::kFavouriteColours, m.Message(msg::kMyFavoriteColors));

    QMenu* table = menuBar.addMenu(m.Message(msg::kTable));
    b.Item(*table, command::kMergeHorizontal, m.Message(msg::kMergeCellsHorizontal), 805);
    b.Item(*table, command::kMergeVertical, m.Message(msg::kVerticalMergeCells), 815);
    table->addSeparator();
    b.Item(*table, command::kCancelCell, m.Message(msg::kCancelCell), 806);
    table->addSeparator();
    b.Item(*table, command::kInsertColumn, m.Message(msg::kInsertColumn), 807);
    b.Item(*table, command::kInsertRow, m.Message(msg::kInsertRow), 808);
    table->addSeparator();
    b.Item(*table, command::kRemoveLastColumn, m.Message(msg::kRemoveLastColumn), 807);
    b.Item(*table, command::kRemoveLastRow, m.Message(msg::kRemoveLastRow), 808);
    table->addSeparator();
    b.Item(*table, command::kSort, m.Message(kSortGroup, kSortEntry), 0);
    table->addSeparator();
    b.Item(*table, command::kResetTable, m.Message(msg::kResetTable), 823);
    table->addSeparator();
    b.Item(*table, command::kStop, QStringLiteral("Stop"), 824);
    table->addSeparator();
    b.Item(*table, command::kTitleBar, m.Message(msg::kTitleBar68), 825);
    table->addSeparator();
    b.Checkable(*table, command::kViewCommands, m.Message(msg::kViewCommands));

    QMenu* languages = menuBar.addMenu(m.Message(msg::kLanguages));
    // In the order of the language numbers, from command::kFirstLanguage on.
    const struct {
        const char16_t* text;
        int flag;
    } languageItems[] = {{u"Español", 300}, {u"Portugues", 301}, {u"FranÇais", 302},
                         {u"Deutsch", 303}, {u"English", 304},   {u"Italiano", 305},
                         {u"Català", 300}};
    int languageCommand = command::kFirstLanguage;
    for (const auto& item : languageItems) {
        QAction* action = b.Checkable(*languages, languageCommand++, QString::fromUtf16(item.text));
        action->setIcon(QIcon(QStringLiteral(":/flags/%1.png").arg(item.flag)));
    }

    QMenu* copy = menuBar.addMenu(m.Message(msg::kCopyConfigurator));
    b.Item(*copy, command::kSelectAllFields, m.Message(msg::kSelectAllFields));
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
    b.Item(*copy, command::kDeselectAllFields, m.Message(msg::kDeselectAllFields));

    QMenu* characterSets = menuBar.addMenu(m.Message(msg::kCharacterSet));
    const QString setTexts[] = {
        QStringLiteral("ANSI"),         QStringLiteral("Shiftjis"), m.Message(msg::kHangeul),
        QStringLiteral("Johab"),        m.Message(msg::kChinese),   m.Message(msg::kGreek),
        m.Message(msg::kTurkish),       m.Message(msg::kHebrew),    m.Message(msg::kArab),
        m.Message(msg::kBaltic),        m.Message(msg::kRussian),   m.Message(msg::kThai),
        m.Message(msg::kEasternEurope), QStringLiteral("OEM")};
    for (int i = 0; i < int(std::size(setTexts)); ++i)
        b.Checkable(*characterSets, command::kFirstCharacterSet + i, setTexts[i]);
    return actions;
}
