// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Menu and button command ids.
namespace command {
inline constexpr int kExit = 1002;
inline constexpr int kNew = 1003;
inline constexpr int kAuthor = 1005;
inline constexpr int kRecordFile = 1006;
inline constexpr int kReadFile = 1007;
inline constexpr int kCellSelector = 1008;
inline constexpr int kEditTextAndColours = 1009;
inline constexpr int kMergeHorizontal = 1010;
inline constexpr int kMergeVertical = 1011;
inline constexpr int kCancelCell = 1012;
inline constexpr int kInsertColumn = 1013;
inline constexpr int kInsertRow = 1014;
inline constexpr int kCapturingColour = 1015;
inline constexpr int kFavouriteColours = 1016;
inline constexpr int kCopyCell = 1020;
inline constexpr int kPasteCell = 1021;
inline constexpr int kInsertImage = 1022;
inline constexpr int kBitmapExport = 1023;
inline constexpr int kConfiguration = 1024;
inline constexpr int kClearCell = 1025;
inline constexpr int kReadPrevious = 1027;
inline constexpr int kRemoveLastColumn = 1031;
inline constexpr int kRemoveLastRow = 1032;
inline constexpr int kSelectAll = 1050;
inline constexpr int kUndo = 1051;
inline constexpr int kSelectAllFields = 1070;
inline constexpr int kDeselectAllFields = 1071;
inline constexpr int kToUpdate = 1088;
inline constexpr int kFirstCharacterSet = 1090;
inline constexpr int kLastCharacterSet = 1103;
inline constexpr int kJpegExport = 1104;
inline constexpr int kRulerButton = 1111;
inline constexpr int kInsertIcon = 1112;
inline constexpr int kFirstLanguage = 2006;
inline constexpr int kLastLanguage = 2012;
inline constexpr int kResetTable = 2015;
inline constexpr int kStop = 2016;
inline constexpr int kTitleBar = 2017;
inline constexpr int kViewCommands = 2018;
inline constexpr int kRedo = 2019;
inline constexpr int kCopyPicture = 2076;
inline constexpr int kImportData = 2160;
inline constexpr int kPasteData = 2161;
// New texts for a finished table from a CSV or TSV file, every look kept.
inline constexpr int kRefreshData = 2162;
inline constexpr int kTableStyle = 2170;
inline constexpr int kSaveAsStyle = 2171;
inline constexpr int kAutoSum = 2180;
// Plain text, then the number formats 1..7.
inline constexpr int kNumberFormatText = 2181;
inline constexpr int kFirstNumberFormat = 2182;
inline constexpr int kLastNumberFormat = 2188;
// Save into the table's own work file; the cell editing dialog for the cursor's cell.
inline constexpr int kSave = 2190;
inline constexpr int kFormatCell = 2191;
// The selection, or the whole table, on the clipboard as tab-separated text and as HTML.
inline constexpr int kCopyAsText = 2192;
// Fills and text colours of number cells from their values.
inline constexpr int kColourByValue = 2200;
// The rows of the selection or of the table's body in the order of one or two columns.
inline constexpr int kSort = 2210;
// The find bar alone or with its replace row; a step to the next or previous match of its
// text; the match at the cursor or every match replaced.
inline constexpr int kFind = 2211;
inline constexpr int kReplace = 2212;
inline constexpr int kFindNext = 2213;
inline constexpr int kFindPrevious = 2214;
inline constexpr int kReplaceOne = 2215;
inline constexpr int kReplaceAll = 2216;
} // namespace command

// The copy-configurator items in the order of the settings keys (CopyFlag).
inline constexpr int kCopyFlagCommands[] = {1072, 1073, 1074, 1075, 1076, 1077, 1078,
                                            1079, 1080, 1081, 1082, 1110, 1083, 1085,
                                            1084, 1086, 1087, 1089, 1114, 1115};

// The character-set items 1090..1103 and the code each stores.
inline constexpr int kCharacterSetCodes[] = {0,   128, 129, 130, 136, 161, 162,
                                             177, 178, 186, 204, 222, 238, 255};

// Disabled while no table is shown. One line per change, so that parallel additions merge.
// clang-format off
inline constexpr int kTableCommands[] = {1104, 1006, 1012, 1013, 1014, 1010, 1011, 1051, 1021, 1020,
                                         1025, 1050, 1088, 1023, 1024, 1031, 1032, 2015, 2016, 2017,
                                         2018, 2076, 2170, 2171, 2180, 2181, 2182, 2183, 2184, 2185,
                                         2186, 2187, 2188, 2190, 2191, 2192, 2162,
                                         2200,
                                         2210, 2211, 2212, 2213, 2214, 2215, 2216};
// clang-format on
