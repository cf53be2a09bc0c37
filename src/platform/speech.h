#pragma once

#include <QLocale>
#include <QString>

#include "platform/services.h"

namespace platform {

// Speaks words aloud for pupils who cannot read yet.
class Speech {
  public:
    virtual ~Speech() = default;
    // Starts saying `text` and returns at once, cutting short whatever is still being said.
    virtual void say(const QString& text) = 0;
};

// The language of the words spoken, British English unless set before spoken mode starts.
void setSpeechLocale(const QLocale& locale);

// Spoken mode is off unless MARLO was started to speak. Turning it on starts the engine, so a
// missing one is reported at start-up rather than at the first press.
void setSpokenMode(bool on);

// Says `text` in spoken mode; nothing otherwise, and nothing for an empty text.
void speak(const QString& text);

}  // namespace platform
