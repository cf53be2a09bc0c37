#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QWidget>
#include <functional>
#include <vector>

#include "classview/class_list.h"
#include "classview/page_preview.h"
#include "classview/reports.h"

namespace classview {

// The teacher's window on a class folder: every writer's programs, the chosen one drawn as
// its report, and the programs opened in MARLO or printed. It never writes in the folder.
class ClassWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit ClassWindow(const QString& folder);

    // Reads the folder again, keeping the writer and the program shown where they still are.
    void refresh();
    void openInMarlo();
    // The chosen rows, or every row shown, in the order shown, one report a page.
    void printSelected();
    void printAll();

    // Starts a program with arguments; true when it started. A test puts its own in place.
    std::function<bool(const QString&, const QStringList&)> startProcess;

    QLabel folderLabel;
    QComboBox writers;
    QPushButton readAgain;
    QSplitter split;
    QTreeView table;
    PagePreview preview;
    QToolButton previousPage;
    QLabel pageLabel;
    QToolButton nextPage;
    QPushButton open;
    QPushButton printChosen;
    QPushButton printEvery;
    QComboBox destination;
    QLabel status;

  private:
    void showWriters();
    void showRow(int row);
    void showCurrent();
    void showPageNumber();
    void print(const std::vector<int>& rows);
    const ClassProgram* current() const;

    QString folder_;
    ClassList list_;
    WriterFilter filter_;
    PdfPage page_;
    bool timing_ = false;
};

}  // namespace classview
