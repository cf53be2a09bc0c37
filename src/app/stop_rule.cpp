#include "app/stop_rule.h"

#include "app/status.h"
#include "app/variables.h"

bool stopsRun() {
    if (variables::running != variables::yes) return false;
    variables::running = variables::no;
    showStatus(QStringLiteral("stopped!"));
    return true;
}
