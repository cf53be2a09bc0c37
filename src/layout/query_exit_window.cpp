#include "layout/query_exit_window.h"

#include <QCoreApplication>

#include "layout/design.h"

namespace {
// The question in a language with longer words; still large for its few words.
constexpr double smallestQuestionPoints = 12;
}  // namespace

QueryExitWindow::QueryExitWindow()
    : platform::Window(design::queryGreen),
      anyway(&client(), design::red, design::sans24Bold),
      cancel(&client(), design::blue, design::sans24Bold),
      message(&client(),
              QCoreApplication::translate("ExitQuestion", "You haven't saved your program!"),
              design::queryGreen, design::sans24Bold, smallestQuestionPoints) {
    design::setClientArea(*this, 4680, 3825);

    anyway.twips.set(0, 0, 3015, 855);
    anyway.setText(QCoreApplication::translate("ExitQuestion", "exit anyway"));
    cancel.twips.set(0, 840, 3015, 855);
    cancel.setText(QCoreApplication::translate("ExitQuestion", "cancel"));
    message.twips.set(240, 2040, 4335, 1215);
    message.setWordWrap(true);

    platform::setTabOrder({&anyway, &cancel});

    connect(&anyway, &QPushButton::clicked, this, [this] { anyway_Click(); });
    connect(&cancel, &QPushButton::clicked, this, [this] { cancel_Click(); });
}
