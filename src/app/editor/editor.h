// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/editor/cell_cursor.h"
#include "app/editor/editor_state.h"
#include "app/editor/recovery_keeper.h"
#include "content/find_replace.h"
#include "model/delimited_text.h"
#include "model/document.h"
#include "render/export_cut.h"
#include "render/image_report_memory.h"
#include "render/qt_drawing_surface.h"
#include "render/table_renderer.h"

#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class Clock;
enum class CommandId : int;
struct CellEditFields;
struct RecoveryCopy;
class EditorShell;
class MessageTable;
struct MessageId;
class Ui;

// What a change of the table needs drawn after it.
enum class EditRedraw {
    Table, // operations and series recomputed, the table drawn again
    View,  // only the view: nothing computed moved
    Done,  // the change drew the table itself
};
// Whether a change used up the selection it acted on.
enum class EditSelection { Kept, UsedUp };

inline constexpr int kViewWidth = 1122;
inline constexpr int kViewHeight = 936;

// The behaviour of the main window: the command handler and the canvas handler over the
// document and the shell state. Widgets stay in the window; everything here can be driven
// without a screen.
class Editor {
public:
    // The state belongs to the caller (the prompts read its language too).
    Editor(Ui& ui, const Clock& clock, EditorShell& shell, EditorState& state);

    Document& document() { return document_; }
    EditorState& state() { return state_; }
    // Off until the shell gives it a timer and a folder; the window drops the copy on closing.
    RecoveryKeeper& recovery() { return recovery_; }
    const QImage& viewPicture() const { return viewPicture_; }
    const QImage& tablePicture() const { return tablePicture_; }
    const QImage& columnRulerPicture() const { return columnRuler_; }
    const QImage& rowRulerPicture() const { return rowRuler_; }
    // Where the view shows a cell (its joined block included) at the current scroll, in the
    // view's own coordinates: what an editor laid over the cell covers.
    QRect CellRectInView(CellPosition cell) const;

    // The screen's device pixels per logical pixel: the view and ruler pictures are made anew
    // at that resolution and drawn again, their logical sizes unchanged.
    void SetPixelRatio(qreal ratio);

    // Window initialisation: menu marks, empty view, then the work file of the command line.
    void Initialise(const QString& commandLine);
    // The recovery copies left by earlier runs, one question each, until one is restored.
    void OfferRecoveryCopies();

    // A menu command or the ruler button.
    void Command(CommandId id);

    // The rows of the view that the window shows (all of them, or fewer in a window lower than
    // the view): the view scrolls until the table's end is in sight there.
    void SetShownHeight(int height);
    // Moves the view, held between the page's start and the table's far edges.
    void ScrollTo(int32_t x, int32_t y);
    QPoint ScrollOffset() const { return {state_.scrollX, state_.scrollY}; }
    // The deepest scroll in each direction: the table's right and bottom edges in sight.
    QPoint LowestScroll() const;

    // Canvas input at a point of the table view.
    void LeftClick(int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Opens the in-place editor with the cell's text, in every left mouse mode.
    void DoubleClick(int x, int y);
    void RightClick(int x, int y);
    // `text` is what the key types, if anything.
    void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = QString());
    // delta > 0: the wheel turned away from the user (or to the left, `sideways`). False when
    // the view could not move.
    bool Wheel(int delta, bool sideways = false);
    // The in-place editor's text, stored in its cell as the cell editing dialog's Accept
    // stores a text; then the cursor moves by the step of Enter, Shift+Enter, Tab or Shift+Tab
    // (0, 0 after a click elsewhere).
    void CommitInPlace(const QString& text, int columnStep, int rowStep);
    // Escape: the cell keeps its text.
    void CancelInPlace();

    // What Find next, Find previous and the replacements look for, as the find bar holds it.
    void SetSearch(const FindQuery& query, const QString& replacement);
    const FindQuery& search() const { return search_; }

    // Marks and enabled states of the menu from the state (after the menu is rebuilt).
    void ApplyMenuState();
    // Writes the preferences; a failure is shown.
    void SaveProgramSettings();
    // Before the table is closed or replaced: true when it has no unsaved changes, or the
    // user saved them or chose to drop them; false when the user cancelled.
    bool MayLeaveTable();
    QString Title() const;
    // A new table of these counts with the New Table dialog's proposals, without the dialog.
    void NewTableOfSize(int columns, int rows);

private:
    // Commands.
    void NewTable();
    void StartNewTable(const TableSettings& planned);
    void ReadFile(bool previousFormat);
    // true when the table was saved. Save writes the table's own work file without a
    // question; a table without one is asked for a name as Record file does.
    bool Save();
    bool RecordFile();
    bool WriteWorkFile(const QString& path);
    void Export(bool bitmap);
    void CopyPicture();
    void CopyAsText();
    ExportLook ChosenExportLook() const;
    void Configuration();
    void Exit();
    void Undo();
    void Redo();
    void CopyCell();
    void PasteCell();
    void ClearCell();
    void SelectAll();
    void ToUpdate();
    void Merge(bool horizontal);
    void CancelOrStop(int32_t cellState);
    void InsertLine(bool column);
    void RemoveLine(bool column);
    void ResetTable();
    void TitleBar();
    void ViewCommands();
    void ChangeLanguage(int language);
    void ChangeCharacterSet(CommandId id);
    void SetAllCopyFlags(bool value);
    void ToggleCopyFlag(int index);
    void CycleRuler();
    void SetMouseMode(CommandId id);
    // Data from a CSV or TSV file into a new table or as new texts of the open one (asking
    // before rows are added), and tab-separated text from the clipboard into the cells from
    // the selected one.
    void RefreshData();
    void ImportData();
    void PasteData();
    // The data file the user chooses, read as far as a table holds; nothing, with the reason
    // told, when it is no text or holds no data.
    std::optional<DelimitedText> ChooseAndReadData();
    void AutoSumAtCursor();
    void SetNumberFormat(int16_t format);
    // Asks whether to go on when a table of these counts would leave part of the data out.
    bool AcceptDataCut(const DelimitedText& data, int columnCount, int rowCount);
    TableSettings PlannedNewTable() const;
    // The gallery of table styles, applied to the selected cells or else the whole table,
    // and the table's look kept as a style of the user's.
    void TableStyles();
    void SaveAsStyle();
    // Colour by value over the selected cells, or the table without its title bars.
    void ColourByValue();
    // The Sort dialog, then the rows sorted in one undo step or the refusal told.
    void SortRows();
    // The cursor to the next or previous match of the search, the view scrolled to it.
    void FindStep(bool backward);
    // The match at the cursor replaced, then the next one found; every match replaced in one
    // undo step, the count told in the status line. Cells the new text would overfill are
    // left and told.
    void ReplaceAtCursor();
    void ReplaceAll();
    void TellTooLong(int cells);
    // A table that replaced the open one: selection and image reports start afresh.
    void ShowReplacedTable();
    void SetLeftMouseMode(LeftMouseMode mode);

    // Canvas actions.
    // The cell editing dialog for the cell, or for every selected cell when several are.
    void EditCells(CellPosition at);
    // Snapshot, the accepted fields written (to several cells only what the user changed),
    // the snapshot dropped when nothing changed, the selection used up, the redraw.
    void StoreCellEdit(const std::vector<CellPosition>& cells, const CellEditFields& opened,
                       const CellEditFields& accepted);
    // The in-place editor over the cell, unless it may not be edited (cancelled, stopped) or
    // an editor is open already.
    void OpenInPlace(CellPosition at, const QString& text);
    // Commits the open in-place editor where it stands (a click elsewhere, a command).
    void FinishInPlace();
    // Enter and Tab, with or without Shift, editing or not.
    void MoveByEntryKey(int columnStep, int rowStep);
    void MoveCursor(int columnStep, int rowStep, bool extendSelection);
    void MoveCursorTo(CellPosition to, bool extendSelection);
    void MoveCursorToCorner(bool last);
    void SelectCursorLine(bool row);
    void PlaceCursor(CellPosition cell);
    void ExtendSelectionTo(CellPosition to);
    void KeepCursorInView();
    void DrawCursorFrame();
    void InsertImage(int column, int row);
    void InsertIcon(int column, int row);
    // A table that became smaller leaves no view beyond its end.
    void HoldScrollInTable();
    // The scroll at which the table's bottom reaches the bottom of the shown view.
    int32_t TableEndScroll() const;
    bool CellAt(int x, int y, int& column, int& row) const;

    // The shared redraw: operations recomputed, the table drawn, the view and rulers shown.
    void Redraw();
    RenderOptions RenderSettings() const;
    // Steps 2 and 3 of the redraw: no recomputation.
    void RedrawView();
    // The table picture: the part of the page the view shows at its scroll.
    void DrawTableView();
    void ShowViewAndRulers();
    void DrawRulers();
    // Every change of the table goes through here: the table before it kept as an undo step,
    // dropped again when nothing changed; a new or removed password, which undo steps leave
    // out, marked as a change; the selection used up when asked; the redraw and the caption.
    // `change` returns false when it was refused or cancelled: nothing more is done then.
    void Edit(EditRedraw redraw, EditSelection selection, const std::function<bool()>& change);
    void Snapshot();
    void DropSnapshotIfUnchanged();
    // The table differs from its file although no undo step says so (a new password, cells
    // made for a file that lacked them).
    void MarkChanged();
    void UpdateUndoCommands();
    void AfterUndoOrRedo();
    void TableShown();
    // `boundTo`, when given, is the file the loaded table belongs to instead of `path`.
    bool LoadAndShow(const QString& path, bool previousFormat,
                     const std::optional<QString>& boundTo = std::nullopt);
    // The copy's table, unsaved and bound to its original file; false when it was not opened.
    bool RestoreRecoveryCopy(const RecoveryCopy& copy);
    void UpdateStatusCaption();

    MessageTable Messages() const;
    // Two messages, a line break between them, in a message box.
    void Tell(MessageId first, MessageId second);
    // "The work file could not be opened: " and the name with the reason.
    void TellUnopened(const QString& detail);
    QString Pair(MessageId first, MessageId second) const;

    Ui& ui_;
    const Clock& clock_;
    EditorShell& shell_;
    EditorState& state_;
    Document document_;
    RecoveryKeeper recovery_;
    ImageReportMemory imageReports_;
    QImage tablePicture_;
    QImage viewPicture_;
    QImage columnRuler_;
    QImage rowRuler_;
    // After the pictures: it may still paint on one of them when the editor goes.
    QtDrawingSurface surface_;
    qreal pixelRatio_ = 1;
    // The scroll the table picture was drawn at: a view moved since needs it drawn again.
    QPoint drawnScroll_;
    int shownHeight_ = kViewHeight;
    bool cellEditOpen_ = false;
    // The cell under the open in-place editor.
    std::optional<CellPosition> inPlaceCell_;
    // Where a run of Tabs began and the cell it reached: Enter from there goes down to the
    // run's first column, as in spreadsheets, so a table is typed row by row.
    struct TabRun {
        int startColumn = 0;
        CellPosition reached;
    };
    std::optional<TabRun> tabRun_;
    bool dialogOpen_ = false;
    FindQuery search_;
    QString replacement_;
};

// The text after the last "/" of a path.
QString FileNameOf(const QString& path);
