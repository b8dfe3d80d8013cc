// The console companion's standard streams. A console gets UTF-16 (WriteConsoleW,
// ReadConsoleW), which reads right in any console code page and font; a file or a pipe gets
// UTF-8 bytes unchanged, the same bytes the Linux program writes.
//
//     console::TConsoleStreams streams; // std::cin, std::cout, std::cerr from here
//     std::cout << "Zнн=2,00+j1,00\n";
#pragma once

#include <windows.h>

#include <array>
#include <streambuf>
#include <string>

namespace console {

// Writes to a standard handle: UTF-8 converted to UTF-16 for a console (a sequence cut
// between two writes waits for its end), bytes for anything else.
class TOutputBuffer : public std::streambuf {
  public:
    explicit TOutputBuffer(HANDLE handle);
    ~TOutputBuffer() override;
    TOutputBuffer(const TOutputBuffer&) = delete;
    TOutputBuffer& operator=(const TOutputBuffer&) = delete;

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    // Writes what is buffered; `whole`: also a cut sequence at its end (as U+FFFD).
    bool Flush(bool whole);

    HANDLE Handle;
    bool Console;
    std::array<char, 4096> Buffer{};
};

// Reads a standard handle: a console's UTF-16 typing as UTF-8 (Ctrl+Z at the start of a
// line ends it), bytes from anything else.
class TInputBuffer : public std::streambuf {
  public:
    explicit TInputBuffer(HANDLE handle);

  protected:
    int_type underflow() override;

  private:
    HANDLE Handle;
    bool Console;
    bool Ended = false;
    wchar_t PendingHigh = 0; // a surrogate pair cut between two reads
    std::string Bytes;
};

// For as long as it lives, std::cin, std::cout and std::cerr go through the buffers above.
class TConsoleStreams {
  public:
    TConsoleStreams();
    ~TConsoleStreams();
    TConsoleStreams(const TConsoleStreams&) = delete;
    TConsoleStreams& operator=(const TConsoleStreams&) = delete;

  private:
    TInputBuffer In;
    TOutputBuffer Out, Err;
    std::streambuf *OldIn, *OldOut, *OldErr;
};

} // namespace console
