// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The messages the code shows, named by what they say (group and entry of the message table).
struct MessageId {
    int group;
    int entry;
};

namespace msg {
// Groups whose entries the code picks by an index of its own.
inline constexpr int kNewTableLookGroup = 1;    // the New Table dialog's look check boxes
inline constexpr int kTitleBarGroup = 2;        // the title bar dialog's labels
inline constexpr int kPasswordButtonGroup = 3;  // the password dialog's buttons
inline constexpr int kNumberFormatGroup = 19;   // the number formats, 1 to 7
inline constexpr int kTextPropertyGroup = 30;   // the cell editing dialog's text properties
inline constexpr int kFirstAlignmentEntry = 12; // its six alignments from here on

inline constexpr MessageId kTitleBar{2, 1};                  // "Title bar"
inline constexpr MessageId kHorizontal{2, 2};                // "Horizontal"
inline constexpr MessageId kVertical{2, 5};                  // "Vertical"
inline constexpr MessageId kExit{2, 6};                      // "Exit"
inline constexpr MessageId kAccessPassword{3, 1};            // "Access with your password ..."
inline constexpr MessageId kPassword{4, 1};                  // "Password"
inline constexpr MessageId kFileBrowserIcons{5, 1};          // "File browser for icons"
inline constexpr MessageId kFileBrowserImagePhoto{8, 1};     // "File browser for image or photo"
inline constexpr MessageId kExportedJpegCut{9, 1};           // "Exported to JPEG cut"
inline constexpr MessageId kGraphicsStartFailed{10, 1};      // "Error initializing GDI+ ... (Th..."
inline constexpr MessageId kFileBrowserJpeg{11, 1};          // "File browser for JPEG"
inline constexpr MessageId kTotalNumberDecimalPlaces{12, 1}; // "Total number of decimal places"
inline constexpr MessageId kDecimals{12, 2};                 // "decimals"
inline constexpr MessageId kHangeul{13, 1};                  // "Hangeul"
inline constexpr MessageId kChinese{13, 2};                  // "Chinese"
inline constexpr MessageId kGreek{13, 3};                    // "Greek"
inline constexpr MessageId kTurkish{13, 4};                  // "Turkish"
inline constexpr MessageId kHebrew{13, 5};                   // "Hebrew"
inline constexpr MessageId kArab{13, 6};                     // "Arab"
inline constexpr MessageId kBaltic{13, 7};                   // "Baltic"
inline constexpr MessageId kRussian{13, 8};                  // "Russian"
inline constexpr MessageId kThai{13, 9};                     // "Thai"
inline constexpr MessageId kEasternEurope{13, 10};           // "Eastern Europe"
inline constexpr MessageId kCharacterSet{13, 11};            // "Character set"
inline constexpr MessageId kQuadrivel{17, 1};                // "Quadrivel"
inline constexpr MessageId kCopyConfigurator{18, 1};         // "Copy configurator"
inline constexpr MessageId kSelectAllFields{18, 2};          // "Select all fields"
inline constexpr MessageId kText{18, 3};                     // "Text"
inline constexpr MessageId kImage{18, 4};                    // "Image"
inline constexpr MessageId kAlignment{18, 5};                // "Alignment"
inline constexpr MessageId kNumericFormatAllowed{18, 6};     // "Numeric format is allowed"
inline constexpr MessageId kNumberFormatType{18, 7};         // "Number format type"
inline constexpr MessageId kDeselectAllFields{18, 8};        // "Deselect all fields"
inline constexpr MessageId kSummation{18, 9};                // "Summation"
inline constexpr MessageId kSubtraction{18, 10};             // "Subtraction"
inline constexpr MessageId kPercentages{18, 11};             // "Percentages"
inline constexpr MessageId kIcon{18, 12};                    // "Icon"
inline constexpr MessageId kMultiplication{18, 13};          // "Multiplication"
inline constexpr MessageId kDivision{18, 14};                // "Division"
inline constexpr MessageId kNumberFormat{20, 1};             // "Number with format"
inline constexpr MessageId kVelmoraThanksUsingProgram{21,
                                                      1};   // "Velmora thanks you for using th..."
inline constexpr MessageId kReallyWantExitProgram{24, 1};   // "You really want to exit the pro..."
inline constexpr MessageId kTableHasBeenRetouched{26, 1};   // "The table has been retouched ..."
inline constexpr MessageId kHaveReachedLimitColumns{27, 1}; // "You have reached the limit of C..."
inline constexpr MessageId kCannotDelete{27, 2};            // "Feeling it a lot, I can not delete"
inline constexpr MessageId kHaveReachedLimitRows{28, 1};    // "You have reached the limit of Rows"
inline constexpr MessageId kTest{30, 1};                    // "Test"
inline constexpr MessageId kTextProperties{30, 2};          // "Text properties"
inline constexpr MessageId kTypeSource{30, 3};              // "Type of Source"
inline constexpr MessageId kSize{30, 4};                    // "Size"
inline constexpr MessageId kBold{30, 5};                    // "Bold"
inline constexpr MessageId kItalic{30, 6};                  // "Italic"
inline constexpr MessageId kUnderline{30, 7};               // "Underline"
inline constexpr MessageId kStrikeout{30, 8};               // "Strikeout"
inline constexpr MessageId kStyles{30, 9};                  // "Styles"
inline constexpr MessageId kBackgroundColor{30, 10};        // "Background Color"
inline constexpr MessageId kFontColor{30, 11};              // "Font Color"
inline constexpr MessageId kWidth{31, 1};                   // "Width"
inline constexpr MessageId kHeight{31, 2};                  // "Height"
inline constexpr MessageId kNewTable{31, 3};                // "New Table"
inline constexpr MessageId kApproximateVista{31, 4};        // "Approximate Vista"
inline constexpr MessageId kRows{31, 5};                    // "Rows"
inline constexpr MessageId kColumns{31, 6};                 // "Columns"
inline constexpr MessageId kColorPaper{31, 7};              // "Color paper"
inline constexpr MessageId kColorLines{31, 8};              // "Color lines "
inline constexpr MessageId kThicknessLines{31, 9};          // "Thickness of lines"
inline constexpr MessageId kChooseSeparatorPixels{31, 10};  // "Choose separator in pixels"
inline constexpr MessageId kSeparator{32, 1};               // " separator"
inline constexpr MessageId kThickness{33, 1};               // " thickness"
inline constexpr MessageId kMustCompleteAllFields{34, 1};   // "You must complete all fields ..."
inline constexpr MessageId kThank{34, 2};                   // "Thank You !!"
inline constexpr MessageId kTableExceedsMaximumSize{35, 1}; // "The table exceeds the maximum s..."
inline constexpr MessageId kMaximumSize{35, 2};             // "The maximum size is "
inline constexpr MessageId kSizeRequesting{35, 3};          // "The size you are requesting is "
inline constexpr MessageId kColorCaught{36, 1};             // "Color Caught"
inline constexpr MessageId kHaveReachedLimitRows37{37, 1};  // "You have reached the limit of r..."
inline constexpr MessageId kHaveReachedLimitColumns38{38,
                                                      1};    // "You have reached the limit of c..."
inline constexpr MessageId kCannotInsert{38, 2};             // "Feeling it a lot, I can not Insert"
inline constexpr MessageId kCannotJoinVertically{39, 1};     // "Feeling it so much I can not jo..."
inline constexpr MessageId kCannotJoinHorizontally{40, 1};   // "Feeling it so much I can not jo..."
inline constexpr MessageId kHasBeenChosenCorrection{40, 2};  // "It has not been chosen correcti..."
inline constexpr MessageId kTryWorkFileFrom{41, 1};          // "You can try a work file from a..."
inline constexpr MessageId kWrongFormatFile{42, 1};          // "Wrong format file ..."
inline constexpr MessageId kReset{44, 1};                    // "Reset"
inline constexpr MessageId kGetOut{45, 1};                   // "Get out"
inline constexpr MessageId kFile{46, 1};                     // "File"
inline constexpr MessageId kFavoriteColorsLoadThem{47, 1};   // "Your favorite colors load them..."
inline constexpr MessageId kResetReallyWant{48, 1};          // "RESET really want ?"
inline constexpr MessageId kAllFavoriteColorsWill{48, 2};    // "All your favorite colors will b..."
inline constexpr MessageId kSaveChangesBeforeExiting{49, 1}; // "To save changes before exiting ?"
inline constexpr MessageId kMyFavoriteColorsFiled{50, 1};    // "My favorite colors are filed"
inline constexpr MessageId kSelectedColor{51, 1};            // "Selected color"
inline constexpr MessageId kAccept{52, 3};                   // "Accept"
inline constexpr MessageId kCancel{52, 4};                   // "Cancel"
inline constexpr MessageId kExportedCutBitmap{54, 1};        // "Exported to cut bitmap .."
inline constexpr MessageId kBlockCell{57, 1};                // "To block cell : "
inline constexpr MessageId kFileExists{58, 1};               // "File exists ..."
inline constexpr MessageId kOverwrite{58, 2};                // "Overwrite ?"
inline constexpr MessageId kOverrideCell{59, 1};             // "To override cell : "
inline constexpr MessageId kCopyCell{60, 1};                 // "To copy cell : "
inline constexpr MessageId kPasteCell{61, 1};                // "To paste cell : "
inline constexpr MessageId kClearCell{62, 1};                // "To clear cell : "
inline constexpr MessageId kSelectCell{62, 2};               // "Select cell ..."
inline constexpr MessageId kProgrammer{63, 1};               // "Programmer"
inline constexpr MessageId kWorkFile{64, 1};                 // "Work file : "
inline constexpr MessageId kExist{64, 2};                    // "Not Exist ..."
inline constexpr MessageId kWidth65{65, 1};                  // "Width : "
inline constexpr MessageId kHeight65{65, 2};                 // " Height : "
inline constexpr MessageId kRows65{65, 3};                   // " Rows : "
inline constexpr MessageId kColumns65{65, 4};                // " Columns : "
inline constexpr MessageId kSeparation{65, 5};               // " Separation : "
inline constexpr MessageId kBitmapFileBrowser{66, 1};        // "For bitmap file browser"
inline constexpr MessageId kAllFiles{66, 2};                 // "All Files"
inline constexpr MessageId kLanguages{67, 1};                // "Languages"
inline constexpr MessageId kTable{68, 1};                    // "Table"
inline constexpr MessageId kMergeCellsHorizontal{68, 2};     // "Merge Cells Horizontal"
inline constexpr MessageId kVerticalMergeCells{68, 3};       // "Vertical Merge Cells"
inline constexpr MessageId kCancelCell{68, 4};               // "Cancel Cell"
inline constexpr MessageId kInsertColumn{68, 5};             // "Insert Column"
inline constexpr MessageId kInsertRow{68, 6};                // "Insert Row"
inline constexpr MessageId kRemoveLastColumn{68, 7};         // "Remove Last Column"
inline constexpr MessageId kRemoveLastRow{68, 8};            // "Remove Last Row"
inline constexpr MessageId kResetTable{68, 9};               // "Reset table"
inline constexpr MessageId kTitleBar68{68, 10};              // "Title bar"
inline constexpr MessageId kViewCommands{68, 11};            // "View commands"
inline constexpr MessageId kMouse{69, 1};                    // "Mouse"
inline constexpr MessageId kLeft{69, 2};                     // "Left"
inline constexpr MessageId kCellSelector{69, 3};             // "Cell selector"
inline constexpr MessageId kEditTextColors{69, 4};           // "Edit Text and Colors"
inline constexpr MessageId kInsertImage{69, 5};              // "Insert image"
inline constexpr MessageId kRight{69, 6};                    // "Right"
inline constexpr MessageId kCapturingColor{69, 7};           // "Capturing Color"
inline constexpr MessageId kMyFavoriteColors{69, 8};         // "My Favorite Colors"
inline constexpr MessageId kInsertIcon{69, 9};               // "Insert Icon"
inline constexpr MessageId kEdit{70, 1};                     // "Edit"
inline constexpr MessageId kCopyCell70{70, 2};               // "Copy cell"
inline constexpr MessageId kPasteCell70{70, 3};              // "Paste cell"
inline constexpr MessageId kClearCell70{70, 4};              // "Clear cell"
inline constexpr MessageId kSelectAll{70, 5};                // "Select all"
inline constexpr MessageId kUndo{70, 6};                     // "Undo"
inline constexpr MessageId kUpdate{70, 7};                   // "To update"
inline constexpr MessageId kOperations{71, 1};               // "Operations"
inline constexpr MessageId kNew{71, 2};                      // "New"
inline constexpr MessageId kReadFile{71, 3};                 // "Read file"
inline constexpr MessageId kReadFormatPrevious{71, 4};       // "Read Format Previous"
inline constexpr MessageId kBitmapExportCut{71, 7};          // "Bitmap Export to cut"
inline constexpr MessageId kConfiguration{71, 8};            // "Configuration"
inline constexpr MessageId kAuthor{71, 9};                   // "Author"
inline constexpr MessageId kExitProgram{71, 10};             // "Exit the program"
inline constexpr MessageId kExportCutJpeg{71, 11};           // "Export to cut JPEG"
inline constexpr MessageId kCopyPicture{76, 2};              // "Copy picture"
inline constexpr MessageId kScale{76, 3};                    // "Scale"
inline constexpr MessageId kTransparentBackground{76, 4};    // "Transparent background"
inline constexpr MessageId kExportCannotOverwriteOpen{76,
                                                      5}; // "The export cannot overwrite the..."

// Every name above, for the check against the message table.
inline constexpr MessageId kAll[] = {
    kTitleBar,
    kHorizontal,
    kVertical,
    kExit,
    kAccessPassword,
    kPassword,
    kFileBrowserIcons,
    kFileBrowserImagePhoto,
    kExportedJpegCut,
    kGraphicsStartFailed,
    kFileBrowserJpeg,
    kTotalNumberDecimalPlaces,
    kDecimals,
    kHangeul,
    kChinese,
    kGreek,
    kTurkish,
    kHebrew,
    kArab,
    kBaltic,
    kRussian,
    kThai,
    kEasternEurope,
    kCharacterSet,
    kQuadrivel,
    kCopyConfigurator,
    kSelectAllFields,
    kText,
    kImage,
    kAlignment,
    kNumericFormatAllowed,
    kNumberFormatType,
    kDeselectAllFields,
    kSummation,
    kSubtraction,
    kPercentages,
    kIcon,
    kMultiplication,
    kDivision,
    kNumberFormat,
    kVelmoraThanksUsingProgram,
    kReallyWantExitProgram,
    kTableHasBeenRetouched,
    kHaveReachedLimitColumns,
    kCannotDelete,
    kHaveReachedLimitRows,
    kTest,
    kTextProperties,
    kTypeSource,
    kSize,
    kBold,
    kItalic,
    kUnderline,
    kStrikeout,
    kStyles,
    kBackgroundColor,
    kFontColor,
    kWidth,
    kHeight,
    kNewTable,
    kApproximateVista,
    kRows,
    kColumns,
    kColorPaper,
    kColorLines,
    kThicknessLines,
    kChooseSeparatorPixels,
    kSeparator,
    kThickness,
    kMustCompleteAllFields,
    kThank,
    kTableExceedsMaximumSize,
    kMaximumSize,
    kSizeRequesting,
    kColorCaught,
    kHaveReachedLimitRows37,
    kHaveReachedLimitColumns38,
    kCannotInsert,
    kCannotJoinVertically,
    kCannotJoinHorizontally,
    kHasBeenChosenCorrection,
    kTryWorkFileFrom,
    kWrongFormatFile,
    kReset,
    kGetOut,
    kFile,
    kFavoriteColorsLoadThem,
    kResetReallyWant,
    kAllFavoriteColorsWill,
    kSaveChangesBeforeExiting,
    kMyFavoriteColorsFiled,
    kSelectedColor,
    kAccept,
    kCancel,
    kExportedCutBitmap,
    kBlockCell,
    kFileExists,
    kOverwrite,
    kOverrideCell,
    kCopyCell,
    kPasteCell,
    kClearCell,
    kSelectCell,
    kProgrammer,
    kWorkFile,
    kExist,
    kWidth65,
    kHeight65,
    kRows65,
    kColumns65,
    kSeparation,
    kBitmapFileBrowser,
    kAllFiles,
    kLanguages,
    kTable,
    kMergeCellsHorizontal,
    kVerticalMergeCells,
    kCancelCell,
    kInsertColumn,
    kInsertRow,
    kRemoveLastColumn,
    kRemoveLastRow,
    kResetTable,
    kTitleBar68,
    kViewCommands,
    kMouse,
    kLeft,
    kCellSelector,
    kEditTextColors,
    kInsertImage,
    kRight,
    kCapturingColor,
    kMyFavoriteColors,
    kInsertIcon,
    kEdit,
    kCopyCell70,
    kPasteCell70,
    kClearCell70,
    kSelectAll,
    kUndo,
    kUpdate,
    kOperations,
    kNew,
    kReadFile,
    kReadFormatPrevious,
    kBitmapExportCut,
    kConfiguration,
    kAuthor,
    kExitProgram,
    kExportCutJpeg,
    kCopyPicture,
    kScale,
    kTransparentBackground,
    kExportCannotOverwriteOpen,
};
} // namespace msg
