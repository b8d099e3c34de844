// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/messages/message_names.h"

#include <QString>
#include <array>
#include <span>
#include <string_view>

// Interface languages, numbered as the settings file and the language menu number them.
inline constexpr int kSpanish = 1;
inline constexpr int kPortuguese = 2;
inline constexpr int kFrench = 3;
inline constexpr int kGerman = 4;
inline constexpr int kEnglish = 5;
inline constexpr int kItalian = 6;
inline constexpr int kCatalan = 7;
inline constexpr int kLanguageCount = 7;

// Messages added for failures the Windows program never reported.
inline constexpr int kFailureGroup = 72;
inline constexpr int kSaveFailedEntry = 1;   // "The file could not be saved: " + name and reason
inline constexpr int kExportFailedEntry = 2; // "The picture could not be exported: " + ...
// A work file longer than its table: only the table was read.
inline constexpr int kUnreadDataGroup = 79;
inline constexpr int kUnreadDataEntry = 1; // "The file holds more than its table; ..." + reason

// Messages of the recovery copies of unsaved tables.
inline constexpr int kRecoveryGroup = 80;
inline constexpr int kCopyFoundEntry = 1; // "A recovery copy ... was found for:" + name
inline constexpr int kNoFileEntry = 2;    // "(a new table without a file)"
inline constexpr int kRestoreEntry = 3;   // the buttons: "Restore", "Discard", "Later"
inline constexpr int kDiscardEntry = 4;
inline constexpr int kLaterEntry = 5;
inline constexpr int kCopyFailedEntry = 6;   // "The recovery copy could not be written: "
inline constexpr int kFolderIsLinkEntry = 7; // "The recovery folder is a symbolic link; ..." + it
// Messages of the table styles.
inline constexpr int kStyleGroup = 81;
inline constexpr int kTableStyleEntry = 1;      // "Table style…", the command and the gallery
inline constexpr int kSaveAsStyleEntry = 2;     // "Save as style…"
inline constexpr int kApplyStyleEntry = 3;      // "Apply"
inline constexpr int kDeleteStyleEntry = 4;     // "Delete"
inline constexpr int kStyleNameEntry = 5;       // "Style name:"
inline constexpr int kDamagedStyleEntry = 6;    // "A style file is damaged and was skipped: "
inline constexpr int kBuiltInNameEntry = 7;     // "A built-in style already has this name: "
inline constexpr int kReplaceStyleEntry = 8;    // "A style with this name exists. Replace it?"
inline constexpr int kStyleUnsavedEntry = 9;    // "The style could not be saved: "
inline constexpr int kDeleteQuestionEntry = 10; // "Delete the style?"
inline constexpr int kStyleUndeletedEntry = 11; // "The style file could not be deleted: "
inline constexpr int kFirstStyleNameEntry = 12; // the built-in styles' names, in their order
inline constexpr int kStyleNameRuleEntry = 20;  // "The style name is empty or longer than ..."
inline constexpr int kStyleFileNameEntry = 21;  // "A style name cannot start with a dot ..."
// The about box's version and licence lines.
inline constexpr int kAboutGroup = 82;
inline constexpr int kVersionEntry = 1; // "Version " + the program's version
inline constexpr int kLicenceEntry = 2; // "Free software under the GNU GPL, version 3 or later..."
// The window's start before any table is open.
inline constexpr int kStartGroup = 90;
inline constexpr int kPickSizeEntry = 1; // "Click a size to start a new table"
// Messages of the Sort dialog.
inline constexpr int kSortGroup = 86;
inline constexpr int kSortEntry = 1;        // "Sort…", the command and the dialog's title
inline constexpr int kSortByEntry = 2;      // "Sort by"
inline constexpr int kThenByEntry = 3;      // "Then by"
inline constexpr int kAscendingEntry = 4;   // "Ascending"
inline constexpr int kDescendingEntry = 5;  // "Descending"
inline constexpr int kNoKeyEntry = 6;       // "(none)", no second key
inline constexpr int kColumnEntry = 7;      // "Column " + its number
inline constexpr int kHeaderRowEntry = 8;   // "The first row is a header"
inline constexpr int kJoinRefusesEntry = 9; // "Not sorted: a joined block ... column " + c
inline constexpr int kJoinRowEntry = 10;    // ", row " + r
inline constexpr int kNoRowsEntry = 11;     // "There are not two rows to sort."
// Messages of Find and Replace.
inline constexpr int kFindGroup = 87;
inline constexpr int kFindEntry = 1;          // "Find…"
inline constexpr int kReplaceEntry = 2;       // "Replace…"
inline constexpr int kFindNextEntry = 3;      // "Find next"
inline constexpr int kFindPreviousEntry = 4;  // "Find previous"
inline constexpr int kFindLabelEntry = 5;     // "Find:"
inline constexpr int kReplaceLabelEntry = 6;  // "Replace with:"
inline constexpr int kMatchCaseEntry = 7;     // "Match case"
inline constexpr int kWholeCellEntry = 8;     // "Whole cell only"
inline constexpr int kReplaceOneEntry = 9;    // "Replace"
inline constexpr int kReplaceAllEntry = 10;   // "Replace all"
inline constexpr int kStoredTextsEntry = 11;  // "Searches the stored texts: ..."
inline constexpr int kNotFoundEntry = 12;     // "Not found: " + the text
inline constexpr int kCellsChangedEntry = 13; // "Cells changed: " + count
inline constexpr int kTooLongEntry = 14;      // "Cells left unchanged, ... 273 characters: " + n
inline constexpr int kCloseEntry = 15;        // "Close"
// Messages of undo, unsaved work and refusals that used to pass without a word.
inline constexpr int kTrustGroup = 73;
inline constexpr int kRedoEntry = 1;
inline constexpr int kSaveChangesEntry = 2;  // Save / Don't save / Cancel
inline constexpr int kMissingCellsEntry = 3; // + the number of cells
inline constexpr int kWrongPasswordEntry = 4;
inline constexpr int kJoinNotAllowedEntry = 5;
// The labels of the password dialog's two boxes.
inline constexpr int kPasswordLabelGroup = 74;
inline constexpr int kPasswordEntry = 1; // "Password"
inline constexpr int kRepeatEntry = 2;   // "Type the password again"
// Messages for files that are there but cannot be read.
inline constexpr int kUnreadableGroup = 78;
inline constexpr int kWorkFileUnopenedEntry = 1; // "The work file could not be opened: " + ...
inline constexpr int kOwnFileIgnoredEntry = 2;   // "The file was not read, the defaults stand: "
// Messages of the data import and the spreadsheet paste.
inline constexpr int kDataGroup = 77;
inline constexpr int kImportDataEntry = 1; // "Import CSV…"
inline constexpr int kPasteDataEntry = 2;  // "Paste from spreadsheet"
inline constexpr int kNoDataEntry = 3;     // "The file holds no data or cannot be read: " + name
inline constexpr int kDataCutEntry = 4;    // "The data does not fit in the table:"
inline constexpr int kColumnsImportedEntry = 5; // "Columns imported (the first ones): " + n
inline constexpr int kRowsImportedEntry = 6;    // "Rows imported (the first ones): " + count
inline constexpr int kFieldsCutEntry = 7;       // "Fields cut to 273 characters: " + count
inline constexpr int kImportPartEntry = 8;      // "Import the part that fits?"
inline constexpr int kOutsideEntry = 9;         // "Cells outside the table, not pasted: " + count
inline constexpr int kSkippedEntry = 10;        // "Joined, cancelled or stopped cells ..." + count
inline constexpr int kNoClipboardEntry = 11;    // "The clipboard holds no text to paste."
inline constexpr int kDataBrowserEntry = 12;    // "File browser for data"
inline constexpr int kDataFilesEntry = 13;      // "Data"
inline constexpr int kNotTextEntry = 14;     // "The file is not text, ... NUL byte on line " + line
inline constexpr int kRefreshDataEntry = 15; // "Refresh data from CSV…"
inline constexpr int kAddRowsEntry = 16;     // "The data has more rows than the table. Add ...?"
inline constexpr int kLeftOutEntry = 17;     // "Fields that found no cell, left out: " + count
// Messages of the cell editing dialog opened for editing at the speed of the keyboard.
inline constexpr int kCellEditGroup = 75;
inline constexpr int kTextLabelEntry = 1;       // "Text", the label of the text box
inline constexpr int kCellsEditedEntry = 2;     // "cells", after their number in the title
inline constexpr int kAutoSumEntry = 3;         // "AutoSum"
inline constexpr int kNumberFormatEntry = 4;    // "Number format", a menu of the formats
inline constexpr int kNothingToSumEntry = 5;    // "No numbers above or to the left to sum."
inline constexpr int kPictureExportedEntry = 6; // "Picture exported to " + path
inline constexpr int kFormatCellEntry = 7;      // "Format cell…", the dialog from the menu
inline constexpr int kSaveEntry = 8;            // "Save", into the table's own file
inline constexpr int kSaveAsEntry = 9;          // "Save as…", Record file under a new name
inline constexpr int kCopyAsTextEntry = 10;     // "Copy as text", the selection for other programs

// Messages of Colour by value.
inline constexpr int kColourGroup = 84;
inline constexpr int kColourByValueEntry = 1; // "Colour by value…", the command and the dialog
inline constexpr int kColourScaleEntry = 2;   // "Colour scale", then "Rule": the two ways
inline constexpr int kColourRuleEntry = 3;
inline constexpr int kLowestEntry = 4; // "Lowest", "Middle", "Highest": the scale's colours
inline constexpr int kMiddleEntry = 5;
inline constexpr int kHighestEntry = 6;
inline constexpr int kNoMiddleEntry = 7; // "No middle colour", "At the median", "At the value"
inline constexpr int kAtMedianEntry = 8;
inline constexpr int kAtValueEntry = 9;
inline constexpr int kGreaterEntry = 10; // the comparisons: greater, less, between, equal
inline constexpr int kAndEntry = 14;     // "and", between the two values of Between
inline constexpr int kFillEntry = 15;
inline constexpr int kTextColourEntry = 16;
inline constexpr int kReadableTextEntry = 17; // "Black or white, whichever reads better"
inline constexpr int kCustomScaleEntry = 18;
inline constexpr int kFirstScaleNameEntry = 19; // the built-in scales' names, in their order
inline constexpr int kNoNumbersEntry = 24;      // "No numbers to colour: select cells ..."
inline constexpr int kCellsColouredEntry = 25;  // "Cells coloured: " + count

// One message g.e in the seven languages, in language order (Spanish first).
struct MessageText {
    int group;
    int entry;
    std::array<std::u16string_view, kLanguageCount> texts;
};

// Each group stores its texts in fields of this many Windows-1252 bytes, the terminator
// included.
struct MessageGroup {
    int group;
    int fieldSize;
};

// The constant table, ordered by group and entry.
std::span<const MessageText> MessageTexts();
std::span<const MessageGroup> MessageGroups();

// 0 for a group number that is not assigned.
int MessageFieldSize(int group);
int MessageEntryCount(int group);

// Entry e of group g in the given language. A language outside 1..7 (a hand-edited settings
// file) reads as Spanish, the settings default; an unknown message is empty.
QString MessageIn(int language, int group, int entry = 1);

// The table read in one language. Cheap to make: the shell makes one from its
// currentLanguage whenever it needs texts, so a language change needs no reload.
class MessageTable {
public:
    explicit MessageTable(int currentLanguage) : currentLanguage_(currentLanguage) {}

    int currentLanguage() const { return currentLanguage_; }
    QString Message(int group, int entry = 1) const {
        return MessageIn(currentLanguage_, group, entry);
    }
    QString Message(MessageId id) const { return Message(id.group, id.entry); }

private:
    int currentLanguage_;
};
