#pragma once

#include <QList>
#include <functional>

class QPushButton;
class QWidget;

// What the files of access/ share among themselves.
namespace a11y {

// aids.cpp: one step of the program, as the step key and the step button do.
void step();
// The keypad's buttons in reading order, the step button among them when there is one.
QList<QPushButton*> keypadButtons();

// screen_reader.cpp: the floor and the listing as screen readers see them.
void attachScreenReader();
void listingShown(int highlight);
QWidget* floorObject();

// high_contrast.cpp
void useHighContrast();

// scanning.cpp: the switches' keys while scanning, else nothing.
void startScanning();
std::function<void()> switchKey(int key);

}  // namespace a11y
