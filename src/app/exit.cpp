#include <QGuiApplication>

#include "app/stop_rule.h"
#include "app/variables.h"
#include "layout/windows.h"
#include "platform/screen.h"
#include "platform/services.h"

void QueryExitWindow::Form_Load() {
    // The three controls stack at full width from the bottom up, and the window is exactly
    // as high as they are together.
    twips.setHeight(cancel.twips.height() + message.twips.height() + anyway.twips.height());
    anyway.twips.setTop(twips.height() - anyway.twips.height());
    anyway.twips.setLeft(0);
    anyway.twips.setWidth(twips.width());
    cancel.twips.setLeft(0);
    cancel.twips.setWidth(twips.width());
    cancel.twips.setTop(anyway.twips.top() - cancel.twips.height());
    message.twips.setLeft(0);
    message.twips.setWidth(twips.width());
    message.twips.setTop(cancel.twips.top() - message.twips.height());

    // Centred on the screen at the size it has now.
    const platform::ScreenMetrics screen = platform::screen();
    twips.setLeft((screen.width - twips.width()) / 2);
    twips.setTop((screen.height - twips.height()) / 2);
}

namespace {

void askBeforeLeaving() {
    QueryExitWindow& question = QueryExit();
    question.show();
    question.raise();
}

// Closing any of the three windows from the desktop would otherwise lose an unsaved program
// without a word, or lose the window for good; a session that is ending is not held up.
bool leaveOrAsk() {
    if (variables::saved == variables::yes || qGuiApp->isSavingSession()) {
        platform::seam<platform::ProcessEnd>().endNow();
        return true;
    }
    askBeforeLeaving();
    return false;
}

}  // namespace

void QueryExitWindow::cancel_Click() {
    hide();
}

void QueryExitWindow::anyway_Click() {
    platform::seam<platform::ProcessEnd>().endNow();
}

void ProgramWindow::ExitButton_Click() {
    if (stopsRun()) return;
    if (variables::saved == variables::yes) {
        platform::seam<platform::ProcessEnd>().endNow();
        return;
    }
    askBeforeLeaving();
}

bool ProgramWindow::Form_QueryUnload() {
    return leaveOrAsk();
}

bool GraphicsWindow::Form_QueryUnload() {
    return leaveOrAsk();
}

bool ButtonsWindow::Form_QueryUnload() {
    return leaveOrAsk();
}
