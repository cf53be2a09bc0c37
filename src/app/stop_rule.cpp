#include "app/stop_rule.h"

#include "app/status.h"
#include "app/variables.h"

bool stopsRun() {
    if (variables::running != variables::True) return false;
    variables::running = variables::False;
    showStatus(QStringLiteral("stopped!"));
    return true;
}
