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

    QMenu* operations = menuBar.addMenu(m.Message(71, 1));
    b.Item(*operations, 1003, m.Message(71, 2), 800, QKeySequence::New);
    operations->addSeparator();
    b.Item(*operations, 1007, m.Message(71, 3), 801, QKeySequence::Open);
    operations->addSeparator();
    b.Item(*operations, 1027, m.Message(71, 4), 801);
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
    b.Item(*operations, 1104, m.Message(71, 11), 816, QKeySequence(QStringLiteral("Ctrl+E")));
    operations->addSeparator();
    b.Item(*operations, 1023, m.Message(71, 7), 816);
    operations->addSeparator();
    b.Item(*operations, 1024, m.Message(71, 8), 811);
    operations->addSeparator();
    b.Item(*operations, 1005, m.Message(71, 9), 804);
    operations->addSeparator();
    b.Item(*operations, 1002, m.Message(71, 10), 810, QKeySequence(QStringLiteral("Ctrl+Q")));

    QMenu* edit = menuBar.addMenu(m.Message(70, 1));
    b.Item(*edit, 1051, m.Message(70, 6), 821, QKeySequence::Undo);
    b.Item(*edit, command::kRedo, m.Message(kTrustGroup, kRedoEntry))
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    edit->addSeparator();
    b.Item(*edit, 1020, m.Message(70, 2), 812, QKeySequence::Copy);
    b.Item(*edit, 2076, m.Message(76, 2), 812, QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    b.Item(*edit, command::kCopyAsText, m.Message(kCellEditGroup, kCopyAsTextEntry), 0,
           QKeySequence(QStringLiteral("Ctrl+Alt+C")));
    edit->addSeparator();
    b.Item(*edit, 1021, m.Message(70, 3), 813, QKeySequence::Paste);
    b.Item(*edit, command::kPasteData, m.Message(kDataGroup, kPasteDataEntry), 813,
           QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    edit->addSeparator();
    b.Item(*edit, 1025, m.Message(70, 4), 814, QKeySequence::Delete);
    edit->addSeparator();
    b.Item(*edit, 1050, m.Message(70, 5), 820, QKeySequence::SelectAll);
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
        b.Item(*numberFormat, command::kNumberFormatText + format, m.Message(19, format), 0,
               shortcut);
    }
    edit->addSeparator();
    b.Item(*edit, 1088, m.Message(70, 7), 822);

    QMenu* mouse = menuBar.addMenu(m.Message(69, 1));
    QMenu* left = mouse->addMenu(QIcon(QStringLiteral(":/menu/809.png")), m.Message(69, 2));
    b.Checkable(*left, 1008, m.Message(69, 3));
    b.Checkable(*left, 1009, m.Message(69, 4));
    b.Checkable(*left, 1022, m.Message(69, 5));
    b.Checkable(*left, 1112, m.Message(69, 9));
    QMenu* right = mouse->addMenu(QIcon(QStringLiteral(":/menu/809.png")), m.Message(69, 6));
    b.Checkable(*right, 1015, m.Message(69, 7));
    b.Checkable(*right, 1016, m.Message(69, 8));

    QMenu* table = menuBar.addMenu(m.Message(68, 1));
    b.Item(*table, 1010, m.Message(68, 2), 805);
    b.Item(*table, 1011, m.Message(68, 3), 815);
    table->addSeparator();
    b.Item(*table, 1012, m.Message(68, 4), 806);
    table->addSeparator();
    b.Item(*table, 1013, m.Message(68, 5), 807);
    b.Item(*table, 1014, m.Message(68, 6), 808);
    table->addSeparator();
    b.Item(*table, 1031, m.Message(68, 7), 807);
    b.Item(*table, 1032, m.Message(68, 8), 808);
    table->addSeparator();
    b.Item(*table, command::kSort, m.Message(kSortGroup, kSortEntry), 0);
    table->addSeparator();
    b.Item(*table, 2015, m.Message(68, 9), 823);
    table->addSeparator();
    b.Item(*table, 2016, QStringLiteral("Stop"), 824);
    table->addSeparator();
    b.Item(*table, 2017, m.Message(68, 10), 825);
    table->addSeparator();
    b.Checkable(*table, 2018, m.Message(68, 11));

    QMenu* languages = menuBar.addMenu(m.Message(67, 1));
    const struct {
        int id;
        const char16_t* text;
        int flag;
    } languageItems[] = {{2006, u"Español", 300},  {2007, u"Portugues", 301},
                         {2008, u"FranÇais", 302}, {2009, u"Deutsch", 303},
                         {2010, u"English", 304},  {2011, u"Italiano", 305},
                         {2012, u"Català", 300}};
    for (const auto& item : languageItems) {
        QAction* action = b.Checkable(*languages, item.id, QString::fromUtf16(item.text));
        action->setIcon(QIcon(QStringLiteral(":/flags/%1.png").arg(item.flag)));
    }

    QMenu* copy = menuBar.addMenu(m.Message(18, 1));
    b.Item(*copy, 1070, m.Message(18, 2));
    copy->addSeparator();
    const QString copyTexts[] = {
        m.Message(30, 10),         m.Message(30, 11), m.Message(30, 3),  m.Message(30, 4),
        m.Message(30, 5),          m.Message(30, 6),  m.Message(30, 7),  m.Message(30, 8),
        QStringLiteral("Leading"), m.Message(18, 3),  m.Message(18, 4),  m.Message(18, 12),
        m.Message(18, 5),          m.Message(18, 6),  m.Message(18, 7),  m.Message(18, 9),
        m.Message(18, 10),         m.Message(18, 11), m.Message(18, 13), m.Message(18, 14)};
    const int copyIds[] = {1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081,
                           1082, 1110, 1083, 1084, 1085, 1086, 1087, 1089, 1114, 1115};
    for (size_t i = 0; i < std::size(copyIds); ++i)
        b.Checkable(*copy, copyIds[i], copyTexts[i]);
    copy->addSeparator();
    b.Item(*copy, 1071, m.Message(18, 8));

    QMenu* characterSets = menuBar.addMenu(m.Message(13, 11));
    const QString setTexts[] = {
        QStringLiteral("ANSI"),  QStringLiteral("Shiftjis"), m.Message(13, 1),
        QStringLiteral("Johab"), m.Message(13, 2),           m.Message(13, 3),
        m.Message(13, 4),        m.Message(13, 5),           m.Message(13, 6),
        m.Message(13, 7),        m.Message(13, 8),           m.Message(13, 9),
        m.Message(13, 10),       QStringLiteral("OEM")};
    for (int i = 0; i < 14; ++i)
        b.Checkable(*characterSets, command::kFirstCharacterSet + i, setTexts[i]);
    return actions;
}
