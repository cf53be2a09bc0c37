#pragma once

#include <QAbstractTableModel>
#include <QCollator>
#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

#include "classview/class_folder.h"

namespace classview {

// The class's programs as rows: writer, program, commands and when it was saved. A file that
// is no program says so in place of its commands.
class ClassList final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Writer, Program, Commands, Saved, ColumnCount };
    // What the rows sort by, apart from what they show.
    static constexpr int SortRole = Qt::UserRole;

    void setPrograms(std::vector<ClassProgram> programs);
    const std::vector<ClassProgram>& programs() const { return programs_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<ClassProgram> programs_;
};

// The rows of one writer or of all, sorted by any column; names as a person sorts them.
class WriterFilter final : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    WriterFilter();
    // Nothing for every writer.
    void setWriter(const std::optional<QString>& writer);
    // The program of a row of this view.
    const ClassProgram& program(int row) const;

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    std::optional<QString> writer_;
    QCollator collator_;
};

}  // namespace classview
