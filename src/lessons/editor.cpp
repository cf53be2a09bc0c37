#include "lessons/editor.h"

#include <signal.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <cerrno>

#include "layout/design.h"
#include "lessons/editor_grid.h"
#include "platform/file_names.h"

namespace lessons {

namespace {

class QtOutside final : public EditorOutside {
  public:
    QString openPath(QWidget* parent, const QString& folder) override {
        return QFileDialog::getOpenFileName(parent, LessonEditor::tr("Open a lesson"), folder,
                                            lessonFilter());
    }

    QString savePath(QWidget* parent, const QString& suggested) override {
        QFileDialog dialog(parent, LessonEditor::tr("Save the lesson"), QFileInfo(suggested).path(),
                           lessonFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Qt's own question and default suffix would judge the name as typed: "Mr. Smith"
        // has a suffix to them, yet "Mr. Smith.marlo-lesson" is what is written.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(QFileInfo(suggested).fileName());
        for (;;) {
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
            const QString typed = dialog.selectedFiles().constFirst();
            if (typed.isEmpty()) return {};
            const QString path = platform::withExtension(typed, fileSuffix);
            if (!QFileInfo::exists(path) ||
                askYesNo(parent, LessonEditor::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName())))
                return path;
            dialog.selectFile(QFileInfo(typed).fileName());
        }
    }

    QString picturePath(QWidget* parent, const QString& folder) override {
        return QFileDialog::getOpenFileName(
            parent, LessonEditor::tr("Choose a mat picture"), folder,
            LessonEditor::tr("PNG, JPEG or SVG pictures (*.png *.jpg *.jpeg *.svg)"));
    }

    Unsaved askUnsaved(QWidget* parent, const QString& problem) override {
        QMessageBox box(QMessageBox::Question, LessonEditor::tr("MARLO lesson editor"),
                        problem.isEmpty()
                            ? LessonEditor::tr("Do you want to save the changes to this lesson?")
                            : LessonEditor::tr("The changes to this lesson cannot be saved yet: "
                                               "%1\nDo you want to leave them?")
                                  .arg(problem),
                        QMessageBox::Discard | QMessageBox::Cancel, parent);
        if (problem.isEmpty()) box.addButton(QMessageBox::Save);
        box.setDefaultButton(problem.isEmpty() ? QMessageBox::Save : QMessageBox::Cancel);
        switch (box.exec()) {
            case QMessageBox::Save:
                return Unsaved::Save;
            case QMessageBox::Discard:
                return Unsaved::Discard;
            default:
                return Unsaved::Cancel;
        }
    }

    bool askYesNo(QWidget* parent, const QString& question) override {
        return QMessageBox::question(parent, LessonEditor::tr("MARLO lesson editor"), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }

    void tell(QWidget* parent, const QString& message) override {
        QMessageBox::warning(parent, LessonEditor::tr("MARLO lesson editor"), message);
    }

    qint64 startMarlo(const QString& lessonPath) override {
        qint64 id = 0;
        if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), {lessonPath}, {},
                                     &id))
            return 0;
        return id;
    }

    bool isRunning(qint64 processId) override {
        return ::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
    }

  private:
    static QString lessonFilter() {
        return LessonEditor::tr("MARLO lessons (*%1)").arg(fileSuffix);
    }
};

// Up the screen when `heading` is 1, turned a quarter turn clockwise for each more.
QIcon arrowIcon(int heading) {
    QPixmap pixmap(QSize(32, 32) * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(16, 16);
    painter.rotate(90.0 * (heading - 1));
    QPainterPath arrow;
    arrow.moveTo(0, -13);
    arrow.lineTo(11, 0);
    arrow.lineTo(4, 0);
    arrow.lineTo(4, 13);
    arrow.lineTo(-4, 13);
    arrow.lineTo(-4, 0);
    arrow.lineTo(-11, 0);
    arrow.closeSubpath();
    painter.fillPath(arrow, QColor(30, 30, 30));
    return QIcon(pixmap);
}

// A tool's icon: the square as the grid draws it.
QIcon toolIcon(Tool tool) {
    QPixmap pixmap(QSize(40, 40) * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const QRectF cell(0, 0, 40, 40);
    if (tool == Tool::Obstacle) paintObstacle(painter, cell);
    if (tool == Tool::Target) paintTarget(painter, cell, 1);
    if (tool == Tool::Start) paintStart(painter, cell, 1);
    return QIcon(pixmap);
}

QString toolHint(Tool tool) {
    switch (tool) {
        case Tool::Start:
            return LessonEditor::tr(
                "Click a square to put the robot's start there. Click the start again to turn "
                "the robot.");
        case Tool::Obstacle:
            return LessonEditor::tr(
                "Click a square to put an obstacle there, or to take one away.");
        case Tool::Target:
            return LessonEditor::tr(
                "Click squares in the order the pupils must visit them. Click a target to take "
                "it away.");
    }
    return {};
}

QString matName(const QString& type) {
    if (type == pngType) return QStringLiteral("PNG");
    if (type == jpegType) return QStringLiteral("JPEG");
    return QStringLiteral("SVG");
}

}  // namespace

EditorOutside& qtOutside() {
    static QtOutside outside;
    return outside;
}

LessonEditor::LessonEditor(EditorOutside& outside, QWidget* parent)
    : QWidget(parent), outside_(outside), folder_(QDir::homePath()) {
    setWindowIcon(design::applicationIcon());
    grid_ = new LessonGrid(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setAccessibleName(tr("The lesson's grid"));
    grid_->setLesson(&lesson_, &mat_);
    connect(grid_, &LessonGrid::squareClicked, this, &LessonEditor::clicked);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(makeControls());
    setControls();
    refresh();
}

LessonEditor::~LessonEditor() {
    // A MARLO started by Try may read its lesson again while it runs: its folder is left to the
    // system's cleaning of temporary files rather than taken from under it.
    if (tries_ == nullptr) return;
    for (const qint64 id : std::as_const(started_))
        if (outside_.isRunning(id)) tries_->setAutoRemove(false);
}

QWidget* LessonEditor::makeControls() {
    auto* controls = new QWidget(this);
    controls->setFixedWidth(340);
    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(0, 0, 0, 0);

    const auto lineEdit = [&](const QString& name, const QString& label, qsizetype limit,
                              QString Lesson::*field) {
        auto* edit = new QLineEdit(controls);
        edit->setObjectName(name);
        edit->setMaxLength(static_cast<int>(limit));
        auto* caption = new QLabel(label, controls);
        caption->setBuddy(edit);
        edit->setAccessibleName(caption->text().remove(QLatin1Char('&')));
        column->addWidget(caption);
        column->addWidget(edit);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            lesson_.*field = text;
            changed();
        });
        return edit;
    };
    title_ =
        lineEdit(QStringLiteral("title"), tr("&Title (up to %1 characters)").arg(maxTitleLength),
                 maxTitleLength, &Lesson::title);
    instruction_ =
        lineEdit(QStringLiteral("instruction"),
                 tr("&Instruction for the pupils (up to %1 characters)").arg(maxInstructionLength),
                 maxInstructionLength, &Lesson::instruction);

    auto* size = new QHBoxLayout;
    const auto spinBox = [&](const QString& name, const QString& label) {
        auto* spin = new QSpinBox(controls);
        spin->setObjectName(name);
        spin->setRange(minCells, maxCells);
        // Typing 12 over 10 must not pass through a 1-square grid, which would drop squares.
        spin->setKeyboardTracking(false);
        auto* caption = new QLabel(label, controls);
        caption->setBuddy(spin);
        spin->setAccessibleName(caption->text().remove(QLatin1Char('&')));
        size->addWidget(caption);
        size->addWidget(spin);
        connect(spin, &QSpinBox::valueChanged, this, &LessonEditor::resized);
        return spin;
    };
    columns_ = spinBox(QStringLiteral("columns"), tr("&Columns"));
    size->addSpacing(12);
    rows_ = spinBox(QStringLiteral("rows"), tr("&Rows"));
    size->addStretch();
    column->addSpacing(6);
    column->addLayout(size);

    auto* mat = new QHBoxLayout;
    auto* chooseMat = new QPushButton(tr("Choose &mat picture…"), controls);
    chooseMat->setObjectName(QStringLiteral("chooseMat"));
    chooseMat->setToolTip(tr("A PNG, JPEG or SVG picture, stretched over the whole grid"));
    connect(chooseMat, &QPushButton::clicked, this, &LessonEditor::chooseMat);
    noMat_ = new QPushButton(tr("No mat"), controls);
    noMat_->setObjectName(QStringLiteral("noMat"));
    noMat_->setToolTip(tr("Takes the mat picture away"));
    connect(noMat_, &QPushButton::clicked, this, [this] {
        lesson_.mat.clear();
        lesson_.matType.clear();
        mat_ = Mat();
        changed();
    });
    mat->addWidget(chooseMat, 1);
    mat->addWidget(noMat_);
    column->addLayout(mat);
    matLabel_ = new QLabel(controls);
    matLabel_->setWordWrap(true);
    column->addWidget(matLabel_);

    auto* clicks = new QGroupBox(tr("What a click on a square puts there"), controls);
    auto* clickColumn = new QVBoxLayout(clicks);
    auto* toolRow = new QHBoxLayout;
    tools_ = new QButtonGroup(this);
    const std::pair<Tool, QString> tools[] = {{Tool::Start, tr("&Start")},
                                              {Tool::Obstacle, tr("&Obstacle")},
                                              {Tool::Target, tr("T&arget")}};
    for (const auto& [tool, text] : tools) {
        auto* button = new QToolButton(clicks);
        button->setObjectName(QStringLiteral("tool%1").arg(static_cast<int>(tool)));
        button->setText(text);
        button->setIcon(toolIcon(tool));
        button->setIconSize(QSize(40, 40));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        tools_->addButton(button, static_cast<int>(tool));
        toolRow->addWidget(button);
    }
    tools_->button(static_cast<int>(Tool::Start))->setChecked(true);
    connect(tools_, &QButtonGroup::idClicked, this, &LessonEditor::refresh);
    clickColumn->addLayout(toolRow);
    toolHint_ = new QLabel(clicks);
    toolHint_->setWordWrap(true);
    clickColumn->addWidget(toolHint_);

    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(new QLabel(tr("The robot starts facing"), clicks));
    headings_ = new QButtonGroup(this);
    const QString headingNames[] = {tr("Facing up (north)"), tr("Facing right (east)"),
                                    tr("Facing down (south)"), tr("Facing left (west)")};
    for (int heading = 1; heading <= 4; ++heading) {
        auto* button = new QToolButton(clicks);
        button->setObjectName(QStringLiteral("heading%1").arg(heading));
        button->setIcon(arrowIcon(heading));
        button->setIconSize(QSize(24, 24));
        button->setCheckable(true);
        button->setToolTip(headingNames[heading - 1]);
        button->setAccessibleName(headingNames[heading - 1]);
        headings_->addButton(button, heading);
        headingRow->addWidget(button);
    }
    headingRow->addStretch();
    connect(headings_, &QButtonGroup::idClicked, this, [this](int heading) {
        lesson_.heading = static_cast<std::int16_t>(heading);
        changed();
    });
    clickColumn->addLayout(headingRow);
    clear_ = new QPushButton(tr("Clear the grid"), clicks);
    clear_->setObjectName(QStringLiteral("clear"));
    clear_->setToolTip(tr("Takes away the start, every obstacle and every target"));
    connect(clear_, &QPushButton::clicked, this, [this] {
        if (!outside_.askYesNo(this, tr("Take away the start, every obstacle and every target?")))
            return;
        clearSquares(lesson_);
        changed();
    });
    clickColumn->addWidget(clear_);
    column->addSpacing(6);
    column->addWidget(clicks);
    column->addStretch(1);

    problem_ = new QLabel(controls);
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    column->addWidget(problem_);
    notice_ = new QLabel(controls);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setWordWrap(true);
    column->addWidget(notice_);

    auto* files = new QGridLayout;
    const auto button = [&](const QString& name, const QString& text, auto slot, int row, int place,
                            int span = 1) {
        auto* pushButton = new QPushButton(text, controls);
        pushButton->setObjectName(name);
        connect(pushButton, &QPushButton::clicked, this, slot);
        files->addWidget(pushButton, row, place, 1, span);
        return pushButton;
    };
    button(QStringLiteral("new"), tr("&New"), &LessonEditor::newLesson, 0, 0)
        ->setShortcut(QKeySequence::New);
    button(QStringLiteral("open"), tr("&Open…"), &LessonEditor::open, 0, 1)
        ->setShortcut(QKeySequence::Open);
    save_ = button(QStringLiteral("save"), tr("Sa&ve"), &LessonEditor::save, 1, 0);
    save_->setShortcut(QKeySequence::Save);
    saveAs_ = button(QStringLiteral("saveAs"), tr("Save &as…"), &LessonEditor::saveAs, 1, 1);
    try_ = button(QStringLiteral("try"), tr("Try the lesson in MARLO"), &LessonEditor::tryLesson, 2,
                  0, 2);
    try_->setMinimumHeight(40);
    column->addLayout(files);
    return controls;
}

void LessonEditor::start(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo::exists(absolute)) {
        load(absolute);
        return;
    }
    path_ = platform::withExtension(absolute, fileSuffix);
    folder_ = QFileInfo(path_).path();
    setNotice(tr("A new lesson: it will be saved as %1.").arg(QFileInfo(path_).fileName()));
    refresh();
}

void LessonEditor::clicked(Square square) {
    place(lesson_, square, static_cast<Tool>(tools_->checkedId()));
    changed();
}

void LessonEditor::resized() {
    const Dropped dropped = resizeGrid(lesson_, columns_->value(), rows_->value());
    changed();
    setNotice(describe(dropped));
}

void LessonEditor::chooseMat() {
    const QString path = outside_.picturePath(this, folder_);
    if (path.isEmpty()) return;
    const ChosenMat chosen = readMatFile(path);
    if (!chosen.error.isEmpty()) {
        outside_.tell(this, tr("This picture cannot be a mat. %1").arg(chosen.error));
        return;
    }
    lesson_.mat = chosen.bytes;
    lesson_.matType = chosen.type;
    mat_ = Mat(lesson_);
    changed();
}

void LessonEditor::newLesson() {
    if (!mayLeave()) return;
    lesson_ = saved_ = blankLesson();
    mat_ = Mat();
    path_.clear();
    setControls();
    changed();
}

void LessonEditor::open() {
    if (!mayLeave()) return;
    const QString path = outside_.openPath(this, folder_);
    if (!path.isEmpty()) load(path);
}

bool LessonEditor::load(const QString& path) {
    const ReadLesson read = readLessonFile(path);
    if (!read.lesson) {
        outside_.tell(this,
                      tr("MARLO cannot open %1. %2").arg(QFileInfo(path).fileName(), read.error));
        return false;
    }
    lesson_ = saved_ = *read.lesson;
    mat_ = Mat(lesson_);
    path_ = path;
    folder_ = QFileInfo(path).path();
    setControls();
    changed();
    return true;
}

bool LessonEditor::save() {
    return path_.isEmpty() ? saveAs() : saveTo(path_);
}

bool LessonEditor::saveAs() {
    if (!problem(lesson_).isEmpty()) return false;
    const QString suggested =
        path_.isEmpty() ? QDir(folder_).filePath(platform::plainName(lesson_.title) + fileSuffix)
                        : path_;
    const QString path = outside_.savePath(this, suggested);
    return !path.isEmpty() && saveTo(path);
}

bool LessonEditor::saveTo(const QString& path) {
    if (!problem(lesson_).isEmpty()) return false;
    const bool existed = QFileInfo::exists(path);
    if (const QString why = writeLessonFile(path, writeLesson(lesson_)); !why.isEmpty()) {
        outside_.tell(this, existed ? tr("The lesson was not saved, and %1 is as it was. %2")
                                          .arg(QFileInfo(path).fileName(), why)
                                    : tr("The lesson was not saved. %1").arg(why));
        return false;
    }
    saved_ = lesson_;
    path_ = path;
    folder_ = QFileInfo(path).path();
    refresh();
    setNotice(tr("Saved as %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

void LessonEditor::tryLesson() {
    if (!problem(lesson_).isEmpty()) return;
    if (tries_ == nullptr)
        tries_ = std::make_unique<QTemporaryDir>(
            QDir::temp().filePath(QStringLiteral("marlo-lesson-try-XXXXXX")));
    // A folder for each try, so a MARLO still running keeps the lesson it was started on.
    const QString folder = tries_->filePath(QString::number(++tryCount_));
    const QString name = platform::plainName(lesson_.title).isEmpty()
                             ? QStringLiteral("lesson")
                             : platform::plainName(lesson_.title);
    const QString path = QDir(folder).filePath(name + fileSuffix);
    if (!tries_->isValid() || !QDir().mkpath(folder) ||
        !writeLessonFile(path, writeLesson(lesson_)).isEmpty()) {
        setNotice(
            tr("The lesson cannot be tried: there is no room for it in the temporary "
               "folder."));
        return;
    }
    const qint64 id = outside_.startMarlo(path);
    if (id == 0) {
        setNotice(tr("MARLO could not be started."));
        return;
    }
    started_.append(id);
    setNotice(tr("MARLO is starting with this lesson in its own windows."));
}

bool LessonEditor::mayLeave() {
    if (!isModified()) return true;
    switch (outside_.askUnsaved(this, problem(lesson_))) {
        case EditorOutside::Unsaved::Save:
            return save();
        case EditorOutside::Unsaved::Discard:
            return true;
        case EditorOutside::Unsaved::Cancel:
            break;
    }
    return false;
}

void LessonEditor::closeEvent(QCloseEvent* event) {
    if (mayLeave())
        event->accept();
    else
        event->ignore();
}

void LessonEditor::changed() {
    setNotice({});
    refresh();
}

// The controls that edit the lesson show it, without taking it for an edit.
void LessonEditor::setControls() {
    const QSignalBlocker blockColumns(columns_);
    const QSignalBlocker blockRows(rows_);
    title_->setText(lesson_.title);
    instruction_->setText(lesson_.instruction);
    // A long text shows its start, not its end.
    title_->setCursorPosition(0);
    instruction_->setCursorPosition(0);
    columns_->setValue(lesson_.columns);
    rows_->setValue(lesson_.rows);
}

void LessonEditor::refresh() {
    const QString wrong = problem(lesson_);
    if (wrong.isEmpty()) {
        problem_->setText(tr("Ready: the lesson can be tried and saved."));
        problem_->setStyleSheet(QStringLiteral("color: #1d6b1d; font-weight: bold"));
    } else {
        problem_->setText(tr("Not ready yet: %1").arg(wrong));
        problem_->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold"));
    }
    for (QPushButton* button : {save_, saveAs_, try_}) {
        button->setEnabled(wrong.isEmpty());
        button->setToolTip(wrong);
    }
    if (wrong.isEmpty()) {
        save_->setToolTip(tr("Saves the lesson in its file"));
        saveAs_->setToolTip(tr("Saves the lesson in a file you choose"));
        try_->setToolTip(tr("Starts MARLO on this lesson, as a pupil will see it"));
    }
    headings_->button(lesson_.heading)->setChecked(true);
    clear_->setEnabled(lesson_.start.column >= 0 || !lesson_.obstacles.isEmpty() ||
                       !lesson_.targets.isEmpty());
    noMat_->setEnabled(!lesson_.matType.isEmpty());
    matLabel_->setText(lesson_.matType.isEmpty() ? tr("No mat picture: the grid is plain.")
                                                 : tr("Mat: %1 picture, %2 x %3.")
                                                       .arg(matName(lesson_.matType))
                                                       .arg(mat_.size().width())
                                                       .arg(mat_.size().height()));
    toolHint_->setText(toolHint(static_cast<Tool>(tools_->checkedId())));
    setWindowTitle(tr("%1[*] – MARLO lesson editor")
                       .arg(path_.isEmpty() ? tr("New lesson") : QFileInfo(path_).fileName()));
    setWindowModified(isModified());
    grid_->update();
}

void LessonEditor::setNotice(const QString& text) {
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
}

int runLessonEditor(const QString& file) {
    LessonEditor editor;
    if (!file.isEmpty()) editor.start(file);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    editor.resize(std::min(1100, screen.width() * 9 / 10), std::min(760, screen.height() * 9 / 10));
    editor.show();
    return QApplication::exec();
}

}  // namespace lessons
