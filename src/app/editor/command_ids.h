// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

// Menu and button commands. The numbers are the items' ids; ranges are named by their first
// and last members.
enum class CommandId : int {
    Exit = 1002,
    New = 1003,
    Author = 1005,
    RecordFile = 1006,
    ReadFile = 1007,
    CellSelector = 1008,
    EditTextAndColours = 1009,
    MergeHorizontal = 1010,
    MergeVertical = 1011,
    CancelCell = 1012,
    InsertColumn = 1013,
    InsertRow = 1014,
    CapturingColour = 1015,
    FavouriteColours = 1016,
    CopyCell = 1020,
    PasteCell = 1021,
    InsertImage = 1022,
    BitmapExport = 1023,
    Configuration = 1024,
    ClearCell = 1025,
    ReadPrevious = 1027,
    RemoveLastColumn = 1031,
    RemoveLastRow = 1032,
    SelectAll = 1050,
    Undo = 1051,
    SelectAllFields = 1070,
    DeselectAllFields = 1071,
    // The copy configurator's items, one per CopyFlag.
    CopyBackColour = 1072,
    CopyTextColour = 1073,
    CopyFontName = 1074,
    CopyFontSize = 1075,
    CopyBold = 1076,
    CopyItalic = 1077,
    CopyUnderline = 1078,
    CopyStrikeout = 1079,
    CopyLeading = 1080,
    CopyText = 1081,
    CopyImage = 1082,
    CopyAlignment = 1083,
    CopyNumericAllowed = 1084,
    CopyNumberFormat = 1085,
    CopySummation = 1086,
    CopySubtraction = 1087,
    ToUpdate = 1088,
    CopyPercentage = 1089,
    // One item per character set, in the order of kCharacterSetCodes.
    FirstCharacterSet = 1090,
    LastCharacterSet = 1103,
    JpegExport = 1104,
    CopyIcon = 1110,
    RulerButton = 1111,
    InsertIcon = 1112,
    CopyMultiplication = 1114,
    CopyDivision = 1115,
    // One item per language number 1..7.
    FirstLanguage = 2006,
    LastLanguage = 2012,
    ResetTable = 2015,
    Stop = 2016,
    TitleBar = 2017,
    ViewCommands = 2018,
    Redo = 2019,
    CopyPicture = 2076,
    ImportData = 2160,
    PasteData = 2161,
    // New texts for a finished table from a CSV or TSV file, every look kept.
    RefreshData = 2162,
    TableStyle = 2170,
    SaveAsStyle = 2171,
    AutoSum = 2180,
    // Plain text, then the number formats 1..7.
    NumberFormatText = 2181,
    FirstNumberFormat = 2182,
    LastNumberFormat = 2188,
    // Save into the table's own work file; the cell editing dialog for the cursor's cell.
    Save = 2190,
    FormatCell = 2191,
    // The selection, or the whole table, on the clipboard as tab-separated text and as HTML.
    CopyAsText = 2192,
    // Fills and text colours of number cells from their values.
    ColourByValue = 2200,
    // The rows of the selection or of the table's body in the order of one or two columns.
    Sort = 2210,
    // The find bar alone or with its replace row; a step to the next or previous match of its
    // text; the match at the cursor or every match replaced.
    Find = 2211,
    Replace = 2212,
    FindNext = 2213,
    FindPrevious = 2214,
    ReplaceOne = 2215,
    ReplaceAll = 2216,
};

constexpr bool InRange(CommandId id, CommandId first, CommandId last) {
    return id >= first && id <= last;
}

// The n-th command counted from `first` (0 is `first` itself).
constexpr CommandId Nth(CommandId first, int n) {
    return CommandId(int(first) + n);
}

// How far `id` lies after `first`.
constexpr int OffsetFrom(CommandId first, CommandId id) {
    return int(id) - int(first);
}

// The item of language number 1..7.
constexpr CommandId LanguageCommand(int language) {
    return Nth(CommandId::FirstLanguage, language - 1);
}

// The copy-configurator items in the order of the settings keys (CopyFlag).
inline constexpr CommandId kCopyFlagCommands[] = {
    CommandId::CopyBackColour,     CommandId::CopyTextColour,   CommandId::CopyFontName,
    CommandId::CopyFontSize,       CommandId::CopyBold,         CommandId::CopyItalic,
    CommandId::CopyUnderline,      CommandId::CopyStrikeout,    CommandId::CopyLeading,
    CommandId::CopyText,           CommandId::CopyImage,        CommandId::CopyIcon,
    CommandId::CopyAlignment,      CommandId::CopyNumberFormat, CommandId::CopyNumericAllowed,
    CommandId::CopySummation,      CommandId::CopySubtraction,  CommandId::CopyPercentage,
    CommandId::CopyMultiplication, CommandId::CopyDivision};

// The index of the copy flag that `id` toggles, if it is a copy-configurator item.
constexpr std::optional<size_t> CopyFlagIndex(CommandId id) {
    for (size_t i = 0; i < std::size(kCopyFlagCommands); ++i) {
        if (kCopyFlagCommands[i] == id) return i;
    }
    return std::nullopt;
}

// The code each character-set item stores.
inline constexpr int kCharacterSetCodes[] = {0,   128, 129, 130, 136, 161, 162,
                                             177, 178, 186, 204, 222, 238, 255};
static_assert(std::size(kCharacterSetCodes) ==
              size_t(OffsetFrom(CommandId::FirstCharacterSet, CommandId::LastCharacterSet) + 1));

// Disabled while no table is shown. One line per change, so that parallel additions merge.
inline constexpr CommandId kTableCommands[] = {
    CommandId::JpegExport,
    CommandId::RecordFile,
    CommandId::CancelCell,
    CommandId::InsertColumn,
    CommandId::InsertRow,
    CommandId::MergeHorizontal,
    CommandId::MergeVertical,
    CommandId::Undo,
    CommandId::PasteCell,
    CommandId::CopyCell,
    CommandId::ClearCell,
    CommandId::SelectAll,
    CommandId::ToUpdate,
    CommandId::BitmapExport,
    CommandId::Configuration,
    CommandId::RemoveLastColumn,
    CommandId::RemoveLastRow,
    CommandId::ResetTable,
    CommandId::Stop,
    CommandId::TitleBar,
    CommandId::ViewCommands,
    CommandId::CopyPicture,
    CommandId::TableStyle,
    CommandId::SaveAsStyle,
    CommandId::AutoSum,
    CommandId::NumberFormatText,
    Nth(CommandId::FirstNumberFormat, 0),
    Nth(CommandId::FirstNumberFormat, 1),
    Nth(CommandId::FirstNumberFormat, 2),
    Nth(CommandId::FirstNumberFormat, 3),
    Nth(CommandId::FirstNumberFormat, 4),
    Nth(CommandId::FirstNumberFormat, 5),
    CommandId::LastNumberFormat,
    CommandId::Save,
    CommandId::FormatCell,
    CommandId::CopyAsText,
    CommandId::RefreshData,
    CommandId::ColourByValue,
    CommandId::Sort,
    CommandId::Find,
    CommandId::Replace,
    CommandId::FindNext,
    CommandId::FindPrevious,
    CommandId::ReplaceOne,
    CommandId::ReplaceAll,
};
