#pragma once

#include <QString>
#include <string>

#include "core/model/phrase.h"

// The core's texts in the user's language, through the translations the
// program installed (gui/app/translations.h); without one, the English text.

// A phrase, its arguments put in the user's language too.
QString Translated(const Phrase& phrase);
// A text the core marked with TOCK_TR_NOOP in that context.
QString TranslatedCore(const char* context, const std::string& text);
