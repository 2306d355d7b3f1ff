#pragma once
// A value or an error that says what failed and where. Readers and writers of every
// layer return these instead of throwing across layer boundaries.
//
// "Missing" is said one way only: an error whose kind is NotFound. A caller that treats a
// missing file as normal (no tab list, no calendar) tests notFound(); every other error is
// a failure to report.

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>
#include <variant>

namespace tarvenik {

enum class ErrorKind {
    Failed,   // the file or data is there but could not be read, parsed or written
    NotFound, // the file (or the thing asked for) does not exist
};

struct Error {
    std::string where;  // file path, optionally with a line or offset
    std::string reason; // what went wrong, in the system's or the parser's words
    ErrorKind kind = ErrorKind::Failed;

    bool notFound() const { return kind == ErrorKind::NotFound; }
    std::string text() const { return where.empty() ? reason : where + ": " + reason; }
};

// The system's reason for an errno value: in Czech for the failures a user meets most, in
// the system's own words for the rest.
inline std::string systemErrorText(int err) {
    switch (err) {
    case ENOENT:
        return "soubor nebo složka neexistuje";
    case EISDIR:
        return "je to složka, ne soubor";
    case EACCES:
    case EPERM:
        return "chybí oprávnění";
    case ENOSPC:
        return "na disku není volné místo";
    case EFBIG: // a file size limit of the process or of the file system
        return "soubor je příliš velký";
    case EDQUOT:
        return "byla překročena kvóta disku";
    case EROFS:
        return "systém souborů je jen pro čtení";
    default:
        return std::generic_category().message(err);
    }
}

// A failure the system reported with an errno value.
inline Error systemError(std::string where, int err) {
    return Error{std::move(where), systemErrorText(err)};
}

// The error of a file that does not exist.
inline Error notFoundError(std::string where) {
    return Error{std::move(where), systemErrorText(ENOENT), ErrorKind::NotFound};
}

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_v(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : m_v(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<0>(m_v); }
    T& value() & { return std::get<0>(m_v); }
    T&& value() && { return std::get<0>(std::move(m_v)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }
    const Error& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, Error> m_v;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_ok(false), m_error(std::move(error)) {}

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const Error& error() const { return m_error; }

private:
    bool m_ok = true;
    Error m_error;
};

} // namespace tarvenik
