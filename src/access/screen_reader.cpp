#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "access/access.h"
#include "access/parts.h"
#include "app/variables.h"
#include "layout/windows.h"
#include "printing/PrinterSupport.h"

using namespace variables;

namespace a11y {

namespace {

// The floor is drawn on the main window, not a control: an empty widget over it, which
// paints nothing and lets every click through, stands for it.
QPointer<platform::Control<QWidget>> floor;
QPointer<QWidget> listing;
// The command the listing emphasises, from 1; 0 for none.
int listedStep = 0;

QString facing() {
    switch (heading) {
        case 1:
            return Texts::tr("north");
        case 2:
            return Texts::tr("east");
        case 3:
            return Texts::tr("south");
        default:
            return Texts::tr("west");
    }
}

// Counted from 1, as a pupil counts squares.
QString whereThingsAre() {
    QString where = Texts::tr("robot on column %1, row %2, facing %3")
                        .arg(xpos + 1)
                        .arg(ypos + 1)
                        .arg(facing());
    if (!graphics().target.isHidden())
        where += Texts::tr("; target on column %1, row %2").arg(targetx + 1).arg(targety + 1);
    return where;
}

// One command a line, numbered, the one being run marked; and where its line starts.
struct ListingText {
    QString text;
    int markedLine = 0;
};

ListingText listingText() {
    ListingText listed;
    QStringList lines;
    for (int i = 1; i <= prog.size(); ++i) {
        const QString line =
            Texts::tr("%1 %2").arg(i).arg(PrinterSupport::commandword(prog.mid(i - 1, 1)));
        if (i == listedStep) {
            listed.markedLine = static_cast<int>(lines.join(QLatin1Char('\n')).size()) + (i > 1);
            lines.append(Texts::tr("%1, this step").arg(line));
        } else {
            lines.append(line);
        }
    }
    listed.text = lines.join(QLatin1Char('\n'));
    return listed;
}

// The listing is a picture box drawn with words; screen readers get the same words as text.
class ListingAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ListingAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? Texts::tr("program") : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State now = QAccessibleWidget::state();
        now.readOnly = true;
        now.multiLine = true;
        return now;
    }

    QString text(int startOffset, int endOffset) const override {
        return listingText().text.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(listingText().text.size()); }
    // At the start of the line being run, so a reader starts there.
    int cursorPosition() const override { return listingText().markedLine; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (object == nullptr) return nullptr;
    if (object == floor) return new QAccessibleWidget(floor, QAccessible::Canvas);
    if (object == listing) return new ListingAccessible(listing);
    return nullptr;
}

// Told whenever the target comes, goes or moves.
class TargetWatch : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::ShowToParent || type == QEvent::HideToParent || type == QEvent::Move)
            floorChanged();
        return false;
    }
};

}  // namespace

void attachScreenReader() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
    GraphicsWindow& main = graphics();
    listing = &program().ProgramText;
    // Shown before the aids joined, the listing may have a plain interface already.
    QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(listing);
    if (plain != nullptr && dynamic_cast<ListingAccessible*>(plain) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
    floor = new platform::Control<QWidget>(&main.client());
    floor->setAttribute(Qt::WA_TransparentForMouseEvents);
    floor->lower();
    floor->show();
    main.target.installEventFilter(new TargetWatch(&main.target));
    floorChanged();
}

QWidget* floorObject() {
    return floor;
}

void floorChanged() {
    if (floor == nullptr) return;
    floor->twips.set(leftedge, topedge, rightedge - leftedge, bottomedge - topedge);
    const QString where = whereThingsAre();
    floor->setAccessibleName(where);
    floor->setAccessibleDescription(where);
}

void statusShown() {
    // Every message, each verdict among them, tells again where the robot is.
    if (floor == nullptr || !QAccessible::isActive()) return;
    QAccessibleEvent told(floor.data(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&told);
}

void listingShown(int highlight) {
    listedStep = highlight <= prog.size() ? highlight : 0;
    if (listing == nullptr || !QAccessible::isActive()) return;
    QAccessibleTextUpdateEvent changed(listing.data(), 0, QString(), listingText().text);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace a11y
