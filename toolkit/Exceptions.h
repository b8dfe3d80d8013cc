// The toolkit's exceptions. Every failure a handler can meet is one of these; the
// application object shows its message in the error box and the window stays open.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tk {

class Exception : public std::exception {
  public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

// The message of a fault the program did not foresee: what it was, and what the user can do.
// InternalError("деление на ноль") gives «Внутренняя ошибка программы (деление на ноль). …».
inline std::string InternalError(std::string_view what) {
    std::string text = "Внутренняя ошибка программы";
    if (!what.empty()) text += " (" + std::string(what) + ")";
    return text + ". Введённые данные не изменились; проверьте их и повторите действие. Если "
                  "ошибка повторяется, сообщите о ней разработчикам, указав введённые значения.";
}

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
// and throws one of these, with a message that says which construction failed and why; the
// bare defaults only ever show a fault nobody foresaw, as an internal error.
class EZeroDivide : public Exception {
  public:
    EZeroDivide() : Exception(InternalError("деление на ноль")) {}
    using Exception::Exception;
};

class EInvalidOp : public Exception {
  public:
    EInvalidOp() : Exception(InternalError("недопустимая операция с плавающей точкой")) {}
    using Exception::Exception;
};

class EOverflow : public Exception {
  public:
    EOverflow() : Exception(InternalError("переполнение при операции с плавающей точкой")) {}
    using Exception::Exception;
};

} // namespace tk
