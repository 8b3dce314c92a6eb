#include "ui/document/table_document.h"

#include <utility>

namespace tabloom {

namespace {

QString Caption(const char* verb, bool can, const std::string& text) {
    return can ? QString("%1: %2").arg(verb, QString::fromStdString(text)) : QString(verb);
}

bool SameState(const HistoryState& a, const HistoryState& b) {
    return a.outputPath == b.outputPath && a.table.intNumRows == b.table.intNumRows &&
           a.table.intNumCols == b.table.intNumCols && a.table.SameSpec(b.table);
}

}  // namespace

TableDocument::TableDocument(QObject* parent) : QObject(parent) { InitTableState(table_); }

HistoryState TableDocument::State() const { return {table_, outputPath_.toStdString()}; }

void TableDocument::Record(const QString& what, const HistoryState& before) {
    if (what.isEmpty()) return;
    HistoryState after = State();
    if (SameState(before, after)) return;
    history_.Record(what.toStdString(), before, after);
}

bool TableDocument::Change(const QString& what, const std::function<void(TableSpec&)>& edit,
                           int touched) {
    const HistoryState before = State();
    edit(table_);
    if (SameState(before, State())) return false;
    Record(what, before);
    emit changed(touched | kHistory);
    return true;
}

void TableDocument::Replace(const TableSpec& table, const QString& outputPath,
                            const QString& what) {
    const HistoryState before = State();
    table_ = table;
    outputPath_ = outputPath.trimmed();
    Record(what, before);
    emit changed(kEverything | kHistory);
}

void TableDocument::SetOutputPath(const QString& path, const QString& what) {
    const QString trimmed = path.trimmed();
    if (trimmed == outputPath_) return;
    const HistoryState before = State();
    outputPath_ = trimmed;
    Record(what, before);
    emit changed(kOutputPath | kHistory);
}

void TableDocument::PutBack(HistoryState state) {
    table_ = std::move(state.table);
    outputPath_ = QString::fromStdString(state.outputPath);
    emit changed(kEverything | kHistory);
}

void TableDocument::Undo() {
    if (history_.CanUndo()) PutBack(history_.Undo());
}

void TableDocument::Redo() {
    if (history_.CanRedo()) PutBack(history_.Redo());
}

void TableDocument::ClearHistory() {
    history_.Clear();
    emit changed(kHistory);
}

QString TableDocument::UndoCaption() const {
    return Caption("Undo", CanUndo(), history_.UndoText());
}

QString TableDocument::RedoCaption() const {
    return Caption("Redo", CanRedo(), history_.RedoText());
}

}  // namespace tabloom
