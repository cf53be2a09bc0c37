#pragma once

#include <QString>

#include "platform/surface.h"

// The printed report, and the word for each command letter that it shares with the listing.
namespace PrinterSupport {

// The word for one command letter, shown, printed and spoken alike; empty for a letter that is
// not a command.
QString commandword(const QString& letter);

// Prints the word for one command letter at the surface's current position, staying on the
// line; prints nothing for a letter that is not a command.
void printword(platform::Surface& surface, const QString& letter);

}  // namespace PrinterSupport
