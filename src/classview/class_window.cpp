#include "classview/class_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProcess>
#include <QSet>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>

#include "layout/design.h"
#include "platform/file_names.h"
#include "platform/services.h"
#include "printing/PrinterSupport.h"

namespace classview {

namespace {

// Wherever the teacher keeps documents: the class folder is only read.
QString pdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// While the reports are drawn and printed.
class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// For bench/classview: when the first page was shown, by the clock a shell reads too.
void sayWhenShown() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "classview: first program shown at %lld us\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

}  // namespace

ClassWindow::ClassWindow(const QString& folder)
    : startProcess([](const QString& program, const QStringList& arguments) {
          return QProcess::startDetached(program, arguments);
      }),
      folder_(folder),
      timing_(qEnvironmentVariableIsSet("MARLO_CLASSVIEW_TIMING")) {
    setWindowTitle(tr("MARLO class view"));
    setWindowIcon(design::applicationIcon());

    folderLabel.setText(tr("Class folder: %1").arg(QDir::toNativeSeparators(folder)));
    folderLabel.setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* writerLabel = new QLabel(tr("&Writer:"));
    writerLabel->setBuddy(&writers);
    writers.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    writers.setMinimumContentsLength(16);
    readAgain.setText(tr("&Read again"));
    readAgain.setShortcut(QKeySequence::Refresh);
    auto* top = new QHBoxLayout;
    top->addWidget(&folderLabel, 1);
    top->addWidget(writerLabel);
    top->addWidget(&writers);
    top->addWidget(&readAgain);

    filter_.setSourceModel(&list_);
    table.setModel(&filter_);
    table.setRootIsDecorated(false);
    table.setUniformRowHeights(true);
    table.setAllColumnsShowFocus(true);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::ExtendedSelection);
    table.setSortingEnabled(true);
    table.sortByColumn(ClassList::Writer, Qt::AscendingOrder);
    // Measuring thousands of rows would slow the start: widths for typical names instead.
    const QFontMetrics metrics = table.fontMetrics();
    const std::pair<int, int> widths[] = {
        {ClassList::Writer, 14}, {ClassList::Program, 20}, {ClassList::Commands, 20}};
    for (const auto& [column, letters] : widths)
        table.header()->resizeSection(column, metrics.horizontalAdvance(QString(letters, 'x')));

    previousPage.setArrowType(Qt::LeftArrow);
    nextPage.setArrowType(Qt::RightArrow);
    previousPage.setToolTip(tr("Previous page"));
    nextPage.setToolTip(tr("Next page"));
    pageLabel.setAlignment(Qt::AlignCenter);
    auto* pages = new QHBoxLayout;
    pages->addStretch();
    pages->addWidget(&previousPage);
    pages->addWidget(&pageLabel);
    pages->addWidget(&nextPage);
    pages->addStretch();
    auto* previewPanel = new QWidget;
    auto* previewColumn = new QVBoxLayout(previewPanel);
    previewColumn->setContentsMargins(0, 0, 0, 0);
    previewColumn->addWidget(&preview, 1);
    previewColumn->addLayout(pages);
    split.addWidget(&table);
    split.addWidget(previewPanel);
    split.setStretchFactor(0, 3);
    split.setStretchFactor(1, 2);
    split.setChildrenCollapsible(false);

    open.setText(tr("&Open in MARLO"));
    printChosen.setText(tr("&Print selected"));
    printEvery.setText(tr("Print &all"));
    printEvery.setToolTip(tr("Every program listed, one a page"));
    auto* toLabel = new QLabel(tr("&to:"));
    toLabel->setBuddy(&destination);
    if (const auto printer = platform::seam<platform::Printers>().defaultPrinterName())
        destination.addItem(tr("the printer %1").arg(*printer), *printer);
    destination.addItem(tr("one PDF file"), QString());
    auto* actions = new QHBoxLayout;
    actions->addWidget(&open);
    actions->addStretch();
    actions->addWidget(&printChosen);
    actions->addWidget(&printEvery);
    actions->addWidget(toLabel);
    actions->addWidget(&destination);

    status.setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(&split, 1);
    column->addLayout(actions);
    column->addWidget(&status);

    connect(&writers, &QComboBox::currentIndexChanged, this, [this] {
        const QVariant writer = writers.currentData();
        filter_.setWriter(writer.isValid() ? std::optional(writer.toString()) : std::nullopt);
        showRow(0);
    });
    connect(table.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showCurrent(); });
    connect(&table, &QAbstractItemView::doubleClicked, this, [this] { openInMarlo(); });
    connect(&readAgain, &QPushButton::clicked, this, [this] { refresh(); });
    connect(&open, &QPushButton::clicked, this, [this] { openInMarlo(); });
    connect(&printChosen, &QPushButton::clicked, this, [this] { printSelected(); });
    connect(&printEvery, &QPushButton::clicked, this, [this] { printAll(); });
    connect(&previousPage, &QToolButton::clicked, this, [this] {
        preview.setPage(preview.page() - 1);
        showPageNumber();
    });
    connect(&nextPage, &QToolButton::clicked, this, [this] {
        preview.setPage(preview.page() + 1);
        showPageNumber();
    });
    if (timing_) {
        connect(&preview, &PagePreview::pagePainted, this, [once = true]() mutable {
            if (std::exchange(once, false)) sayWhenShown();
        });
    }
    refresh();
}

void ClassWindow::refresh() {
    const ClassProgram* shown = current();
    const QString shownPath = shown ? shown->path : QString();
    QElapsedTimer clock;
    clock.start();
    const bool there = QFileInfo(folder_).isDir();
    list_.setPrograms(there ? readClass(folder_) : std::vector<ClassProgram>());
    if (timing_)
        std::fprintf(stderr, "classview: read %zu files in %lld ms\n", list_.programs().size(),
                     static_cast<long long>(clock.elapsed()));
    showWriters();
    int row = 0;
    for (int r = 0; r < filter_.rowCount() && !shownPath.isEmpty(); ++r)
        if (filter_.program(r).path == shownPath) row = r;
    showRow(row);

    const auto& programs = list_.programs();
    const auto broken = std::ranges::count_if(
        programs, [](const ClassProgram& program) { return !program.fields; });
    if (!there)
        status.setText(tr("There is no folder %1.").arg(QDir::toNativeSeparators(folder_)));
    else
        status.setText(tr("Programs: %1. Writers: %2. Files that are not programs: %3.")
                           .arg(programs.size())
                           .arg(writers.count() - 1)
                           .arg(broken));
}

void ClassWindow::showWriters() {
    const QVariant chosen = writers.currentData();
    const QSignalBlocker quiet(writers);
    writers.clear();
    writers.addItem(tr("all writers"));
    QSet<QString> seen;
    for (const ClassProgram& program : list_.programs()) {
        if (seen.contains(program.writer)) continue;
        seen.insert(program.writer);
        writers.addItem(program.writer.isEmpty() ? tr("(no name)") : program.writer,
                        program.writer);
    }
    writers.setCurrentIndex(chosen.isValid() ? std::max(0, writers.findData(chosen)) : 0);
    const QVariant writer = writers.currentData();
    filter_.setWriter(writer.isValid() ? std::optional(writer.toString()) : std::nullopt);
}

void ClassWindow::showRow(int row) {
    table.setCurrentIndex(filter_.index(row, 0));
    // A new current row is shown when it becomes current; no row at all, here.
    if (!table.currentIndex().isValid()) showCurrent();
}

const ClassProgram* ClassWindow::current() const {
    const QModelIndex index = table.currentIndex();
    return index.isValid() ? &filter_.program(index.row()) : nullptr;
}

void ClassWindow::showCurrent() {
    const ClassProgram* program = current();
    open.setEnabled(program != nullptr && program->fields);
    if (program == nullptr)
        preview.showMessage(tr("No programs here."));
    else if (!program->fields)
        preview.showMessage(program->name + QStringLiteral("\n\n") + describe(program->problem));
    else
        preview.showPages(drawReports({*program->fields}, page_.device()), page_.size(),
                          page_.dotsPerInch());
    showPageNumber();
}

void ClassWindow::showPageNumber() {
    const int count = preview.pageCount();
    pageLabel.setText(tr("page %1 of %2").arg(preview.page() + 1).arg(count));
    for (QWidget* control : {static_cast<QWidget*>(&previousPage),
                             static_cast<QWidget*>(&pageLabel), static_cast<QWidget*>(&nextPage)})
        control->setVisible(count > 1);
    previousPage.setEnabled(preview.page() > 0);
    nextPage.setEnabled(preview.page() + 1 < count);
}

void ClassWindow::openInMarlo() {
    const ClassProgram* program = current();
    if (program == nullptr || !program->fields) return;
    // "--": whatever the path looks like, it is the file to open.
    if (startProcess(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--"), program->path}))
        status.setText(tr("Opened in MARLO: %1").arg(program->name));
    else
        status.setText(tr("MARLO could not be started."));
}

void ClassWindow::printSelected() {
    std::vector<int> rows;
    for (const QModelIndex& index : table.selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty() && table.currentIndex().isValid()) rows.push_back(table.currentIndex().row());
    std::ranges::sort(rows);
    print(rows);
}

void ClassWindow::printAll() {
    std::vector<int> rows(static_cast<size_t>(filter_.rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    print(rows);
}

void ClassWindow::print(const std::vector<int>& rows) {
    std::vector<files::ProgramFields> programs;
    for (const int row : rows)
        if (const ClassProgram& program = filter_.program(row); program.fields)
            programs.push_back(*program.fields);
    const auto leftOut = static_cast<qsizetype>(rows.size() - programs.size());
    if (programs.empty()) {
        status.setText(tr("Nothing to print: no program that can be read is chosen."));
        return;
    }
    platform::Printers& printers = platform::seam<platform::Printers>();
    const QString printer = destination.currentData().toString();
    QString where = printer;
    std::unique_ptr<platform::PrintJob> job;
    if (!printer.isEmpty()) {
        job = printers.openPrinter(printer);
    } else {
        const QString name =
            tr("class %1.pdf")
                .arg(platform::seam<platform::Calendar>().today().toString(Qt::ISODate));
        const QString pdf = QStringLiteral(".pdf");
        const std::optional<QString> chosen = platform::seam<platform::FileDialogs>().save(
            {pdfFolder(), name, tr("PDF files (*.pdf)"), pdf});
        if (!chosen) return;
        // As the print button's reports, it never replaces a file: a second "class.pdf" is
        // "class 2.pdf".
        const QFileInfo file(platform::withExtension(*chosen, pdf));
        job = printers.openPdf(file.absolutePath(),
                               [stem = file.fileName().chopped(pdf.size())](int copy) {
                                   return PrinterSupport::pdfFileName(stem, copy);
                               });
    }
    QElapsedTimer clock;
    clock.start();
    const BusyCursor busy;
    const platform::Surface pages = drawReports(programs, job->device());
    const bool printed = job->print(pages);
    if (printer.isEmpty()) where = job->savedAs();
    const int pageTotal = pageCount(pages);
    if (timing_)
        std::fprintf(stderr, "classview: printed %zu programs on %d pages in %lld ms\n",
                     programs.size(), pageTotal, static_cast<long long>(clock.elapsed()));
    QString said = !printed            ? tr("Not printed.")
                   : printer.isEmpty() ? tr("Saved as %1. Programs: %2, pages: %3.")
                                             .arg(QDir::toNativeSeparators(where))
                                             .arg(programs.size())
                                             .arg(pageTotal)
                                       : tr("Sent to %1. Programs: %2, pages: %3.")
                                             .arg(where)
                                             .arg(programs.size())
                                             .arg(pageTotal);
    if (printed && leftOut > 0)
        said += QLatin1Char(' ') + tr("Left out, as they are not programs: %1.").arg(leftOut);
    status.setText(said);
}

}  // namespace classview
