#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text kept in a constant for the translators' tools; it stands for
// the English text itself (Qt's own definition, word for word).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace lettrava {

// The texts that the engine makes for the player to read (status lines,
// verdicts, message boxes, the results' and the statistics' texts, the tips)
// pass through this seam, so that the window program can show them in the
// player's language. With no translator installed, as in lettrava-tool and
// the engine's tests, every text is the English one.
//
// What travels to another computer or goes into a file does not come here:
// it stays English whatever the language.
class TextTranslator {
public:
    virtual ~TextTranslator() = default;
    // `source` (English, ASCII) in the player's language as the program's
    // Latin-1 bytes; empty when there is no translation.
    virtual std::string translate(const char* context, const char* source) const = 0;
};

// Installs `t` (not owned; it must outlive its use), or none with nullptr.
// Meant for the start of the program, before other threads run.
void installTextTranslator(const TextTranslator* t);

// The text to show for `source`; `context` groups the texts for a
// translator (the part of the game they belong to).
std::string translate(const char* context, const char* source);

// `text` with each %1 ... %9 replaced by the argument of that number, so that
// a translation may put them in another order. A % before anything else
// stays as it is.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace lettrava
