// Exceptions of the class library: every error the platform raises is an
// Exception with a message that can be shown to the user as it stands.
#ifndef TRAILBOOK_PLATFORM_EXCEPTIONS_H
#define TRAILBOOK_PLATFORM_EXCEPTIONS_H

#include <exception>
#include <string>

using AnsiString = std::string;

class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : message_(std::move(message)) {}
    const AnsiString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    AnsiString message_;
};

// A text that does not convert to a number or a date.
class EConvertError : public Exception { using Exception::Exception; };
// An operation that is not allowed in the object's present state or with that value.
class EInvalidOperation : public Exception { using Exception::Exception; };
// An index outside a list.
class EListError : public Exception {
public:
    using Exception::Exception;
    // "List index out of bounds (index)"
    static EListError OutOfBounds(int index) {
        return EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
};
// A form description that cannot be read.
class EReadError : public Exception { using Exception::Exception; };
// File errors: a file that cannot be opened, created or written.
class EInOutError : public Exception { using Exception::Exception; };
class EFOpenError : public EInOutError { using EInOutError::EInOutError; };
class EFCreateError : public EInOutError { using EInOutError::EInOutError; };
class EWriteError : public EInOutError { using EInOutError::EInOutError; };
// A picture file that cannot be decoded.
class EInvalidGraphic : public Exception { using Exception::Exception; };
// The printer cannot be reached.
class EPrinter : public Exception { using Exception::Exception; };

#endif
