#pragma once

#include <QString>

#include <cstdlib>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

// The numbered run-time errors. The numbers follow the classic run-time
// error numbering, because the error reporter picks its message by number
// alone; None is a failure told in words only.
enum class ErrorNumber : int {
    None = 0,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    InputPastEnd = 62,
    FileAccess = 75,
    InvalidPicture = 481,
    DatabaseLoad = 31037,
    // Our own: a bank that cannot give two different questions in a row.
    TooFewQuestions = 31100,
};

// The one failure type: a number (None when it has none) and a description
// for the user. Returned inside a Result; thrown only where a failure deep
// in a load is caught by whoever started it.
class Error {
  public:
    explicit Error(QString description) : m_description(std::move(description)) {}
    explicit Error(ErrorNumber number) : m_number(number), m_description(describe(number)) {}
    Error(ErrorNumber number, QString description)
        : m_number(number), m_description(std::move(description))
    {
    }

    [[nodiscard]] ErrorNumber number() const noexcept { return m_number; }
    [[nodiscard]] int code() const noexcept { return static_cast<int>(m_number); }
    [[nodiscard]] const QString &description() const noexcept { return m_description; }

    // The standard description of a number ("Type mismatch").
    [[nodiscard]] static QString describe(ErrorNumber number);

    bool operator==(const Error &) const = default;

  private:
    ErrorNumber m_number = ErrorNumber::None;
    QString m_description;
};

// A failure on its way into a Result.
struct Failure {
    Error error;
};
inline Failure failure(Error error)
{
    return Failure{std::move(error)};
}
inline Failure failure(QString description)
{
    return Failure{Error(std::move(description))};
}
inline Failure failure(ErrorNumber number)
{
    return Failure{Error(number)};
}
inline Failure failure(ErrorNumber number, QString description)
{
    return Failure{Error(number, std::move(description))};
}

// What an operation that can fail gives back: its value, or why there is
// none; Result<> for an operation with nothing to give but success. Shaped
// as std::expected (has_value, value, error), which the clang of the fuzz
// build cannot compile yet.
template <typename T = void> class [[nodiscard]] Result {
  public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure f) : m_state(std::in_place_index<1>, std::move(f.error)) {}

    bool has_value() const noexcept { return m_state.index() == 0; }
    explicit operator bool() const noexcept { return has_value(); }

    T &value() & { return *std::get_if<0>(&checked()); }
    const T &value() const & { return *std::get_if<0>(&checked()); }
    T &&value() && { return std::move(*std::get_if<0>(&checked())); }
    T &operator*() & { return value(); }
    const T &operator*() const & { return value(); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }
    template <typename U> T value_or(U &&fallback) const &
    {
        return has_value() ? value() : static_cast<T>(std::forward<U>(fallback));
    }

    const Error &error() const
    {
        if (has_value())
            std::abort();
        return *std::get_if<1>(&m_state);
    }

  private:
    std::variant<T, Error> &checked()
    {
        if (!has_value())
            std::abort();
        return m_state;
    }
    const std::variant<T, Error> &checked() const
    {
        if (!has_value())
            std::abort();
        return m_state;
    }

    std::variant<T, Error> m_state;
};

template <> class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Failure f) : m_error(std::move(f.error)) {}

    bool has_value() const noexcept { return !m_error; }
    explicit operator bool() const noexcept { return has_value(); }
    void value() const
    {
        if (m_error)
            std::abort();
    }
    const Error &error() const
    {
        if (!m_error)
            std::abort();
        return *m_error;
    }

  private:
    std::optional<Error> m_error;
};
