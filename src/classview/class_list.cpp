#include "classview/class_list.h"

#include <QApplication>
#include <QColor>
#include <QLocale>
#include <QStyle>

namespace classview {

void ClassList::setPrograms(std::vector<ClassProgram> programs) {
    beginResetModel();
    programs_ = std::move(programs);
    endResetModel();
}

int ClassList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(programs_.size());
}

int ClassList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClassList::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const ClassProgram& program = programs_[static_cast<size_t>(index.row())];
    const bool broken = program.problem != Problem::None;
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        switch (column) {
            case Writer:
                return program.writer.isEmpty() ? tr("(no name)") : program.writer;
            case Program:
                return program.name;
            case Commands:
                return broken ? describe(program.problem) : QVariant(commandCount(program));
            case Saved:
                return QLocale().toString(program.saved, QLocale::ShortFormat);
        }
    } else if (role == SortRole) {
        switch (column) {
            case Writer:
                return program.writer;
            case Program:
                return program.name;
            case Commands:
                return commandCount(program);
            case Saved:
                return program.saved;
        }
    } else if (role == Qt::ToolTipRole) {
        return broken ? program.path + QLatin1Char('\n') + describe(program.problem) : program.path;
    } else if (role == Qt::DecorationRole && broken && column == Program) {
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    } else if (role == Qt::TextAlignmentRole && column == Commands && !broken) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ClassList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case Writer:
            return tr("Writer");
        case Program:
            return tr("Program");
        case Commands:
            return tr("Commands");
        case Saved:
            return tr("Saved");
    }
    return {};
}

WriterFilter::WriterFilter() : collator_(personsOrder()) {
    setSortRole(ClassList::SortRole);
}

void WriterFilter::setWriter(const std::optional<QString>& writer) {
    writer_ = writer;
    invalidateRowsFilter();
}

const ClassProgram& WriterFilter::program(int row) const {
    const auto& list = static_cast<const ClassList&>(*sourceModel());
    return list.programs()[static_cast<size_t>(mapToSource(index(row, 0)).row())];
}

bool WriterFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (!writer_) return true;
    const auto& list = static_cast<const ClassList&>(*sourceModel());
    return list.programs()[static_cast<size_t>(sourceRow)].writer == *writer_;
}

bool WriterFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(sortRole()), b = right.data(sortRole());
    if (a.typeId() == QMetaType::QString) return collator_.compare(a.toString(), b.toString()) < 0;
    return QSortFilterProxyModel::lessThan(left, right);
}

}  // namespace classview
