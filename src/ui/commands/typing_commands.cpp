#include "ui/commands/typing_commands.h"

#include <QFont>

#include "core/grid/block_edit.h"
#include "core/grid/grid_drawing.h"
#include "core/model/place_markers.h"
#include "ui/commands/command_context.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/grid/image_canvas.h"
#include "ui/grid/pic_table.h"

namespace tabloom {

TypingCommands::TypingCommands(CommandContext& context, GridCommands& grid, PicTable& picTable)
    : QObject(&context.window.Widget()), ctx_(context), grid_(grid), picTable_(picTable) {
    connect(&picTable_.Editor(), &InPlaceEditor::finished, this, &TypingCommands::Finished);
}

bool TypingCommands::Editing() const { return picTable_.Editor().IsOpen(); }

void TypingCommands::Start(const QString& text, bool keep) {
    if (Editing() || !ctx_.state.blnFormInitialized) return;
    row_ = grid_.CurrentRow();
    col_ = grid_.CurrentCol();
    const TableSpec& table = ctx_.document.Table();
    QString content = text;
    if (keep) {
        const std::string& stored = table.At(row_, col_).strContent;
        // A place marker is a stand-in, not text to keep.
        if (stored != MakePlaceMarker(row_, col_)) {
            content = QString::fromStdString(stored).replace("\r\n", "\n");
        }
    }
    const CellRect r = CellRectangle(table, grid_.Geometry(), row_, col_);
    const DrawnColours colours = CellColours(table, row_, col_);
    QFont font = picTable_.font();
    // The grid's text size, in pixels of its 96 dots per inch.
    font.setPixelSize(kContentPoints * 96 / 72);
    picTable_.OpenEditor(QRect(QPoint(r.x1, r.y1), QPoint(r.x2, r.y2)), font,
                         ImageCanvas::ToQColor(colours.text),
                         ImageCanvas::ToQColor(colours.background), content);
}

void TypingCommands::Finished(InPlaceEditor::Ending ending) {
    InPlaceEditor& editor = picTable_.Editor();
    if (ending != InPlaceEditor::Ending::Keep) picTable_.setFocus(Qt::OtherFocusReason);
    if (ending == InPlaceEditor::Ending::Cancel) return;
    const TableSpec& table = ctx_.document.Table();
    // Rows or columns may have gone while the editor was open.
    if (row_ <= table.intNumRows && col_ <= table.intNumCols &&
        table.At(row_, col_).intRowSpan > 0 && table.At(row_, col_).intColSpan > 0) {
        QString text = editor.toPlainText();
        text.replace("\n", "\r\n");
        ctx_.document.Change(
            QString("type into cell at row %1 column %2").arg(row_).arg(col_),
            [this, &text](TableSpec& t) { StoreTypedContent(t, row_, col_, text.toStdString()); });
    }
    switch (ending) {
        case InPlaceEditor::Ending::Down:
            grid_.MoveCurrent(GridMove::Down);
            break;
        case InPlaceEditor::Ending::Next:
        case InPlaceEditor::Ending::Previous:
            grid_.MoveByTab(ending == InPlaceEditor::Ending::Next);
            break;
        default:
            break;
    }
}

}  // namespace tabloom
