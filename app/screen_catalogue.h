#pragma once

#include "platform/form.h"

#include <QString>

#include <span>

namespace bq {

enum class ScreenRole { Start, Question, Right, Wrong, Other };

// One screen of the game: its name, window caption and window kind.
struct ScreenEntry {
    const char *name;
    const char *caption;
    ScreenRole role;
    int question; // the question a question screen or verdict dialog belongs to, else 0
    WindowKind window;
};

std::span<const ScreenEntry> screenCatalogue();
const ScreenEntry *findScreen(const QString &name);

// Builds a fresh screen from its definition; the forms runtime calls it on first reference.
Form *createScreen(const QString &name);

} // namespace bq
