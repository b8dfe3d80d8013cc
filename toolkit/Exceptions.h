// The toolkit's exceptions. Every failure a handler can meet is one of these; the
// application object shows its message in the error box and the window stays open.
#pragma once

#include <stdexcept>
#include <string>

namespace tk {

class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

// A text that is not a number.
class EConvertError : public Exception {
    using Exception::Exception;
};

// A text that is a well-formed number, but one beyond the range of a double ("1e400"):
// a conversion error too, told apart so that a message can say the number is too large.
class ENumberTooLarge : public EConvertError {
    using EConvertError::EConvertError;
};

// Floating-point faults. C++ arithmetic does not trap, so code that must fault checks
// and throws one of these.
class EZeroDivide : public Exception {
  public:
    EZeroDivide() : Exception("Деление на ноль") {}
    using Exception::Exception;
};

class EInvalidOp : public Exception {
  public:
    EInvalidOp() : Exception("Недопустимая операция с плавающей точкой") {}
    using Exception::Exception;
};

class EOverflow : public Exception {
  public:
    EOverflow() : Exception("Переполнение при операции с плавающей точкой") {}
    using Exception::Exception;
};

} // namespace tk
