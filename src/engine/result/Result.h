// The one error type of the program: what every read or write of outside data (files, resources,
// packed streams, the settings) gives back. Qt-free and header only; every library links it.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// What went wrong, for callers that act differently on it (a file that is not a saved game is
// refused without a word, a damaged one with a message); the message says the rest.
enum class ErrorKind {
    NotFound, // nothing of that name: no file at the path, no resource compiled in
    NotAFile, // a folder, a FIFO or a device where a regular file belongs
    TooLarge, // more than the budget or the limit allows
    Io, // the system could not open, read, create or write it
    ReadOnly, // the file is write-protected: replaced only when the user says so
    NotOurs, // not this kind of data at all (no signature)
    Damaged, // this kind of data, but holding what no valid one holds
    WrongForm, // stored in another form than the one asked for (raw bytes asked to be unpacked)
    SizeMismatch, // sizes that do not fit together (a declared size and its buffer)
    Unsupported, // well formed, but a variant the program does not handle
};

// Marks a reason's text for the translations (context "Reasons") in code that has no Qt; the
// window translates it where it shows it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

// A message as the translations know it: a text with %1 ... %9, written in English and marked
// QT_TRANSLATE_NOOP("Reasons", ...), and what fills its places, each either plain text (a file
// name, a number, a word from the file: not translated) or a reason of its own.
struct Reason {
    std::string Text;
    std::vector<Reason> Args;
    bool Translatable = true;

    // The message in English, as written.
    std::string English() const
    {
        if (!Translatable)
            return Text;
        std::string out;
        for (std::size_t i = 0; i < Text.size(); ++i) {
            const char next = i + 1 < Text.size() ? Text[i + 1] : 0;
            if (Text[i] == '%' && next >= '1' && next <= '9') {
                const std::size_t n = std::size_t(next - '1');
                if (n < Args.size())
                    out += Args[n].English();
                ++i;
            } else {
                out += Text[i];
            }
        }
        return out;
    }
    bool operator==(const Reason&) const = default;
};

// What fills a place of a reason as it is.
inline Reason Plain(std::string text) { return Reason { std::move(text), {}, false }; }
// A reason with its places filled: Say(QT_TRANSLATE_NOOP("Reasons", "move %1 is ..."), { ... }).
inline Reason Say(const char* text, std::vector<Reason> args = {})
{
    return Reason { text, std::move(args), true };
}
inline Reason Number(long long n) { return Plain(std::to_string(n)); }

struct Error {
    ErrorKind Kind;
    std::string Message; // for the user, in plain words (English)
    // The same message as the translations know it, when it is one of theirs.
    std::optional<Reason> Why {};

    Error(ErrorKind kind, std::string message)
        : Kind(kind)
        , Message(std::move(message))
    {
    }
    Error(ErrorKind kind, Reason why)
        : Kind(kind)
        , Message(why.English())
        , Why(std::move(why))
    {
    }
    // The reason as the translations can give it: Why, or the message as plain text.
    Reason Said() const { return Why ? *Why : Plain(Message); }
    // Two errors are the same error when they say the same; how they are translated is not part
    // of it.
    bool operator==(const Error& other) const
    {
        return Kind == other.Kind && Message == other.Message;
    }
};

// Asking a failed result for its value (or a successful one for its error) is a bug in the
// caller, never something outside data can cause; it throws rather than read what is not there.
class BadResultAccess : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// A value, or the Error that kept it from being made. [[nodiscard]], so no failure goes unseen.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : State(std::in_place_index<0>, std::move(value))
    {
    }
    Result(Error error)
        : State(std::in_place_index<1>, std::move(error))
    {
    }

    bool Ok() const { return State.index() == 0; }
    explicit operator bool() const { return Ok(); }

    T& Value() &
    {
        CheckValue();
        return *std::get_if<0>(&State);
    }
    const T& Value() const&
    {
        CheckValue();
        return *std::get_if<0>(&State);
    }
    T&& Value() &&
    {
        CheckValue();
        return std::move(*std::get_if<0>(&State));
    }

    const Error& Failure() const
    {
        if (Ok())
            throw BadResultAccess("the error of a successful result was asked for");
        return *std::get_if<1>(&State);
    }

private:
    void CheckValue() const
    {
        if (!Ok())
            throw BadResultAccess(
                "the value of a failed result was asked for: " + std::get_if<1>(&State)->Message);
    }

    std::variant<T, Error> State;
};

// Success without a value, or an Error: for writes and for reads that fill what they are given.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error)
        : Fault(std::move(error))
    {
    }

    bool Ok() const { return !Fault; }
    explicit operator bool() const { return Ok(); }

    const Error& Failure() const
    {
        if (Ok())
            throw BadResultAccess("the error of a successful result was asked for");
        return *Fault;
    }

private:
    std::optional<Error> Fault;
};

using Status = Result<void>;
