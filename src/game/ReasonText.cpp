// The engine's reasons in the user's language.
#include "ReasonText.h"

#include <QCoreApplication>

QString Translated(const Reason& reason)
{
    if (!reason.Translatable)
        return QString::fromStdString(reason.Text);
    const QString text = QCoreApplication::translate("Reasons", reason.Text.c_str());
    // Filled by hand rather than with QString::arg: a file name or a word from a file may hold
    // "%1" itself, and arg would fill that too.
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == u'%' && next >= u'1' && next <= u'9') {
            const std::size_t n = std::size_t(next.unicode() - u'1');
            if (n < reason.Args.size())
                out += Translated(reason.Args[n]);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString Translated(const Error& error)
{
    return error.Why ? Translated(*error.Why) : QString::fromStdString(error.Message);
}
