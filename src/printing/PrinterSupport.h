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

// The page the report is drawn on. It keeps the last report.
platform::Surface& printer();

// The report, drawn in this order by the print button.
void printfloor();
void printboundary();
void printheader();
void printlisting();
// All four in order on the page as it stands, for the print button and the class view alike.
void printreport();

// Small type at the top of each page after the first, so loose sheets can be matched: the
// program, the writer and "page 2 of 7".
void printrunningheader(int pages);

// Puts the current position where the crash and outcome words stand, under the middle of the
// floor.
void belowTheFloor();

// The replay's boundary check and crash mark, and the target with the outcome.
void printcheckcrash();
void printcrash();
void printtarget();

// Paper coordinates in twips: the side of a floor cell, and a cell's column and row.
double printcell();
double printx(double column);
double printy(double row);

// The file a report is saved as when there is no printer: named after the program, but
// never a path, never a program file; "my program 2.pdf" for the second copy, and so on.
QString pdfFileName(const QString& name, int copy = 1);

}  // namespace PrinterSupport
