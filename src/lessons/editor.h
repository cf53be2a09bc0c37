#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <memory>

#include "lessons/editor_model.h"
#include "lessons/lesson.h"
#include "lessons/mat.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTemporaryDir;

namespace lessons {

class LessonGrid;

// What the editor asks of the world outside its window: the dialogues, and MARLO started on a
// lesson. Tests put a scripted one in its place.
class EditorOutside {
  public:
    virtual ~EditorOutside() = default;
    // A lesson file to open, or empty when the teacher cancels.
    virtual QString openPath(QWidget* parent, const QString& folder) = 0;
    // Where to save: `suggested` at first, the lesson suffix added to a name without it and
    // replacing a file agreed to; empty when the teacher cancels.
    virtual QString savePath(QWidget* parent, const QString& suggested) = 0;
    // A picture file for the mat, or empty.
    virtual QString picturePath(QWidget* parent, const QString& folder) = 0;
    enum class Unsaved { Save, Discard, Cancel };
    // About changes that are not saved; Save is not offered while `problem` is not empty.
    virtual Unsaved askUnsaved(QWidget* parent, const QString& problem) = 0;
    virtual bool askYesNo(QWidget* parent, const QString& question) = 0;
    virtual void tell(QWidget* parent, const QString& message) = 0;
    // MARLO on the lesson file, as a process of its own; its id, or 0 when it did not start.
    virtual qint64 startMarlo(const QString& lessonPath) = 0;
    virtual bool isRunning(qint64 processId) = 0;
};

EditorOutside& qtOutside();

// The teacher's lesson editor: one window, the grid on the left and the controls on the right.
class LessonEditor : public QWidget {
    Q_OBJECT

  public:
    explicit LessonEditor(EditorOutside& outside = qtOutside(), QWidget* parent = nullptr);
    ~LessonEditor() override;

    // From the command line: a file that does not exist yet is where the new lesson is saved.
    void start(const QString& path);

    const Lesson& lesson() const { return lesson_; }
    const QString& path() const { return path_; }
    bool isModified() const { return lesson_ != saved_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* makeControls();
    void clicked(Square square);
    void resized();
    void chooseMat();
    void newLesson();
    void open();
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    void tryLesson();
    bool load(const QString& path);
    // True when the lesson's changes are saved or may be left.
    bool mayLeave();
    // After an edit: the notice goes, the rest follows the lesson.
    void changed();
    void setControls();
    void refresh();
    void setNotice(const QString& text);

    EditorOutside& outside_;
    Lesson lesson_ = blankLesson();
    Lesson saved_ = blankLesson();
    Mat mat_;
    QString path_;
    QString folder_;
    std::unique_ptr<QTemporaryDir> tries_;
    int tryCount_ = 0;
    QList<qint64> started_;

    LessonGrid* grid_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* instruction_ = nullptr;
    QSpinBox* columns_ = nullptr;
    QSpinBox* rows_ = nullptr;
    QPushButton* noMat_ = nullptr;
    QLabel* matLabel_ = nullptr;
    QButtonGroup* tools_ = nullptr;
    QLabel* toolHint_ = nullptr;
    QButtonGroup* headings_ = nullptr;
    QPushButton* clear_ = nullptr;
    QLabel* problem_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    QPushButton* try_ = nullptr;
};

// `marlo --edit-lesson [FILE]`: the editor alone, until its window is closed.
int runLessonEditor(const QString& file);

}  // namespace lessons
