#include "programs/windows/ConsoleStreams.h"

#include "toolkit/win32/Utf16.h"

#include <algorithm>
#include <iostream>
#include <string_view>

namespace console {

namespace {

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode) != 0;
}

// How many bytes at the end of `s` start a UTF-8 sequence that is not complete yet.
std::size_t CutSequence(std::string_view s) {
    for (std::size_t back = 1; back <= 3 && back <= s.size(); ++back) {
        const auto b = static_cast<unsigned char>(s[s.size() - back]);
        if ((b & 0xC0) == 0x80) continue; // a continuation byte: look further back
        const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

bool WriteAll(HANDLE handle, const char* data, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
        if (!WriteFile(handle, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool WriteConsoleAll(HANDLE handle, const std::wstring& text) {
    const wchar_t* data = text.data();
    std::size_t size = text.size();
    while (size > 0) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 8192));
        // A surrogate pair goes whole into one write.
        if (chunk < size && data[chunk - 1] >= 0xD800 && data[chunk - 1] <= 0xDBFF) --chunk;
        if (!WriteConsoleW(handle, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

TOutputBuffer::TOutputBuffer(HANDLE handle) : Handle(handle), Console(IsConsole(handle)) {
    setp(Buffer.data(), Buffer.data() + Buffer.size());
}

TOutputBuffer::~TOutputBuffer() {
    Flush(true);
}

TOutputBuffer::int_type TOutputBuffer::overflow(int_type c) {
    if (!Flush(false)) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int TOutputBuffer::sync() {
    return Flush(false) ? 0 : -1;
}

bool TOutputBuffer::Flush(bool whole) {
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t keep = Console && !whole ? CutSequence(pending) : 0;
    const std::string_view ready = pending.substr(0, pending.size() - keep);
    const bool ok = ready.empty() || (Console ? WriteConsoleAll(Handle, tkwin::ToUtf16(ready))
                                              : WriteAll(Handle, ready.data(), ready.size()));
    // The cut sequence moves to the buffer's start; what failed is dropped, not retried.
    std::copy(pending.end() - static_cast<std::ptrdiff_t>(keep), pending.end(), Buffer.data());
    setp(Buffer.data(), Buffer.data() + Buffer.size());
    pbump(static_cast<int>(keep));
    return ok;
}

TInputBuffer::TInputBuffer(HANDLE handle) : Handle(handle), Console(IsConsole(handle)) {}

TInputBuffer::int_type TInputBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    Bytes.clear();
    while (Bytes.empty() && !Ended) {
        if (Console) {
            std::array<wchar_t, 1024> units{};
            DWORD read = 0;
            if (!ReadConsoleW(Handle, units.data(), static_cast<DWORD>(units.size()), &read,
                              nullptr) ||
                read == 0) {
                Ended = true;
                break;
            }
            std::wstring text;
            if (PendingHigh != 0) text += PendingHigh;
            PendingHigh = 0;
            text.append(units.data(), read);
            // Ctrl+Z typed at the start of a line is the console's end of input.
            if (const std::size_t z = text.find(L'\x1a'); z != std::wstring::npos) {
                text.resize(z);
                Ended = true;
            }
            if (!Ended && !text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) {
                PendingHigh = text.back();
                text.pop_back();
            }
            Bytes = tkwin::ToUtf8(text);
        } else {
            std::array<char, 4096> chunk{};
            DWORD read = 0;
            if (!ReadFile(Handle, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) ||
                read == 0) {
                Ended = true;
                break;
            }
            Bytes.assign(chunk.data(), read);
        }
    }
    if (Bytes.empty()) return traits_type::eof();
    setg(Bytes.data(), Bytes.data(), Bytes.data() + Bytes.size());
    return traits_type::to_int_type(*gptr());
}

TConsoleStreams::TConsoleStreams()
    : In(GetStdHandle(STD_INPUT_HANDLE)), Out(GetStdHandle(STD_OUTPUT_HANDLE)),
      Err(GetStdHandle(STD_ERROR_HANDLE)), OldIn(std::cin.rdbuf(&In)),
      OldOut(std::cout.rdbuf(&Out)), OldErr(std::cerr.rdbuf(&Err)) {}

TConsoleStreams::~TConsoleStreams() {
    std::cout.flush();
    std::cerr.flush();
    std::cin.rdbuf(OldIn);
    std::cout.rdbuf(OldOut);
    std::cerr.rdbuf(OldErr);
}

} // namespace console
