// The engine's reasons in the user's language. The engine has no Qt: it says why a file or a
// text was refused in English and keeps the same message as a Reason (a marked text and what
// fills its places); the window looks each text up in the translations' "Reasons" context.
#pragma once

#include <QString>

#include "Result.h"

// The reason in the current translation; places filled with plain text stay as they are.
QString Translated(const Reason& reason);
// The error's message in the current translation (its English message when it has no Reason).
QString Translated(const Error& error);
